// Packs generated export folders with MakeZip and, side by side, with "zip -r -ll -m -T" (which
// also removes the files and tests the archive, as the library does), then deletes everything it
// made. Two shapes: 2,000 XML files of about 100 KB, and an export of 1,000 properties (a folder
// each with a file and four document folders of two files, about 5 KB a file: 14 entries).
// With "memory", the peak memory (ru_maxrss) of MakeZip packing exports of 1,000 and 5,000
// properties instead, each packing in a child process of its own, and its growth per property.
// With "small", only MakeZip packing 2,000 small files (about 2 KB) in 20 folders, for timing the
// library's own cost per entry from outside.
#include "bench/BenchChild.h"
#include "bench/BenchFolder.h"
#include "platform/core/AfxMessageBox.h"
#include "platform/files/WinPath.h"
#include "tools/usage/ToolCall.h"
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

// Folders of XML files of about size bytes, each file named after name and its number.
void GenerateXmlFiles(const fs::path& folder, int folders, int files, size_t size, const char* name, unsigned seed)
{
    for (int f = 0; f < folders; ++f) {
        fs::path sub = folder / (u8"物件" + std::to_string(f));
        fs::create_directories(sub);
        for (int i = 0; i < files; ++i)
            WriteFile(sub / (name + std::to_string(i) + ".xml"), XmlText(seed, size));
    }
}

// 100 folders of 20 files of 100 KB.
void GenerateLargeFiles(const fs::path& folder)
{
    GenerateXmlFiles(folder, 100, 20, 100 * 1024, u8"申請書データ", 12345);
}

// Property folders as the export writes them, named as users name properties and documents.
void GenerateProperties(const fs::path& folder, int count)
{
    static const char* const documents[] = {u8"確認申請書_建築物_01", u8"確認申請書_建築設備_02",
                                            u8"中間検査申請書_建築物_03", u8"完了検査申請書_建築物_04"};
    unsigned seed = 54321;
    for (int p = 1; p <= count; ++p) {
        char number[16];
        std::snprintf(number, sizeof number, "%04d", p);
        fs::path property = folder / (u8"山田邸新築工事" + std::string(number));
        WriteFile((fs::create_directories(property), property / u8"物件データ.xml"), XmlText(seed, 5 * 1024));
        for (const char* name : documents) {
            fs::path document = property / name;
            fs::create_directories(document);
            WriteFile(document / u8"申請書データ.xml", XmlText(seed, 5 * 1024));
            WriteFile(document / u8"図書データ.xml", XmlText(seed, 5 * 1024));
        }
    }
}

void GenerateExport(const fs::path& folder) { GenerateProperties(folder, 1000); }

// 20 folders of 100 files of about 2 KB.
void GenerateSmallFiles(const fs::path& folder) { GenerateXmlFiles(folder, 20, 100, 2 * 1024, u8"図書データ", 777); }

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

// Packs a fresh copy of the generated folder with MakeZip in each run, timing the packing alone.
bool PackOnly(const fs::path& work, const Shape& shape, int runs)
{
    fs::path master = work / "master" / u8"物件データ20100903140501";
    shape.generate(master);
    std::vector<double> times;
    for (int run = 1; run <= runs; ++run) {
        fs::path parent = work / "packed", folder = parent / master.filename();
        fs::create_directories(parent);
        fs::copy(master, folder, fs::copy_options::recursive);
        std::string packingPath = LinuxPathToWin(folder.string()) + "\\*.*";
        double seconds = Seconds([&] { MakeZip(packingPath.c_str(), "物件データ"); });
        bool packed = shownMessages == 0 && fs::is_empty(folder);
        fs::remove_all(parent);
        if (!packed) {
            std::fprintf(stderr, "failed: MakeZip of %s\n", shape.title);
            return false;
        }
        times.push_back(seconds);
    }
    std::printf("%s: MakeZip best %.4f s, median %.4f s\n", shape.title, *std::min_element(times.begin(), times.end()),
                Median(times));
    fs::remove_all(work / "master");
    return true;
}

// Packs the folder with MakeZip in a child process: its peak memory in KB, or -1 when it failed.
long PeakOfPackingInChild(const fs::path& folder)
{
    ChildRun run = RunInChild([&] {
        std::string packingPath = LinuxPathToWin(folder.string()) + "\\*.*";
        MakeZip(packingPath.c_str(), "物件データ");
        return shownMessages == 0 && fs::is_empty(folder);
    });
    return run.succeeded ? run.peakKilobytes : -1;
}

// The peak memory of packing exports of 1,000 and 5,000 properties, each a fresh copy per run.
bool Memory(const fs::path& work, int runs)
{
    const int counts[2] = {1000, 5000};
    long peaks[2] = {};
    for (int i = 0; i < 2; ++i) {
        fs::path master = work / "master" / u8"物件データ20100903140501";
        GenerateProperties(master, counts[i]);
        std::printf("export of %d properties (%d entries):", counts[i], counts[i] * 14);
        for (int run = 1; run <= runs; ++run) {
            fs::path parent = work / "packed", folder = parent / master.filename();
            fs::create_directories(parent);
            fs::copy(master, folder, fs::copy_options::recursive);
            long peak = PeakOfPackingInChild(folder);
            fs::remove_all(parent);
            if (peak < 0) {
                std::fprintf(stderr, "failed: MakeZip of %d properties\n", counts[i]);
                return false;
            }
            std::printf(" %ld", peak);
            peaks[i] = run == 1 ? peak : std::min(peaks[i], peak);
        }
        std::printf(" KB peak\n");
        fs::remove_all(work / "master");
    }
    std::printf("growth per property (lowest peaks, 1,000 to 5,000): %.2f KB\n", double(peaks[1] - peaks[0]) / 4000);
    return true;
}

const char kUsage[] = "usage: zip_bench [WORK FOLDER] [RUNS] [memory|small]\n"
                      "Packs generated export folders with the zip library beside zip -r -ll -m -T, RUNS times\n"
                      "(3), in a folder of its own below WORK FOLDER (the temporary folder), removed at the end.\n"
                      "memory: the peak memory of packing exports of 1,000 and 5,000 properties instead;\n"
                      "small: only the zip library packing 2,000 small files.\n";

int Bench(const ToolCall& call)
{
    int runs = call.Number(1, 3);
    std::string mode = call.Word(2, {"memory", "small"}, "");
    BenchFolder folder(call.Text(0, ""), "zipbench");
    const fs::path& work = folder.Path();
    AfxSetMessageBoxHandler(CountMessage);
    SetInstallPathReader(BenchInstallPath);
    bool ok = LoadZipLibrary() == 1;
    const Shape shapes[] = {{"2,000 files of 100 KB in 100 folders", GenerateLargeFiles},
                            {"export of 1,000 properties (14,000 entries, files of 5 KB)", GenerateExport}};
    if (mode == "memory")
        ok = ok && Memory(work, runs);
    else if (mode == "small")
        ok = ok && PackOnly(work, {"2,000 files of 2 KB in 20 folders", GenerateSmallFiles}, runs);
    else
        for (const Shape& shape : shapes)
            ok = ok && Compare(work, shape, runs);
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) { return ToolCall::Run(argc, argv, kUsage, 3, Bench); }
