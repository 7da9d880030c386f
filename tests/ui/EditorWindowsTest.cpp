// The applicant and owner editors in real windows, used as a new user would: 新規, a row typed,
// a prefecture chosen, 登録, all through wx; the list shows the row and the table holds it. A
// window of the test stands in for the editor's view, as this build shows no main frame.
#include "tests/support/TempFolder.h"
#include "tests/support/TestShellState.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/UiTestResources.h"
#include "tests/ui/UiTestSupport.h"

#include "editors/ZnDlgAppCMKenchikunushi.h"
#include "editors/ZnDlgAppCMShinseisha.h"
#include "platform/database/AfxDao.h"
#include "platform/database/DaoConnection.h"
#include "platform/files/WinPath.h"
#include "platform/wnd/CWinApp.h"
#include "res/CommonDataIds.h"
#include "storage/AppDatabaseSchemas.h"

#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/listctrl.h>
#include <wx/textctrl.h>

namespace {

class EditorWindows : public ::testing::Test {
protected:
    EditorWindows()
    {
        for (const char* name : {"app", "com"})
            mkdir(m_folder.Path(name).c_str(), 0777);
        DaoCreateDatabase(Windows("com/APP_USER_REGIST.mdb"),
                          appUserRegistSchema +
                              testsupport::ReadFileBytes(testsupport::DataPath("editors/AppUserRegistRows.sql")));
        DaoCreateDatabase(Windows("app/COM_CHIIKI.mdb"),
                          comChiikiSchema +
                              testsupport::ReadFileBytes(testsupport::DataPath("editors/ComChiikiRows.sql")));
        m_shell.appFolder = Windows("app");
        m_shell.comFolder = Windows("com");
        m_app.SetDialogBkColor(RGB(231, 236, 249));
    }

    CString Windows(const std::string& relative) const { return CString(LinuxPathToWin(m_folder.Path(relative))); }

    // Shows the editor in its host at (10, 0), runs the person's steps on the host's wx window,
    // keeps a screenshot of it, and closes both.
    void Show(CDialog& editor, UINT idd, const std::string& shotName, const std::function<void(wxWindow&)>& steps)
    {
        CDialog host;
        ASSERT_TRUE(host.Create(IDD_EDITOR_HOST, nullptr));
        host.ShowWindow(SW_SHOW);
        ASSERT_TRUE(editor.Create(idd, &host));
        editor.SetWindowPos(nullptr, 10, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        editor.ShowWindow(SW_SHOW);
        wxWindow* peer = uitest::Host().PeerWindow(host);
        ASSERT_NE(nullptr, peer);
        ASSERT_TRUE(uitest::PumpUntil([&] { return peer->IsShownOnScreen(); }));
        steps(*peer);
        uitest::PumpUntil([] { return false; }, 20);
        peer->Update();
        wxSize size = peer->GetClientSize();
        wxBitmap bitmap(size);
        {
            wxClientDC screen(peer);
            wxMemoryDC copy(bitmap);
            copy.Blit(0, 0, size.x, size.y, &screen, 0, 0);
        }
        EXPECT_TRUE(bitmap.ConvertToImage().SaveFile(uitest::ArtefactPath(shotName), wxBITMAP_TYPE_PNG));
        editor.DestroyWindow();
        host.DestroyWindow();
        EXPECT_EQ(0u, uitest::SettleWindows());
    }

    // A person types into a field of the shown editor.
    static void TypeInto(wxWindow& peer, int id, const char* utf8)
    {
        wxTextCtrl* field = uitest::Control<wxTextCtrl>(peer, id);
        ASSERT_NE(nullptr, field);
        ASSERT_TRUE(field->IsEnabled());
        field->SetValue(wxString::FromUTF8(utf8));
    }

    // Whether the list of the shown editor has a row that reads text.
    static bool Lists(wxWindow& peer, const char* utf8)
    {
        wxListCtrl* list = uitest::Control<wxListCtrl>(peer, IDC_CD_LIST);
        return uitest::PumpUntil([&] { return list && list->FindItem(-1, wxString::FromUTF8(utf8)) >= 0; });
    }

    // The rows of a table that SQL reads, each as its values joined by "|".
    std::vector<std::string> Rows(const std::string& sql) const
    {
        auto connection = DaoConnection::OpenFile(Windows("com/APP_USER_REGIST.mdb"), true);
        std::vector<std::string> rows;
        for (const auto& row : connection->Query(sql).rows) {
            std::string line;
            for (const DaoValue& value : row)
                line += (line.empty() ? "" : "|") +
                        (value.kind == DaoValue::Integer ? std::to_string(value.integer) : value.bytes);
            rows.push_back(line);
        }
        return rows;
    }

    testsupport::TempFolder m_folder;
    testsupport::TestShellState m_shell;
    CWinApp m_app{"テスト"};
};

} // namespace

TEST_F(EditorWindows, ANewApplicantIsTypedStoredAndListed)
{
    ZnDlgAppCMShinseisha editor;
    Show(editor, IDD_CM_SHINSEISHA, "ApplicantEditor.png", [&](wxWindow& peer) {
        uitest::Click(uitest::Control<wxButton>(peer, IDC_CD_NEW));
        TypeInto(peer, IDC_CD_SHIMEI, u8"田中一郎");
        TypeInto(peer, IDC_CD_FURIGANA, u8"ﾀﾅｶ ｲﾁﾛｳ");
        uitest::Click(uitest::Control<wxButton>(peer, IDC_CD_REGISTER));
        EXPECT_TRUE(Lists(peer, u8"田中一郎"));
        EXPECT_FALSE(uitest::Control<wxTextCtrl>(peer, IDC_CD_SHIMEI)->IsEnabled());
    });
    EXPECT_EQ(std::vector<std::string>{u8"田中一郎|ﾀﾅｶ ｲﾁﾛｳ"},
              Rows("SELECT Shimei, Furigana FROM AppShinseishaTbl WHERE Hyoujijun IS NULL"));
}

TEST_F(EditorWindows, ANewOwnerWithAPrefectureIsTypedStoredAndListed)
{
    ZnDlgAppCMKenchikunushi editor;
    Show(editor, IDD_CM_KENCHIKUNUSHI, "OwnerEditor.png", [&](wxWindow& peer) {
        uitest::Click(uitest::Control<wxButton>(peer, IDC_CD_NEW));
        TypeInto(peer, IDC_CD_SHIMEI, u8"株式会社山本工務店");
        TypeInto(peer, IDC_CD_FURIGANA, u8"ﾔﾏﾓﾄｺｳﾑﾃﾝ");
        TypeInto(peer, IDC_CD_YUUBIN1, "530");
        TypeInto(peer, IDC_CD_YUUBIN2, "0001");
        // The fifth prefecture after the blank entry: 大阪府, whose name fills the empty address.
        wxWindow* prefecture = peer.FindWindow(WxIds::ToWx(IDC_CD_TODOUFUKEN));
        ASSERT_NE(nullptr, prefecture);
        uitest::Pick(prefecture, 5);
        EXPECT_EQ(wxString::FromUTF8(u8"大阪府"), uitest::Control<wxTextCtrl>(peer, IDC_CD_JUUSHO)->GetValue());
        TypeInto(peer, IDC_CD_JUUSHO, u8"大阪府大阪市北区梅田3-3");
        TypeInto(peer, IDC_CD_DENWA1, "06");
        TypeInto(peer, IDC_CD_DENWA2, "1234");
        TypeInto(peer, IDC_CD_DENWA3, "5678");
        uitest::Click(uitest::Control<wxButton>(peer, IDC_CD_REGISTER));
        EXPECT_TRUE(Lists(peer, u8"株式会社山本工務店"));
    });
    EXPECT_EQ(
        std::vector<std::string>{u8"株式会社山本工務店|ﾔﾏﾓﾄｺｳﾑﾃﾝ|530|0001|27|大阪府大阪市北区梅田3-3|06|1234|5678"},
        Rows("SELECT Shimei, Furigana, YuubinBangou1, YuubinBangou2, TodoufukenmeiBangou, Juusho, DenwaBangou1, "
             "DenwaBangou2, DenwaBangou3 FROM AppKenchikunushiTbl WHERE Houjijun IS NULL"));
}
