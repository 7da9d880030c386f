// The migration export of generated registers of 4-document properties with Japanese names, as
// users give them, each export in a child process of its own so that its peak memory (ru_maxrss)
// is its own, and every time the best of three runs:
//   speed   1,000 properties beside "zip -r -ll" packing the same output tree, run by turns;
//   memory  the peak memory of the export at 100, 1,000 and 5,000 properties (5,000 once), and of
//           "zip -r -ll" packing the output tree of 5,000;
//   access  the export from a Jet 4 copy of the register beside the same register in SQLite, by
//           turns, at 1,000 and 4,500 properties.
// Everything it makes is deleted at the end.
#include "app/CZnAppProApp.h"
#include "bench/BenchChild.h"
#include "bench/BenchFolder.h"
#include "platform/core/Cp932.h"
#include "platform/database/CDaoDatabase.h"
#include "platform/files/WinDrive.h"
#include "platform/files/WinPath.h"
#include "platform/wnd/Afxwin.h"
#include "platform/wnd/UiHost.h"
#include "res/MainFrameIds.h"
#include "storage/ZnAppRegObject.h"
#include "storage/ZnRegKey.h"
#include "tools/jetwriter/JetSqliteCopy.h"
#include "tools/sampledata/SampleDataSet.h"
#include "tools/usage/ToolCall.h"
#include "tools/usage/ToolUsage.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

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
    double seconds = 0;
    long peakKilobytes = 0;
};

// A shared machine's other work only ever adds time: each figure is the best of a few runs.
const int kRuns = 3;

// The children that failed; any makes the benchmark fail.
int failedChildren = 0;

// Runs a program as a child in folder and waits for it: its time and peak memory.
Run RunChild(const fs::path& folder, std::vector<std::string> arguments)
{
    ChildRun run = RunInChild([&] {
        std::vector<char*> argv;
        for (std::string& argument : arguments)
            argv.push_back(&argument[0]);
        argv.push_back(nullptr);
        if (chdir(folder.c_str()) == 0)
            execvp(argv[0], argv.data());
        return false;
    });
    if (!run.succeeded) {
        std::fprintf(stderr, "failed in %s: %s\n", folder.c_str(), arguments[0].c_str());
        ++failedChildren;
    }
    return {run.seconds, run.peakKilobytes};
}

// Runs this program as a child that exports the data set in folder into an empty destination.
Run ExportInChild(const char* self, const fs::path& folder)
{
    fs::remove_all(folder / "export");
    fs::remove_all(folder / "registry");
    fs::remove_all(folder / "run");
    fs::create_directory(folder / "export");
    return RunChild(folder, {self, "--child", folder.string()});
}

// The property archive under folder/export unpacked into folder/tree, once.
fs::path UnpackedTree(const fs::path& folder)
{
    fs::path tree = folder / "tree";
    if (fs::exists(tree))
        return tree;
    fs::create_directory(tree);
    for (const auto& entry : fs::directory_iterator(folder / "export"))
        if (entry.path().filename().string().rfind(u8"物件データ_", 0) == 0)
            RunChild(tree, {"unzip", "-q", entry.path().string()});
    return tree;
}

Run ZipPacking(const fs::path& tree)
{
    fs::remove(tree.parent_path() / "packed.zip");
    return RunChild(tree, {"zip", "-q", "-r", "-ll", "../packed.zip", "."});
}

Run Best(const Run& a, const Run& b) { return {std::min(a.seconds, b.seconds), std::max(a.peakKilobytes, b.peakKilobytes)}; }

// The register of the data set in folder, in SQLite (the data set's own) or as a Jet 4 copy.
void UseRegister(const fs::path& folder, bool jet)
{
    fs::path bukken = folder / "bukken";
    fs::path sqlite = bukken / "APP_BUKKEN.sqlite";
    if (!fs::exists(sqlite)) {
        fs::rename(bukken / "APP_BUKKEN.mdb", sqlite);
        JetDatabase database(JetVersion::Jet4);
        AddSqliteTables(database, sqlite.string());
        WriteJetFile(database, (bukken / "APP_BUKKEN.jet").string());
    }
    fs::remove(bukken / "APP_BUKKEN.mdb");
    fs::copy_file(jet ? bukken / "APP_BUKKEN.jet" : sqlite, bukken / "APP_BUKKEN.mdb");
}

void Speed(const char* self, const fs::path& work)
{
    fs::path folder = work / "speed";
    Generate(folder, 1000);
    Run exported = ExportInChild(self, folder);
    fs::path tree = UnpackedTree(folder);
    Run packed = ZipPacking(tree);
    for (int run = 1; run < kRuns; ++run) {
        exported = Best(exported, ExportInChild(self, folder));
        packed = Best(packed, ZipPacking(tree));
    }
    std::printf("export of 1,000 properties: %.2f s\n", exported.seconds);
    std::printf("zip -r -ll of its output:   %.2f s (export / packing: %.2f)\n", packed.seconds,
                exported.seconds / packed.seconds);
    fs::remove_all(folder);
}

void Memory(const char* self, const fs::path& work)
{
    long peaks[3] = {};
    const int counts[3] = {100, 1000, 5000};
    for (int i = 0; i < 3; ++i) {
        fs::path folder = work / ("memory" + std::to_string(counts[i]));
        Generate(folder, counts[i]);
        Run best = ExportInChild(self, folder);
        for (int run = 1; run < (counts[i] < 5000 ? kRuns : 1); ++run)
            best = Best(best, ExportInChild(self, folder));
        peaks[i] = best.peakKilobytes;
        std::printf("export of %d properties: %.2f s, peak %ld KB\n", counts[i], best.seconds, best.peakKilobytes);
        if (counts[i] == 5000)
            std::printf("zip -r -ll of its output:  peak %ld KB\n", ZipPacking(UnpackedTree(folder)).peakKilobytes);
        fs::remove_all(folder);
    }
    std::printf("growth per property: %.2f KB (100 to 1,000), %.2f KB (1,000 to 5,000)\n",
                double(peaks[1] - peaks[0]) / 900, double(peaks[2] - peaks[1]) / 4000);
}

void Access(const char* self, const fs::path& work)
{
    for (int count : {1000, 4500}) {
        fs::path folder = work / ("access" + std::to_string(count));
        Generate(folder, count);
        Run sqlite, jet;
        for (int run = 0; run < kRuns; ++run) {
            UseRegister(folder, false);
            Run next = ExportInChild(self, folder);
            sqlite = run == 0 ? next : Best(sqlite, next);
            UseRegister(folder, true);
            next = ExportInChild(self, folder);
            jet = run == 0 ? next : Best(jet, next);
        }
        std::printf("%d properties: SQLite %.2f s, Jet 4 %.2f s (Jet / SQLite: %.2f)\n", count, sqlite.seconds,
                    jet.seconds, jet.seconds / sqlite.seconds);
        fs::remove_all(folder);
    }
}

const char kUsage[] = "usage: export_bench [WORK FOLDER] [speed] [memory] [access]\n"
                      "Times the migration export of generated registers (all three measures when none is\n"
                      "named), in a folder of its own below WORK FOLDER (the temporary folder), removed at the end.\n";

const char kChild[] = "--child"; // export_bench --child FOLDER: one export, run by the benchmark itself

int Bench(const ToolCall& call)
{
    if (call.Text(0, "") == kChild)
        return call.Size() == 2 ? RunExport(call.Text(1, nullptr)) : ShowWrongCall(kUsage);
    std::vector<std::string> sections;
    for (size_t i = 1; i < call.Size(); ++i)
        sections.push_back(call.Word(i, {"speed", "memory", "access"}, nullptr));
    auto wanted = [&](const char* name) {
        return sections.empty() || std::find(sections.begin(), sections.end(), name) != sections.end();
    };
    BenchFolder folder(call.Text(0, ""), "export_bench");
    const fs::path& work = folder.Path();
    std::string self = fs::canonical("/proc/self/exe").string(); // the children start in other folders
    if (wanted("speed"))
        Speed(self.c_str(), work);
    if (wanted("memory"))
        Memory(self.c_str(), work);
    if (wanted("access"))
        Access(self.c_str(), work);
    return failedChildren == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) { return ToolCall::Run(argc, argv, kUsage, 4, Bench, {kChild}); }
