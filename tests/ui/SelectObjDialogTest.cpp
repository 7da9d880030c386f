#include "tests/support/TempFolder.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/UiTestSupport.h"

#include "app/CMainFrame.h"
#include "app/CZnAppProApp.h"
#include "platform/core/Cp932.h"
#include "platform/database/CDaoDatabase.h"
#include "platform/files/WinPath.h"
#include "platform/wnd/Afxwin.h"
#include "res/MainFrameIds.h"
#include "storage/AppDatabaseSchemas.h"
#include "storage/ZnAppRegObject.h"
#include "storage/ZnRegKey.h"

#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/textctrl.h>

using testsupport::TempFolder;
using testsupport::TempRegistry;

namespace {

// The wx host with its folder picker answered by the test.
class FolderAnsweringHost : public WxUiHost {
public:
    FolderAnsweringHost() : m_previous(UiHost::Install(this)) {}
    ~FolderAnsweringHost() override { UiHost::Install(m_previous); }

    std::optional<std::string> answer; // a Linux path, or none for a cancelled picker
    int asked = 0;

protected:
    std::optional<std::string> ChooseFolder(wxWindow*, const wxString&, const std::string&) override
    {
        ++asked;
        return answer;
    }

private:
    UiHost* m_previous;
};

// The program's start-up in a work folder and a registry of its own, on the display, with the
// migration dialog shown and driven by the test through its wx controls.
class SelectObjOnDisplay : public ::testing::Test {
protected:
    SelectObjOnDisplay()
    {
        for (const char* folder : {"obj", "com", "dst", "other", "empty"})
            mkdir(m_folder.Path(folder).c_str(), 0777);
        m_oldFolder = getcwd(nullptr, 0);
        if (chdir(m_folder.Path().c_str()) != 0)
            ADD_FAILURE() << "cannot enter " << m_folder.Path();
        ZnRegKey key;
        EXPECT_EQ(ERROR_SUCCESS, key.Create(HKEY_LOCAL_MACHINE, CString("SOFTWARE\\") + kAppPosSubKey));
        key.SetValue(Windows(""), "ZnApp");
        key.SetValue(Windows("com"), "ZnCom");
        key.SetValue(Windows("obj"), "ZnObj");
        key.SetValue(Windows("dst"), "ZnDst");
    }
    ~SelectObjOnDisplay() override
    {
        if (m_app.m_pMainWnd)
            m_app.m_pMainWnd->DestroyWindow();
        uitest::SettleWindows();
        if (chdir(m_oldFolder) != 0)
            ADD_FAILURE() << "cannot return to " << m_oldFolder;
        free(m_oldFolder);
    }

    CString Windows(const std::string& relative) const
    {
        return CString(LinuxPathToWin(m_folder.Path(relative)).c_str());
    }

    void Register(const std::string& relative, const char* rows)
    {
        DaoCreateDatabase(Windows(relative), std::string(appBukkenSchema) + rows);
    }

    // Starts the program; script runs in the shown migration dialog and must close it.
    void Start(std::function<void(wxDialog&)> script)
    {
        uitest::WhenModal(std::move(script));
        char program[] = "zadazez";
        char* argv[] = {program};
        m_app.SetCommandLine(1, argv);
        EXPECT_FALSE(m_app.InitInstance());
    }

    TempRegistry m_registry;
    TempFolder m_folder;
    FolderAnsweringHost m_host;
    CZnAppProApp m_app;

private:
    char* m_oldFolder = nullptr;
};

// The list as shown: each row as "name|date", UTF-8.
std::vector<std::string> Rows(wxDialog& dialog)
{
    wxListCtrl* list = uitest::Control<wxListCtrl>(dialog, IDC_SO_LIST);
    std::vector<std::string> rows;
    if (!list)
        return rows;
    for (long i = 0; i < list->GetItemCount(); ++i)
        rows.push_back(std::string(list->GetItemText(i, 0).utf8_str()) + "|" +
                       std::string(list->GetItemText(i, 1).utf8_str()));
    return rows;
}

// The rows once the display shows the expected ones (the peer mirrors the list when its events
// are handled), or as they are when it does not within the pump's bound.
std::vector<std::string> RowsWhenShown(wxDialog& dialog, const std::vector<std::string>& expected)
{
    uitest::PumpUntil([&] { return Rows(dialog) == expected; });
    return Rows(dialog);
}

std::string EditText(wxDialog& dialog, int id)
{
    wxTextCtrl* edit = uitest::Control<wxTextCtrl>(dialog, id);
    return edit ? std::string(edit->GetValue().utf8_str()) : "(no edit)";
}

std::string Utf8(const CString& text) { return cp932::ToUtf8(text.Bytes()); }

} // namespace

TEST_F(SelectObjOnDisplay, ListsTheRegisterInIndexOrderAndRefillsItFromThePickedFolder)
{
    Register("obj/APP_BUKKEN.mdb",
             u8"INSERT INTO AppBukkenKanriTbl VALUES (3, '北町の家', '2011-01-20 00:00:00', 13, 0, '', NULL);\n"
             u8"INSERT INTO AppBukkenKanriTbl VALUES (1, '南町の家', '2010-09-03 10:15:00', 13, 0, '', NULL);\n"
             u8"INSERT INTO AppBukkenKanriTbl VALUES (2, '東 町ビル', '2009-12-31 23:59:59', 27, 1, '', NULL);\n");
    Register("other/APP_BUKKEN.mdb",
             u8"INSERT INTO AppBukkenKanriTbl VALUES (7, '西町倉庫', '2008-02-29 00:00:00', 13, 0, '', NULL);\n");
    const std::vector<std::string> three = {u8"南町の家|2010/9/3", u8"東 町ビル|2009/12/31", u8"北町の家|2011/1/20"};
    const std::vector<std::string> one = {u8"西町倉庫|2008/2/29"};
    std::vector<std::string> shown, cancelled, refilled, emptied;
    std::string bukkenEdit, comEdit, dstEdit;
    const std::string settings = testsupport::ReadFileBytes(m_registry.MachineHive());
    Start([&](wxDialog& dialog) {
        ASSERT_TRUE(uitest::PumpUntil([&] { return dialog.IsShownOnScreen(); }));
        shown = RowsWhenShown(dialog, three);
        // A cancelled picker changes nothing.
        m_host.answer.reset();
        uitest::Click(uitest::Control<wxButton>(dialog, IDC_SO_BTN_BUKKEN));
        cancelled = RowsWhenShown(dialog, three);
        // Another register folder refills the list; a folder without a register empties it.
        m_host.answer = m_folder.Path("other");
        uitest::Click(uitest::Control<wxButton>(dialog, IDC_SO_BTN_BUKKEN));
        refilled = RowsWhenShown(dialog, one);
        bukkenEdit = EditText(dialog, IDC_SO_EDIT_BUKKEN);
        m_host.answer = m_folder.Path("empty");
        uitest::Click(uitest::Control<wxButton>(dialog, IDC_SO_BTN_BUKKEN));
        emptied = RowsWhenShown(dialog, {});
        // The reference-data and destination buttons set their folders.
        m_host.answer = m_folder.Path("other");
        uitest::Click(uitest::Control<wxButton>(dialog, IDC_SO_BTN_COM));
        comEdit = EditText(dialog, IDC_SO_EDIT_COM);
        m_host.answer = m_folder.Path("empty");
        uitest::Click(uitest::Control<wxButton>(dialog, IDC_SO_BTN_DST));
        dstEdit = EditText(dialog, IDC_SO_EDIT_DST);
        // The close button ends the dialog.
        uitest::Click(uitest::Control<wxButton>(dialog, IDCANCEL));
    });
    EXPECT_EQ(three, shown);
    EXPECT_EQ(three, cancelled);
    EXPECT_EQ(one, refilled);
    EXPECT_EQ(Utf8(Windows("other")), bukkenEdit);
    EXPECT_EQ(std::vector<std::string>{}, emptied);
    EXPECT_EQ(Utf8(Windows("other")), comEdit);
    EXPECT_EQ(Utf8(Windows("empty")), dstEdit);
    EXPECT_EQ(5, m_host.asked);
    // The folders hold for the run: the register folder only where a register was found.
    EXPECT_EQ(Windows("other"), m_app.GetObjFolder());
    EXPECT_EQ(Windows("other"), m_app.GetComFolder());
    EXPECT_EQ(Windows("empty"), m_app.GetDstFolder());
    // ...and are never written to the settings.
    EXPECT_EQ(settings, testsupport::ReadFileBytes(m_registry.MachineHive()));
}
