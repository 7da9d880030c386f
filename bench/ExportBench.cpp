// The migration export of a generated register: 1,000 properties of 4 documents each, timed
// beside "zip -r -ll" packing the same output tree, and its peak memory beside that of 100
// properties; the property names are Japanese, as users give them. Each export runs in a child
// process of its own, so that its peak memory (ru_maxrss) is its own; each time is the best of
// three runs. Everything it makes is deleted at the end.
//   export_bench [work folder]
#include "app/CZnAppProApp.h"
#include "platform/core/Cp932.h"
#include "platform/database/CDaoDatabase.h"
#include "platform/files/WinDrive.h"
#include "platform/files/WinPath.h"
#include "platform/wnd/Afxwin.h"
#include "platform/wnd/UiHost.h"
#include "res/MainFrameIds.h"
#include "storage/ZnAppRegObject.h"
#include "storage/ZnRegKey.h"
#include "tools/sampledata/SampleDataSet.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Presses the migration button in the start-up dialog, answers every message box with OK and
// counts those that are not the final "finished" one.
struct ExportingUi : UiHost {
    int MessageBox(const MessageBoxRequest& request) override
    {
        ++shown;
        failed = failed || (request.type & MB_ICONSTOP) != 0;
        return IDOK;
    }
    void RunModalLoop(CDialog& dialog) override
    {
        if (CWnd* button = dialog.GetDlgItem(IDC_SO_BTN_IKOU))
            dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SO_BTN_IKOU, BN_CLICKED),
                               reinterpret_cast<LPARAM>(button->m_hWnd));
        dialog.EndDialog(IDCANCEL);
    }
    int shown = 0;
    bool failed = false;
};

CString Windows(const fs::path& path) { return CString(LinuxPathToWin(path.string()).c_str()); }

// A property name as users give them, in Japanese (UTF-8).
std::string PropertyName(int index)
{
    char number[16];
    std::snprintf(number, sizeof number, "%04d", index);
    return u8"山田邸新築工事" + std::string(number);
}

CString Cp932(const std::string& utf8) { return CString(cp932::FromUtf8(utf8).c_str()); }

// The sample data set with its register replaced by count copies of its first property (four
// documents), each with a folder of its own holding copies of that property's document files.
void Generate(const fs::path& folder, int count)
{
    sampledata::MakeSampleDataSet(folder.string());
    fs::path bukken = folder / "bukken";
    fs::create_symlink(fs::path(ZN_APP_DIR) / "libzipnorva32.so", folder / "codes" / "libzipnorva32.so");
    fs::path first = bukken / u8"山田邸新築工事";
    CDaoDatabase database;
    database.Open(Windows(bukken / "APP_BUKKEN.mdb"));
    database.Execute("DELETE FROM AppBukkenShousaiTbl WHERE BukkenIndex <> 1");
    database.Execute("DELETE FROM AppBukkenKanriTbl WHERE BukkenIndex <> 1");
    database.Execute(CString("UPDATE AppBukkenKanriTbl SET Bukkenmei = '") + Cp932(PropertyName(1)) + "'");
    for (int index = 2; index <= count; ++index) {
        CString number;
        number.Format("%d", index);
        database.Execute("INSERT INTO AppBukkenKanriTbl SELECT " + number + ", '" + Cp932(PropertyName(index)) +
                         "', Koushinbi, ChikiShiteiCode, ShinseiKubun, HozonDirectory, Bikou FROM AppBukkenKanriTbl "
                         "WHERE BukkenIndex = 1");
        database.Execute("INSERT INTO AppBukkenShousaiTbl SELECT BukkenShousaiIndex, " + number +
                         ", ShinseiShoruiName, ShinseiShubetuCode, HeiganCode, ShinseiKaisuu, Koushinbi, UketukeBangou, "
                         "ZadazezBangou, GoukakuBangou, FileName, Bikou FROM AppBukkenShousaiTbl WHERE BukkenIndex = 1");
        fs::copy(first, bukken / PropertyName(index));
    }
    database.Close();
    fs::rename(first, bukken / PropertyName(1));
}

// The child: starts the program on the data set in folder, exports to folder/export and exits
// with 0 when the export told no failure.
int RunExport(const fs::path& folder)
{
    setenv("ZN_REGISTRY_DIR", (folder / "registry").c_str(), 1);
    fs::create_directory(folder / "registry");
    // The run log goes to a folder of its own, which stands for drive C; the data lie outside
    // drive C, as the zip library, which keeps no drive table, needs.
    fs::create_directory(folder / "run");
    if (chdir((folder / "run").c_str()) != 0)
        return 2;
    SetDriveFolder('C', (folder / "run").string());
    ZnRegKey key;
    key.Create(HKEY_LOCAL_MACHINE, CString("SOFTWARE\\") + kAppPosSubKey);
    const char* names[] = {"ZnApp", "ZnCom", "ZnObj", "ZnDst"};
    const char* folders[] = {"codes", "common", "bukken", "export"};
    for (int i = 0; i < 4; ++i)
        key.SetValue(Windows(folder / folders[i]), names[i]);
    key.Close();

    ExportingUi ui;
    UiHost::Install(&ui);
    CZnAppProApp app;
    char program[] = "zadazez";
    char* argv[] = {program};
    app.SetCommandLine(1, argv);
    app.InitInstance();
    if (app.m_pMainWnd)
        app.m_pMainWnd->DestroyWindow();
    return ui.failed || ui.shown != 1 ? 1 : 0;
}

struct Run {
    double seconds;
    long peakKilobytes;
};

// A shared machine's other work only ever adds time: each figure is the best of a few runs.
const int kRuns = 3;

// Runs this program as a child that exports the data set in folder.
Run ExportInChild(const char* self, const fs::path& folder)
{
    fs::remove_all(folder / "export");
    fs::create_directory(folder / "export");
    auto start = std::chrono::steady_clock::now();
    pid_t child = fork();
    if (child == 0) {
        execl(self, self, "--child", folder.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        std::fprintf(stderr, "the export of %s failed (status %d)\n", folder.c_str(), status);
    return {seconds, usage.ru_maxrss};
}

double Seconds(const std::string& command)
{
    auto start = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0)
        std::fprintf(stderr, "failed: %s\n", command.c_str());
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The property archive under folder/export, unpacked and packed again with "zip -r -ll".
double ZipPackingSeconds(const fs::path& folder)
{
    fs::path tree = folder / "tree";
    fs::create_directory(tree);
    for (const auto& entry : fs::directory_iterator(folder / "export"))
        if (entry.path().filename().string().rfind(u8"物件データ_", 0) == 0)
            Seconds("unzip -q '" + entry.path().string() + "' -d '" + tree.string() + "'");
    double best = 0;
    for (int run = 0; run < kRuns; ++run) {
        fs::remove(folder / "packed.zip");
        double seconds = Seconds("cd '" + tree.string() + "' && zip -q -r -ll ../packed.zip .");
        best = run == 0 ? seconds : std::min(best, seconds);
    }
    return best;
}

// The best time of kRuns exports of the data set in folder, with the largest peak memory.
Run BestExport(const char* self, const fs::path& folder)
{
    Run best = ExportInChild(self, folder);
    for (int run = 1; run < kRuns; ++run) {
        Run next = ExportInChild(self, folder);
        best = {std::min(best.seconds, next.seconds), std::max(best.peakKilobytes, next.peakKilobytes)};
    }
    return best;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 3 && std::string(argv[1]) == "--child")
        return RunExport(argv[2]);
    fs::path work = fs::path(argc > 1 ? argv[1] : fs::temp_directory_path().string()) / "export_bench";
    fs::remove_all(work);
    fs::create_directories(work);

    Generate(work / "small", 100);
    Generate(work / "large", 1000);
    Run small = BestExport(argv[0], work / "small");
    Run large = BestExport(argv[0], work / "large");
    double zip = ZipPackingSeconds(work / "large");
    std::printf("export of 1,000 properties: %.2f s, peak %ld KB\n", large.seconds, large.peakKilobytes);
    std::printf("zip -r -ll of its output:   %.2f s (export / packing: %.2f)\n", zip, large.seconds / zip);
    std::printf("export of 100 properties:   %.2f s, peak %ld KB\n", small.seconds, small.peakKilobytes);
    fs::remove_all(work);
    return 0;
}
