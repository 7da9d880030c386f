// Packs generated export folders with MakeZip and, side by side, with "zip -r -ll -m -T" (which
// also removes the files and tests the archive, as the library does), then deletes everything it
// made. Two shapes: 2,000 XML files of about 100 KB, and an export of 1,000 properties (a folder
// each with a file and four document folders of two files, about 5 KB a file: 14 entries).
//   zip_bench [work folder] [runs]
#include "platform/core/AfxMessageBox.h"
#include "platform/files/WinPath.h"
#include "writers/zip/ZipPacking.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The message boxes that the packing shows; each is answered with OK.
int shownMessages = 0;

int CountMessage(LPCTSTR, UINT, UINT)
{
    ++shownMessages;
    return IDOK;
}

BOOL BenchInstallPath(CString& path)
{
    path = LinuxPathToWin(ZN_APP_DIR).c_str();
    return TRUE;
}

// An XML file of about size bytes of CR LF lines with varying names, numbers and dates, like an
// application file.
std::string XmlText(unsigned& seed, size_t size)
{
    static const char* const names[] = {
        u8"山田太郎",         u8"鈴木花子",           u8"佐藤建設株式会社", u8"東京都千代田区霞が関１－２－３",
        u8"一級建築士事務所", u8"鉄筋コンクリート造", u8"共同住宅"};
    std::string text = u8"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<申請書データ>\r\n";
    while (text.size() < size) {
        seed = seed * 1103515245u + 12345u;
        char line[256];
        std::snprintf(line, sizeof line, u8"\t\t<項目%u>%s%u</項目%u>\r\n\t\t<日付>%04u%02u%02u</日付>\r\n", seed % 40,
                      names[(seed >> 8) % 7], seed % 100000, seed % 40, 1990 + (seed >> 4) % 30, 1 + (seed >> 9) % 12,
                      1 + (seed >> 13) % 28);
        text += line;
    }
    return text + u8"</申請書データ>\r\n";
}

void WriteFile(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

struct Shape {
    const char* title;
    void (*generate)(const fs::path& folder);
};

// 100 folders of 20 files of 100 KB.
void GenerateLargeFiles(const fs::path& folder)
{
    unsigned seed = 12345;
    for (int f = 0; f < 100; ++f) {
        fs::path sub = folder / (u8"物件" + std::to_string(f));
        fs::create_directories(sub);
        for (int i = 0; i < 20; ++i)
            WriteFile(sub / (u8"申請書データ" + std::to_string(i) + ".xml"), XmlText(seed, 100 * 1024));
    }
}

// 1,000 property folders as the export writes them.
void GenerateExport(const fs::path& folder)
{
    unsigned seed = 54321;
    for (int p = 0; p < 1000; ++p) {
        fs::path property = folder / (u8"物件" + std::to_string(100000 + p));
        WriteFile((fs::create_directories(property), property / u8"物件データ.xml"), XmlText(seed, 5 * 1024));
        for (int d = 0; d < 4; ++d) {
            fs::path document = property / (u8"書類" + std::to_string(d));
            fs::create_directories(document);
            WriteFile(document / u8"申請書データ.xml", XmlText(seed, 5 * 1024));
            WriteFile(document / u8"図書データ.xml", XmlText(seed, 5 * 1024));
        }
    }
}

template <typename Body> double Seconds(Body body)
{
    auto start = std::chrono::steady_clock::now();
    body();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::uintmax_t FolderBytes(const fs::path& folder)
{
    std::uintmax_t bytes = 0;
    for (const fs::directory_entry& item : fs::recursive_directory_iterator(folder))
        bytes += item.is_regular_file() ? item.file_size() : 0;
    return bytes;
}

std::uintmax_t ZipBytesIn(const fs::path& folder)
{
    std::uintmax_t bytes = 0;
    for (const fs::directory_entry& item : fs::directory_iterator(folder))
        bytes += item.path().extension() == ".zip" ? item.file_size() : 0;
    return bytes;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Each run packs a fresh copy of the generated folder both ways, one after the other.
bool Compare(const fs::path& work, const Shape& shape, int runs)
{
    fs::path master = work / "master" / u8"物件データ20100903140501";
    shape.generate(master);
    std::printf("%s: %.1f MB\n", shape.title, FolderBytes(master) / 1e6);
    std::vector<double> zipTimes, ownTimes, ratios;
    for (int run = 1; run <= runs; ++run) {
        fs::path zipParent = work / ("zip" + std::to_string(run)), ownParent = work / ("own" + std::to_string(run));
        fs::path zipFolder = zipParent / master.filename(), ownFolder = ownParent / master.filename();
        fs::create_directories(zipParent);
        fs::create_directories(ownParent);
        fs::copy(master, zipFolder, fs::copy_options::recursive);
        fs::copy(master, ownFolder, fs::copy_options::recursive);

        std::string zipCommand = "cd '" + zipFolder.string() + "' && zip -q -r -ll -m -T ../reference.zip .";
        int zipStatus = 0;
        double zipSeconds = Seconds([&] { zipStatus = std::system(zipCommand.c_str()); });
        std::string packingPath = LinuxPathToWin(ownFolder.string()) + "\\*.*";
        double ownSeconds = Seconds([&] { MakeZip(packingPath.c_str(), "物件データ"); });
        bool packed = shownMessages == 0 && fs::is_empty(ownFolder);
        if (zipStatus != 0 || !packed) {
            std::fprintf(stderr, "failed: zip status %d, MakeZip %s\n", zipStatus, packed ? "packed" : "failed");
            return false;
        }
        std::printf("  run %d: zip -r -ll -m -T %.3f s (%.1f MB), MakeZip %.3f s (%.1f MB), ratio %.2f\n", run,
                    zipSeconds, ZipBytesIn(zipParent) / 1e6, ownSeconds, ZipBytesIn(ownParent) / 1e6,
                    ownSeconds / zipSeconds);
        zipTimes.push_back(zipSeconds);
        ownTimes.push_back(ownSeconds);
        ratios.push_back(ownSeconds / zipSeconds);
        fs::remove_all(zipParent);
        fs::remove_all(ownParent);
    }
    std::printf("  best: zip -r -ll -m -T %.3f s, MakeZip %.3f s; median ratio %.2f\n",
                *std::min_element(zipTimes.begin(), zipTimes.end()),
                *std::min_element(ownTimes.begin(), ownTimes.end()), Median(ratios));
    fs::remove_all(work / "master");
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    AfxSetMessageBoxHandler(CountMessage);
    fs::path base = argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path();
    int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    std::string work = (base / "zipbench.XXXXXX").string();
    if (!mkdtemp(&work[0])) {
        std::perror("mkdtemp");
        return 1;
    }
    SetInstallPathReader(BenchInstallPath);
    bool ok = LoadZipLibrary() == 1;
    const Shape shapes[] = {{"2,000 files of 100 KB in 100 folders", GenerateLargeFiles},
                            {"export of 1,000 properties (14,000 entries, files of 5 KB)", GenerateExport}};
    for (const Shape& shape : shapes)
        ok = ok && Compare(work, shape, runs);
    fs::remove_all(work);
    return ok ? 0 : 1;
}
