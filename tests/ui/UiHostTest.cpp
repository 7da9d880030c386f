// The wx host on the display: the windows it gives shown dialogs, the wait cursor of long work,
// and the native pickers, answered by the test.
#include "tests/support/TempFolder.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/FolderBrowse.h"
#include "tests/ui/UiTestResources.h"
#include "tests/ui/UiTestSupport.h"

#include "platform/files/WinPath.h"
#include "platform/wnd/Afxwin.h"

#include <tuple>
#include <wx/stattext.h>

namespace {

using uitest::RectOf;

wxString LabelOf(wxWindow* window) { return window ? window->GetLabel() : "(none)"; }

wxString Utf8(const char* text) { return wxString::FromUTF8(text); }

TEST(WxUiHostWindows, OnlyShownDialogsGetWindowsWhichFollowTheirObjectsAndGoWithThem)
{
    CWinApp app("テスト");
    CFrameWnd* frame = new CFrameWnd;
    ASSERT_TRUE(frame->Create(nullptr, "main"));
    CDialog notice;
    ASSERT_TRUE(notice.Create(IDD_NOTICE, frame));
    // The hidden frame and the dialog not shown yet have no windows.
    EXPECT_EQ(nullptr, uitest::Host().PeerWindow(*frame));
    EXPECT_EQ(0u, uitest::Host().PeerCount());

    notice.ShowWindow(SW_SHOW);
    wxWindow* shown = uitest::Host().PeerWindow(notice);
    ASSERT_NE(nullptr, shown);
    EXPECT_TRUE(shown->IsShown());
    EXPECT_EQ(3u, uitest::Host().PeerCount());
    EXPECT_EQ(Utf8(u8"お知らせ"), static_cast<wxTopLevelWindow*>(shown)->GetTitle());

    notice.SetDlgItemText(IDC_NOTICE_TEXT, "物件データを書き出しています。");
    EXPECT_EQ(Utf8(u8"物件データを書き出しています。"),
              LabelOf(uitest::Control<wxStaticText>(*shown, IDC_NOTICE_TEXT)));
    notice.GetDlgItem(IDCANCEL)->EnableWindow(FALSE);
    EXPECT_FALSE(uitest::Control<wxButton>(*shown, IDCANCEL)->IsEnabled());

    // A control made in the live dialog gets its window at its place; it goes with its object.
    CButton extra;
    ASSERT_TRUE(extra.Create("中止", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(5, 40, 65, 62), &notice, 1300));
    EXPECT_EQ(Utf8(u8"中止"), LabelOf(uitest::Control<wxButton>(*shown, 1300)));
    EXPECT_EQ(wxRect(5, 40, 60, 22), RectOf(uitest::Control<wxButton>(*shown, 1300)));
    extra.DestroyWindow();
    uitest::SettleWindows();
    EXPECT_EQ(nullptr, uitest::Control<wxButton>(*shown, 1300));

    // A list box made in the live dialog shows its items once wx is idle; a click selects.
    CListBox kinds;
    ASSERT_TRUE(kinds.Create(WS_CHILD | WS_VISIBLE | LBS_NOTIFY, CRect(70, 40, 170, 100), &notice, 1301));
    for (const char* kind : {"確認", "計画変更", "中間検査"})
        kinds.AddString(kind);
    wxListBox* kindList = uitest::Control<wxListBox>(*shown, 1301);
    ASSERT_NE(nullptr, kindList);
    ASSERT_TRUE(uitest::PumpUntil([&] { return kindList->GetCount() == 3; }));
    EXPECT_EQ(Utf8(u8"計画変更"), kindList->GetString(1));
    uitest::Pick(kindList, 1);
    EXPECT_EQ(1, kinds.GetCurSel());
    kinds.SetCurSel(2);
    EXPECT_TRUE(uitest::PumpUntil([&] { return kindList->GetSelection() == 2; }));

    // Without a system menu the dialog has no close box: closing it does nothing.
    EXPECT_FALSE(shown->Close());
    EXPECT_NE(nullptr, notice.m_hWnd);

    notice.ShowWindow(SW_HIDE);
    EXPECT_FALSE(shown->IsShown());
    notice.DestroyWindow();
    EXPECT_EQ(0u, uitest::Host().PeerCount());
    EXPECT_EQ(0u, uitest::SettleWindows());
    frame->DestroyWindow();
}

// While long work runs, a shown dialog's line is painted at once and the wait cursor shows, but
// not over a message box, which waits for an answer.
TEST(WxUiHostWindows, LongWorkShowsTheWaitCursorAndRepaintsALineAtOnce)
{
    CWinApp app("テスト");
    CDialog notice;
    ASSERT_TRUE(notice.Create(IDD_NOTICE, nullptr));
    notice.ShowWindow(SW_SHOW);
    wxWindow* shown = uitest::Host().PeerWindow(notice);
    ASSERT_NE(nullptr, shown);
    {
        CWaitCursor wait;
        EXPECT_TRUE(wxIsBusy());
        CWnd* line = notice.GetDlgItem(IDC_NOTICE_TEXT);
        line->SetWindowText("物件データを作成しています。　1 / 3");
        line->UpdateWindow();
        EXPECT_EQ(Utf8(u8"物件データを作成しています。　1 / 3"),
                  LabelOf(uitest::Control<wxStaticText>(*shown, IDC_NOTICE_TEXT)));
        uitest::WhenModal([&](wxDialog& box) {
            EXPECT_FALSE(wxIsBusy());
            uitest::Click(box.FindWindow(wxID_OK));
        });
        EXPECT_EQ(IDOK, AfxMessageBox("一部のデータを出力できませんでした。", MB_ICONSTOP));
        EXPECT_TRUE(wxIsBusy());
    }
    EXPECT_FALSE(wxIsBusy());
    notice.DestroyWindow();
    EXPECT_EQ(0u, uitest::SettleWindows());
}

// The wx host with its native dialogs answered by the test, which reads what they were asked.
class AnsweringHost : public WxUiHost {
public:
    AnsweringHost() : m_previous(UiHost::Install(this)) {}
    ~AnsweringHost() override { UiHost::Install(m_previous); }

    std::optional<std::string> folderAnswer, fileAnswer;
    std::optional<PrinterChoice> printerAnswer;
    std::vector<std::pair<wxString, std::string>> folderRequests; // title, start folder
    std::vector<FileChoice> fileRequests;
    std::vector<PrinterChoice> printerRequests;
    std::vector<std::string> opened;

protected:
    std::optional<std::string> ChooseFolder(wxWindow*, const wxString& title, const std::string& start) override
    {
        folderRequests.emplace_back(title, start);
        return folderAnswer;
    }
    std::optional<std::string> ChooseFile(wxWindow*, const FileChoice& choice) override
    {
        fileRequests.push_back(choice);
        return fileAnswer;
    }
    bool ChoosePrinter(wxWindow*, PrinterChoice& choice) override
    {
        printerRequests.push_back(choice);
        choice = printerAnswer.value_or(choice);
        return printerAnswer.has_value();
    }
    bool LaunchOpener(const std::string& linuxPath) override
    {
        opened.push_back(linuxPath);
        return true;
    }

private:
    UiHost* m_previous;
};

using uitest::BrowseFrom;
using uitest::heardSelection;

// The native pickers, answered by the test, get Linux paths and give Windows paths in CP932.
TEST(WxUiHostPickers, AskTheHostAndGiveWindowsPathsInCp932)
{
    AnsweringHost host;
    heardSelection.Empty();
    host.folderAnswer = u8"/tmp/移行先";
    EXPECT_EQ(std::make_pair(CString("C:\\tmp\\移行先"), CString("移行先")), BrowseFrom("C:\\物件\\データ"));
    EXPECT_EQ(CString("C:\\tmp\\移行先"), heardSelection);

    // A drive root keeps its separator; a cancelled browser gives nothing.
    host.folderAnswer = "/";
    EXPECT_EQ(CString("C:\\"), BrowseFrom("").first);
    host.folderAnswer.reset();
    EXPECT_EQ(CString(), BrowseFrom("").first);

    ASSERT_EQ(3u, host.folderRequests.size());
    EXPECT_EQ(wxString::FromUTF8(u8"フォルダの参照"), host.folderRequests[0].first);
    EXPECT_EQ(std::string(u8"/物件/データ"), host.folderRequests[0].second);
    // With nothing to select, the browser opens at My Computer's stand-in, the folder of C:.
    EXPECT_EQ(std::string("/"), host.folderRequests[1].second);

    host.fileAnswer = u8"/tmp/様式/確認申請";
    CFileDialog open(TRUE, "kpd", nullptr, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY,
                     "レイアウト (*.kpd)|*.kpd|すべてのファイル (*.*)|*.*||");
    ASSERT_EQ(IDOK, open.DoModal());
    EXPECT_EQ(CString("C:\\tmp\\様式\\確認申請.kpd"), open.GetPathName());

    host.fileAnswer = "/tmp/out.txt";
    CFileDialog save(FALSE, "txt", "結果.txt");
    save.m_ofn.lpstrInitialDir = "C:\\tmp";
    save.m_ofn.lpstrTitle = "書き出し先";
    ASSERT_EQ(IDOK, save.DoModal());
    EXPECT_EQ(CString("C:\\tmp\\out.txt"), save.GetPathName());
    host.fileAnswer.reset();
    EXPECT_EQ(IDCANCEL, save.DoModal());

    // Open or save, title, folder, file name, wildcard, must exist, overwrite prompt.
    std::vector<std::string> requests;
    for (const AnsweringHost::FileChoice& r : host.fileRequests)
        requests.push_back(std::to_string(r.open) + "|" + r.title.utf8_string() + "|" + r.folder + "|" +
                           r.fileName.utf8_string() + "|" + r.wildcard.utf8_string() + "|" +
                           std::to_string(r.mustExist) + std::to_string(r.overwritePrompt));
    EXPECT_EQ((std::vector<std::string>{u8"1|ファイルを開く|||レイアウト (*.kpd)|*.[kK][pP][dD]|すべてのファイル (*.*)|*|10",
                                        u8"0|書き出し先|/tmp|結果.txt||01", u8"0|書き出し先|/tmp|結果.txt||01"}),
              requests);

    CPrintDialog dialog(FALSE);
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    host.printerAnswer = AnsweringHost::PrinterChoice{wxString::FromUTF8(u8"事務所のプリンタ"), 2, 1, 1};
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(std::make_pair(CString("事務所のプリンタ"), 2),
              std::make_pair(dialog.GetDeviceName(), dialog.GetCopies()));
    ASSERT_EQ(2u, host.printerRequests.size());
    const AnsweringHost::PrinterChoice& asked = host.printerRequests[0];
    EXPECT_EQ((std::vector<int>{1, 1, 0xFFFF}), (std::vector<int>{asked.copies, asked.minPage, asked.maxPage}));

    testsupport::TempFolder folder;
    testsupport::WriteFileBytes(folder.Path("App.htm"), "<html></html>");
    CString windowsFolder(LinuxPathToWin(folder.Path()));

    // Opened (42), relative to a folder, a missing file (SE_ERR_FNF), a verb other than "open" (SE_ERR_NOASSOC).
    for (auto [verb, file, folder, result] : {std::tuple{"open", windowsFolder + "\\App.htm", CString(), 42},
                                              std::tuple{"", CString("App.htm"), windowsFolder, 42},
                                              std::tuple{"open", windowsFolder + "\\Nothing.htm", CString(), 2},
                                              std::tuple{"print", windowsFolder + "\\App.htm", CString(), 31}})
        EXPECT_EQ(result,
                  reinterpret_cast<INT_PTR>(ShellExecute(nullptr, *verb ? verb : nullptr, file, nullptr,
                                                         folder.IsEmpty() ? nullptr : LPCTSTR(folder), SW_SHOW)))
            << file.Bytes();

    EXPECT_EQ(std::vector<std::string>(2, folder.Path("App.htm")), host.opened);

    uitest::Host().SetClipboardText("申請者：山田");
    EXPECT_EQ(CString("申請者：山田"), uitest::Host().GetClipboardText());
}

} // namespace
