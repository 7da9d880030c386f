#include "tests/support/ShellTestSupport.h"

#include "app/ZnDlgAppSelectObjDialog.h"
#include "platform/core/Cp932.h"
#include "platform/database/CDaoDatabase.h"
#include "platform/wnd/Afxwin.h"
#include "res/MainFrameIds.h"
#include "shell/ZnDirectoryDialog.h"
#include "storage/AppDatabaseSchemas.h"

using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;

namespace {

// Three properties stored out of index order; the list shows them by ascending index.
const char kThreeRows[] =
    u8"INSERT INTO AppBukkenKanriTbl VALUES (3, '北町の家', '2011-01-20 00:00:00', 13, 0, '', NULL);\n"
    u8"INSERT INTO AppBukkenKanriTbl VALUES (1, '南町の家', '2010-09-03 10:15:00', 13, 0, '', NULL);\n"
    u8"INSERT INTO AppBukkenKanriTbl VALUES (2, '東 町ビル', '2009-12-31 23:59:59', 27, 1, '', NULL);\n";
const char kOneRow[] =
    u8"INSERT INTO AppBukkenKanriTbl VALUES (7, '西町倉庫', '2008-02-29 00:00:00', 13, 0, '', NULL);\n";

// Each row as "name|date", UTF-8.
std::vector<std::string> Rows(CListCtrl& list)
{
    std::vector<std::string> rows;
    for (int i = 0; i < list.GetItemCount(); ++i)
        rows.push_back(cp932::ToUtf8(list.GetItemText(i, 0).Bytes()) + "|" +
                       cp932::ToUtf8(list.GetItemText(i, 1).Bytes()));
    return rows;
}

const std::vector<std::string> kThreeListed = {u8"南町の家|2010/9/3", u8"東 町ビル|2009/12/31", u8"北町の家|2011/1/20"};

// The register, reference-data and destination folders that the dialog shows, joined by "|".
CString Edits(CDialog& dialog)
{
    CString register_, common, destination;
    dialog.GetDlgItemText(IDC_SO_EDIT_BUKKEN, register_);
    dialog.GetDlgItemText(IDC_SO_EDIT_COM, common);
    dialog.GetDlgItemText(IDC_SO_EDIT_DST, destination);
    return register_ + "|" + common + "|" + destination;
}

// A click on a button of the dialog, as its window reports it.
void Press(CDialog& dialog, int id)
{
    CWnd* button = dialog.GetDlgItem(id);
    ASSERT_NE(nullptr, button) << "no button " << id;
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button->m_hWnd));
}

class SelectObj : public ShellTest {
protected:
    SelectObj() { MakeFolders({"obj", "com", "other", "empty", "bad"}); }

    void Register(const std::string& relative, const char* rows)
    {
        DaoCreateDatabase(Windows(relative), std::string(appBukkenSchema) + rows);
    }

    // Starts the program with its folders, the zip library's folder as the application folder,
    // and runs script inside the migration dialog, which the script must end.
    void StartWith(LPCTSTR dst, std::function<void(ZnDlgAppSelectObjDialog&)> script)
    {
        CString app(LinuxPathToWin(ZN_APP_DIR).c_str());
        StoreFolders(app, Windows("com"), Windows("obj"), dst, nullptr);
        Start([script](CDialog& dialog) {
            auto* select = dynamic_cast<ZnDlgAppSelectObjDialog*>(&dialog);
            ASSERT_NE(nullptr, select);
            script(*select);
        });
    }
};

} // namespace

TEST_F(SelectObj, ListsTheRegisterAndTakesTheChosenFoldersForTheRunOnly)
{
    Register("obj/APP_BUKKEN.mdb", kThreeRows);
    Register("other/APP_BUKKEN.mdb", kOneRow);
    WriteFileBytes(m_folder.Path("bad/APP_BUKKEN.mdb"), "not a database at all");
    std::string hive;
    StartWith(Windows("dst"), [&](ZnDlgAppSelectObjDialog& dialog) {
        hive = ReadFileBytes(m_registry.MachineHive());
        const CString shown = Windows("obj") + "|" + Windows("com") + "|" + Windows("dst");
        EXPECT_EQ(shown, Edits(dialog));
        ASSERT_EQ(2, dialog.m_list.GetColumnCount());
        EXPECT_EQ("物件名", dialog.m_list.GetColumnHeading(0));
        EXPECT_EQ("作成日", dialog.m_list.GetColumnHeading(1));
        EXPECT_EQ(80, dialog.m_list.GetColumnWidth(1));
        EXPECT_EQ(kThreeListed, Rows(dialog.m_list));
        EXPECT_EQ(-1, dialog.GetSelectedIndex());
        EXPECT_EQ("", dialog.GetSelectedBukkenName());
        dialog.m_list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
        EXPECT_EQ(1, dialog.GetSelectedIndex());
        EXPECT_EQ("東 町ビル", dialog.GetSelectedBukkenName());

        // A cancelled picker changes nothing.
        for (int button : {IDC_SO_BTN_BUKKEN, IDC_SO_BTN_COM, IDC_SO_BTN_DST}) {
            m_ui.AnswerFolder(std::nullopt);
            Press(dialog, button);
        }
        EXPECT_EQ(shown, Edits(dialog));
        EXPECT_EQ(kThreeListed, Rows(dialog.m_list));

        // Another register refills the list and becomes the run's register folder.
        m_ui.AnswerFolder(Windows("other"));
        Press(dialog, IDC_SO_BTN_BUKKEN);
        EXPECT_EQ(Windows("other"), dialog.GetBukkenFolderText());
        EXPECT_EQ((std::vector<std::string>{u8"西町倉庫|2008/2/29"}), Rows(dialog.m_list));
        EXPECT_EQ(Windows("other"), m_app.GetObjFolder());

        // A folder without a register empties the list and is not taken.
        m_ui.AnswerFolder(Windows("empty"));
        Press(dialog, IDC_SO_BTN_BUKKEN);
        EXPECT_EQ(Windows("empty"), dialog.GetBukkenFolderText());
        EXPECT_EQ(0, dialog.m_list.GetItemCount());
        EXPECT_EQ(Windows("other"), m_app.GetObjFolder());
        // A register that cannot be opened is reported; the handler ends there, the folder not taken.
        m_ui.AnswerFolder(Windows("bad"));
        Press(dialog, IDC_SO_BTN_BUKKEN);
        EXPECT_EQ(0, dialog.m_list.GetItemCount());
        EXPECT_EQ(Windows("other"), m_app.GetObjFolder());

        m_ui.AnswerFolder(Windows("common2"));
        Press(dialog, IDC_SO_BTN_COM);
        m_ui.AnswerFolder(Windows("dst2"));
        Press(dialog, IDC_SO_BTN_DST);
        EXPECT_EQ(Windows("bad") + "|" + Windows("common2") + "|" + Windows("dst2"), Edits(dialog));
        EXPECT_EQ(Windows("common2") + "|" + Windows("dst2"), m_app.GetComFolder() + "|" + m_app.GetDstFolder());
        // Every picker was owned by the dialog, rooted at My Computer, file-system folders only.
        ASSERT_EQ(8u, m_ui.folderRequests.size());
        for (const ScriptedUi::FolderRequest& request : m_ui.folderRequests) {
            EXPECT_EQ(dialog.m_hWnd, request.owner);
            EXPECT_EQ(CSIDL_DRIVES, request.rootFolder);
            EXPECT_EQ(static_cast<UINT>(BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT), request.flags);
            EXPECT_EQ("", request.title);
            EXPECT_EQ("", request.initialSelection);
        }
        Press(dialog, IDCANCEL);
    });
    EXPECT_TRUE(m_ui.messageBoxes.empty());
    EXPECT_EQ(std::vector<std::string>{u8"データベースの形式 '" + cp932::ToUtf8(Windows("bad/APP_BUKKEN.mdb").Bytes()) +
                                       u8"' を認識できません。"},
              m_ui.registerReports);
    // Closing ended the program's dialog; nothing went back to the registry.
    EXPECT_EQ(hive, ReadFileBytes(m_registry.MachineHive()));
}

TEST_F(SelectObj, TheMigrationButtonNeedsTheZipLibraryAndThenADestination)
{
    Register("obj/APP_BUKKEN.mdb", kThreeRows);
    StartWith(nullptr, [&](ZnDlgAppSelectObjDialog& dialog) {
        // With no destination: told so, after the library has loaded.
        m_ui.AnswerMessageBox(IDOK);
        Press(dialog, IDC_SO_BTN_IKOU);
        ASSERT_EQ(1u, m_ui.messageBoxes.size());
        EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), m_ui.messageBoxes[0].type & MB_ICONMASK);

        // With a destination the checks pass and the exports run (PropertyExportEndToEndTest).
        m_ui.AnswerFolder(Windows("dst"));
        Press(dialog, IDC_SO_BTN_DST);

        // Without the zip library in the application folder nothing else is looked at.
        m_app.SetDstFolder("");
        ShellTest::StoreFolders(Windows("com"), nullptr, nullptr, nullptr, nullptr);
        m_ui.AnswerMessageBox(IDOK);
        Press(dialog, IDC_SO_BTN_IKOU);
        ASSERT_EQ(2u, m_ui.messageBoxes.size());
        EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), m_ui.messageBoxes[1].type & MB_ICONMASK);
        Press(dialog, IDCANCEL);
    });
    EXPECT_EQ((std::vector<std::string>{u8"保存先フォルダを選択してください。", u8"LoadZipLibraryでエラー発生。"}),
              MessageTexts());
}

TEST_F(SelectObj, TheFolderPickerGivesTheChosenPathOrKeepsTheOldOne)
{
    ZnDirectoryDialog picker(nullptr);
    picker.m_strStartDir = "C:\\物件";
    picker.m_strTitle = "フォルダ";
    m_ui.AnswerFolder(CString("D:\\"));
    EXPECT_EQ(IDOK, picker.DoModal());
    m_ui.AnswerFolder(std::nullopt);
    EXPECT_EQ(IDCANCEL, picker.DoModal());
    EXPECT_EQ("D:\\", picker.m_strPath);

    ASSERT_EQ(2u, m_ui.folderRequests.size());
    const ScriptedUi::FolderRequest& request = m_ui.folderRequests[0];
    EXPECT_EQ(nullptr, request.owner);
    EXPECT_EQ("C:\\物件|フォルダ|D:\\", request.initialSelection + "|" + request.title + "|" + request.statusText);
}
