// Packs a generated export folder of 2,000 XML files of about 100 KB each with MakeZip, and the
// same folder with "zip -r -ll" for comparison, then deletes everything it made.
#include "platform/core/AfxMessageBox.h"
#include "platform/files/WinPath.h"
#include "writers/zip/ZipPacking.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

// The message boxes that the packing shows; each is answered with OK.
int shownMessages = 0;

int CountMessage(LPCTSTR, UINT, UINT)
{
    ++shownMessages;
    return IDOK;
}

const int kFolders = 100;
const int kFilesPerFolder = 20;
const size_t kFileSize = 100 * 1024;

BOOL BenchInstallPath(CString& path)
{
    path = LinuxPathToWin(ZN_APP_DIR).c_str();
    return TRUE;
}

// An XML file of CR LF lines with varying names, numbers and dates, like an application file.
std::string XmlText(unsigned& seed)
{
    static const char* const names[] = {
        u8"山田太郎",         u8"鈴木花子",           u8"佐藤建設株式会社", u8"東京都千代田区霞が関１－２－３",
        u8"一級建築士事務所", u8"鉄筋コンクリート造", u8"共同住宅"};
    std::string text = u8"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<申請書データ>\r\n";
    while (text.size() < kFileSize) {
        seed = seed * 1103515245u + 12345u;
        char line[256];
        std::snprintf(line, sizeof line, u8"\t\t<項目%u>%s%u</項目%u>\r\n\t\t<日付>%04u%02u%02u</日付>\r\n", seed % 40,
                      names[(seed >> 8) % 7], seed % 100000, seed % 40, 1990 + (seed >> 4) % 30, 1 + (seed >> 9) % 12,
                      1 + (seed >> 13) % 28);
        text += line;
    }
    return text + u8"</申請書データ>\r\n";
}

void Generate(const fs::path& folder)
{
    unsigned seed = 12345;
    for (int f = 0; f < kFolders; ++f) {
        fs::path sub = folder / (u8"物件" + std::to_string(f));
        fs::create_directories(sub);
        for (int i = 0; i < kFilesPerFolder; ++i)
            std::ofstream(sub / (u8"申請書データ" + std::to_string(i) + ".xml"), std::ios::binary) << XmlText(seed);
    }
}

template <typename Body> double Seconds(Body body)
{
    auto start = std::chrono::steady_clock::now();
    body();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv)
{
    AfxSetMessageBoxHandler(CountMessage);
    fs::path base = argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path();
    std::string work = (base / "zipbench.XXXXXX").string();
    if (!mkdtemp(&work[0])) {
        std::perror("mkdtemp");
        return 1;
    }
    fs::path folder = fs::path(work) / u8"物件データ20100903140501";
    Generate(folder);
    std::printf("generated %d files, %.1f MB\n", kFolders * kFilesPerFolder,
                kFolders * kFilesPerFolder * double(kFileSize) / 1e6);

    std::string zipCommand = "cd '" + folder.string() + "' && zip -q -r -ll ../reference.zip .";
    int zipStatus = 0;
    double zipSeconds = Seconds([&] { zipStatus = std::system(zipCommand.c_str()); });
    std::uintmax_t zipBytes = zipStatus == 0 ? fs::file_size(fs::path(work) / "reference.zip") : 0;
    fs::remove(fs::path(work) / "reference.zip");

    SetInstallPathReader(BenchInstallPath);
    bool loaded = LoadZipLibrary() == 1;
    std::string packingPath = LinuxPathToWin(folder.string()) + "\\*.*";
    double ownSeconds = Seconds([&] { MakeZip(packingPath.c_str(), "物件データ"); });
    std::uintmax_t ownBytes = 0;
    for (const fs::directory_entry& item : fs::directory_iterator(work))
        if (item.path().extension() == ".zip")
            ownBytes = item.file_size();
    bool packed = loaded && shownMessages == 0 && fs::is_empty(folder);

    fs::remove_all(work);
    if (zipStatus != 0 || !packed) {
        std::fprintf(stderr, "failed: zip status %d, MakeZip %s\n", zipStatus, packed ? "packed" : "failed");
        return 1;
    }
    std::printf("zip -r -ll: %.2f s, %.1f MB\nMakeZip:    %.2f s, %.1f MB\nratio:      %.2f\n", zipSeconds,
                zipBytes / 1e6, ownSeconds, ownBytes / 1e6, ownSeconds / zipSeconds);
    return 0;
}
