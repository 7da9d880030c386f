// The floppy import: a floppy folder read by the floppy contents dialog (7608) and made into a
// property by the destination dialog (7609), in a property-data folder whose register holds one
// property with its folder and document; and the accepted floppy's information file of the same
// folder read, as the number entry reads it.
//
// The input is a whole floppy folder in the container of tests/fuzz/support/FuzzFloppyFolder.h
// ("Info/filename.iba", "Keikaku/Ksq001.160", "Mitori/ksq310.bmp", "Uketuke/uke001.000" ...),
// written to a folder of its own. Message boxes are answered with OK, or Cancel where they offer
// Retry; 7608 reads the floppy and, when that enables 保存, saves it; 7609 takes the
// property-data folder and the floppy's property name and presses OK.
//
// What must hold:
// - When no property is made, a message said why, and the register's property and document rows
//   and every file and folder of the property-data folder are as they were.
// - When one is made, the whole system can use it: the register gives back a name that Windows
//   and the register can hold, which names the property's folder; the folder holds exactly the
//   document files that the property's rows name and the map bitmaps; the rows and the folders
//   that were there before are as they were.
// - The information file of an accepted floppy gives no more records than its header counts,
//   nor more than the lines that follow its header.
#include "fdimport/ZnDlgAppFDImport.h"
#include "fdimport/ZnDlgAppFDImportSave.h"
#include "fdimport/ZnUketukeFile.h"
#include "platform/core/Cp932.h"
#include "platform/database/CDaoDatabase.h"
#include "platform/files/WinDrive.h"
#include "platform/files/WinFileName.h"
#include "platform/files/WinPath.h"
#include "platform/wnd/CDialog.h"
#include "platform/wnd/UiHost.h"
#include "platform/wnd/UserInput.h"
#include "res/FloppyImportIds.h"
#include "storage/AppDatabaseSchemas.h"
#include "storage/ZnAppBukkenKanriTblDAO.h"
#include "storage/ZnAppBukkenShousaiTblDAO.h"
#include "tests/fuzz/support/FuzzCheck.h"
#include "tests/fuzz/support/FuzzFloppyFolder.h"
#include "tests/support/RecordsetRows.h"
#include "tests/writers/WriterShellState.h"

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <unistd.h>

using fuzzcheck::Require;

namespace {

const char kRegister[] = "APP_BUKKEN.mdb";
const char kProperty[] = "北町の家";
const char kDocument[] = "Ka001.110";
const char* const kBitmaps[] = {"ksq310.bmp", "ksq320.bmp", "ksq330.bmp", "ksq340.bmp"};

std::string g_folder; // the work folder of this process, drive C:

// The floppy folder of the input, as the dialogs take it.
CString g_floppy;

void RemoveFolder() { std::filesystem::remove_all(g_folder); }

std::string Path(const std::string& relative) { return g_folder + "/" + relative; }
CString Windows(const std::string& relative) { return CString(LinuxPathToWin(Path(relative))); }

// Answers message boxes and runs the modal dialogs' scripts; a dialog without one is cancelled.
class FuzzUi : public UiHost {
public:
    int MessageBox(const MessageBoxRequest& request) override
    {
        ++messages;
        return (request.type & MB_TYPEMASK) == MB_RETRYCANCEL ? IDCANCEL : IDOK;
    }
    void RunModalLoop(CDialog& dialog) override
    {
        if (!scripts.empty()) {
            std::function<void(CDialog&)> script = std::move(scripts.front());
            scripts.pop_front();
            script(dialog);
        }
        if (dialog.ContinueModal())
            dialog.EndDialog(IDCANCEL);
    }

    int messages = 0;
    std::deque<std::function<void(CDialog&)>> scripts;
};

std::vector<std::string> PropertyRows()
{
    ZnAppBukkenKanriTblDAO set;
    set.SetDBPath(Windows(std::string("obj/") + kRegister));
    return ReadRows(set, [](ZnAppBukkenKanriTblDAO& s) {
        return Line(s.m_BukkenIndex, s.m_Bukkenmei, s.m_Koushinbi, s.m_ChikiShiteiCode, s.m_ShinseiKubun,
                    s.m_HozonDirectory, s.m_Bikou);
    });
}

std::vector<std::string> DocumentRows()
{
    ZnAppBukkenShousaiTblDAO set;
    set.SetDBPath(Windows(std::string("obj/") + kRegister));
    return ReadRows(set, [](ZnAppBukkenShousaiTblDAO& s) {
        return Line(s.m_BukkenShousaiIndex, s.m_BukkenIndex, s.m_ShinseiShoruiName, s.m_ShinseiShubetuCode,
                    s.m_HeiganCode, s.m_ShinseiKaisuu, s.m_Koushinbi, s.m_UketukeBangou, s.m_ZadazezBangou,
                    s.m_GoukakuBangou, s.m_FileName, s.m_Bikou);
    });
}

// The name of the property of that index as the register gives it back, and its documents' files.
CString PropertyName(int bukkenIndex, std::set<std::string>& files)
{
    ZnAppBukkenKanriTblDAO properties;
    properties.SetDBPath(Windows(std::string("obj/") + kRegister));
    properties.Open(dbOpenDynaset, nullptr, 0);
    CString name;
    for (; !properties.IsEOF(); properties.MoveNext())
        if (properties.m_BukkenIndex == bukkenIndex)
            name = properties.m_Bukkenmei;
    properties.Close();
    ZnAppBukkenShousaiTblDAO documents;
    documents.SetDBPath(Windows(std::string("obj/") + kRegister));
    documents.Open(dbOpenDynaset, ZnAppBukkenShousaiTblDAO::GetSQLByBukkenIndex(bukkenIndex), 0);
    for (; !documents.IsEOF(); documents.MoveNext())
        files.insert(cp932::ToUtf8(documents.m_FileName.Bytes()));
    documents.Close();
    return name;
}

// Each entry below a folder of the work folder, with each file's bytes, except those below skip.
std::vector<std::string> Tree(const std::string& relative, const std::string& skip = "")
{
    std::vector<std::string> tree;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(Path(relative))) {
        std::string name = entry.path().lexically_relative(Path(relative)).string();
        if (!skip.empty() && (name == skip || name.rfind(skip + "/", 0) == 0))
            continue;
        std::string line = name + (entry.is_directory() ? "/" : "");
        if (entry.is_regular_file() && name != kRegister) {
            std::ifstream file(entry.path(), std::ios::binary);
            line += "=" + std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        }
        tree.push_back(line);
    }
    std::sort(tree.begin(), tree.end());
    return tree;
}

// The property-data folder anew: the register with one property and one document row, the
// property's folder with its document.
void MakePropertyDataFolder()
{
    std::filesystem::remove_all(Path("obj"));
    std::filesystem::create_directories(Path(std::string("obj/") + cp932::ToUtf8(kProperty)));
    std::filesystem::copy_file(Path(std::string("pristine/") + kRegister), Path(std::string("obj/") + kRegister));
    std::ofstream(Path(std::string("obj/") + cp932::ToUtf8(kProperty) + "/" + kDocument), std::ios::binary)
        << "a document";
}

// 7608 reads the floppy and, when 保存 is enabled, opens 7609, which saves into the
// property-data folder. The index of the property made, or -9999.
int Import(FuzzUi& ui)
{
    int made = -9999;
    ui.scripts.push_back([&](CDialog& contents) {
        UserInput::Click(contents, IDC_FI_BTN_READ);
        if (!contents.GetDlgItem(IDOK)->IsWindowEnabled())
            return;
        ui.scripts.push_back([&](CDialog& dialog) {
            auto& save = dynamic_cast<ZnDlgAppFDImportSave&>(dialog);
            save.SetDlgItemText(IDC_FS_EDIT_FOLDER, Windows("obj"));
            UserInput::Click(save, IDOK);
            if (!save.ContinueModal())
                made = save.m_nBukkenIndex;
        });
        UserInput::Click(contents, IDOK);
    });
    ZnDlgAppFDImport contents;
    contents.DoModal();
    return made;
}

void CheckImport(FuzzUi& ui)
{
    const std::vector<std::string> properties = PropertyRows();
    const std::vector<std::string> documents = DocumentRows();
    const std::vector<std::string> tree = Tree("obj");
    int made = Import(ui);
    std::vector<std::string> propertiesAfter = PropertyRows();
    std::vector<std::string> documentsAfter = DocumentRows();
    if (made == -9999) {
        Require(ui.messages > 0, "a floppy that gives no property is told");
        Require(properties == propertiesAfter && documents == documentsAfter,
                "a floppy that gives no property leaves the register's rows as they were");
        Require(tree == Tree("obj"), "a floppy that gives no property leaves the property-data folder as it was");
        return;
    }
    std::set<std::string> files;
    CString name = PropertyName(made, files);
    Require(IsPortableFileName(name), "the register gives back a name that Windows and the register can hold");
    std::string folder = cp932::ToUtf8(name.Bytes());
    Require(std::filesystem::is_directory(Path("obj/" + folder)), "the register's name names the property's folder");
    for (const auto& entry : std::filesystem::directory_iterator(Path("obj/" + folder))) {
        std::string file = entry.path().filename().string();
        bool bitmap = std::find(std::begin(kBitmaps), std::end(kBitmaps), file) != std::end(kBitmaps);
        Require(files.erase(file) == 1 || bitmap, "each file of the property is a document of its rows or a bitmap");
    }
    Require(files.empty(), "each document of the property's rows is a file of its folder");
    Require(std::includes(propertiesAfter.begin(), propertiesAfter.end(), properties.begin(), properties.end()) &&
                propertiesAfter.size() == properties.size() + 1,
            "the import adds one property row and keeps the others");
    std::sort(documentsAfter.begin(), documentsAfter.end());
    std::vector<std::string> sorted = documents;
    std::sort(sorted.begin(), sorted.end());
    Require(std::includes(documentsAfter.begin(), documentsAfter.end(), sorted.begin(), sorted.end()),
            "the import keeps the document rows that were there");
    Require(tree == Tree("obj", folder), "the import leaves the folders that were there as they were");
}

// The accepted floppy's information file of the same folder, when it has one.
void CheckAcceptedFloppy()
{
    ZnUketukeFile file;
    if (!file.Read(g_floppy))
        return;
    // Found as the program finds it, whatever the case of its names.
    std::ifstream text(WinPathToLinux(g_floppy + "\\Uketuke\\uke001.000"), std::ios::binary);
    size_t lines = 0;
    for (std::string line; std::getline(text, line);)
        ++lines;
    long long counted = ZnUketukeFile::RecordCount(file.m_nCode, file.m_counts);
    Require(static_cast<long long>(file.m_records.size()) <= std::max(0LL, counted),
            "no more records are read than the header counts");
    Require(file.m_records.size() < std::max<size_t>(lines, 1), "no more records are read than the file has lines");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    const char* temporary = std::getenv("TMPDIR");
    std::string pattern = std::string(temporary && *temporary ? temporary : "/tmp") + "/zn-fuzz-import-XXXXXX";
    Require(mkdtemp(&pattern[0]) != nullptr, "a work folder is made");
    g_folder = pattern;
    std::atexit(RemoveFolder);
    // Drive C: and the run log are the work folder.
    SetDriveFolder('C', g_folder);
    Require(chdir(g_folder.c_str()) == 0, "the working folder is the work folder");
    std::filesystem::create_directories(Path("app"));
    std::filesystem::create_directories(Path("pristine"));
    DaoCreateDatabase(Windows(std::string("app/") + kRegister), appBukkenSchema);
    DaoCreateDatabase(Windows(std::string("pristine/") + kRegister),
                      std::string(appBukkenSchema) +
                          u8"INSERT INTO AppBukkenKanriTbl VALUES (7, '北町の家', '2011-01-20 00:00:00', 2, 1, 'X', "
                          u8"NULL);\n"
                          u8"INSERT INTO AppBukkenShousaiTbl (BukkenShousaiIndex, BukkenIndex, ShinseiShoruiName, "
                          u8"ShinseiShubetuCode, FileName) VALUES (5, 7, '前の書類', 100001, 'Ka001.110');\n");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static FuzzFloppyFolder floppy;
    floppy.Write(data, size);
    g_floppy = CString(LinuxPathToWin(floppy.Path()));
    MakePropertyDataFolder();

    FuzzUi ui;
    UiHost* previous = UiHost::Install(&ui);
    {
        WriterShellState shell;
        shell.appFolder = Windows("app");
        shell.objFolder = Windows("obj");
        shell.outputFolder = g_floppy;
        CheckImport(ui);
        CheckAcceptedFloppy();
    }
    UiHost::Install(previous);
    return 0;
}
