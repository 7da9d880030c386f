#include "tests/support/TempFolder.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/UiTestSupport.h"

#include "platform/files/WinPath.h"
#include "platform/ui/WxText.h"
#include "platform/wnd/Afxwin.h"

#include <fstream>

namespace {

// The wx host with its native dialogs answered by the test, which reads what they were asked.
class AnsweringHost : public WxUiHost {
public:
    AnsweringHost() : m_previous(UiHost::Install(this)) {}
    ~AnsweringHost() override { UiHost::Install(m_previous); }

    std::optional<std::string> folderAnswer;
    std::optional<std::string> fileAnswer;
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
        if (printerAnswer)
            choice = *printerAnswer;
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

CString heardSelection;

// The system's folder chooser: rooted at My Computer, the start folder selected, each selection shown.
int CALLBACK BrowseCallback(HWND hwnd, UINT uMsg, LPARAM lParam, LPARAM lpData)
{
    if (uMsg == BFFM_INITIALIZED) {
        ::SendMessage(hwnd, BFFM_SETSELECTION, TRUE, lpData);
    } else if (uMsg == BFFM_SELCHANGED) {
        char path[MAX_PATH];
        if (SHGetPathFromIDList(reinterpret_cast<LPITEMIDLIST>(lParam), path))
            heardSelection = path;
    }
    return 0;
}

// The chosen folder as the shell gives it, with its display name; empty when cancelled.
std::pair<CString, CString> BrowseFrom(LPCTSTR start)
{
    LPITEMIDLIST root = nullptr;
    EXPECT_EQ(S_OK, SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &root));
    char display[MAX_PATH] = "";
    BROWSEINFO info{nullptr, root, display, nullptr, BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT, BrowseCallback,
                    reinterpret_cast<LPARAM>(start), 0};
    LPITEMIDLIST chosen = SHBrowseForFolder(&info);
    CoTaskMemFree(root);
    char path[MAX_PATH] = "";
    if (chosen && !SHGetPathFromIDList(chosen, path))
        ADD_FAILURE() << "the chosen folder has no path";
    CoTaskMemFree(chosen);
    return {CString(path), CString(display)};
}

// The native pickers, answered by the test, get Linux paths and give Windows paths in CP932.
TEST(WxUiHostPickers, AskTheHostAndGiveWindowsPathsInCp932)
{
    AnsweringHost host;
    heardSelection.Empty();
    host.folderAnswer = u8"/tmp/移行先";
    std::pair<CString, CString> chosen = BrowseFrom("C:\\物件\\データ");
    EXPECT_EQ(CString("C:\\tmp\\移行先"), chosen.first);
    EXPECT_EQ(CString("移行先"), chosen.second);
    EXPECT_EQ(CString("C:\\tmp\\移行先"), heardSelection);

    // A drive root keeps its separator; a cancelled browser gives nothing.
    host.folderAnswer = "/";
    EXPECT_EQ(CString("C:\\"), BrowseFrom("").first);
    host.folderAnswer.reset();
    EXPECT_EQ(CString(), BrowseFrom("").first);

    ASSERT_EQ(3u, host.folderRequests.size());
    EXPECT_EQ(wxString::FromUTF8(u8"フォルダの参照"), host.folderRequests[0].first);
    EXPECT_EQ(std::string(u8"/物件/データ"), host.folderRequests[0].second);
    EXPECT_EQ(std::string(), host.folderRequests[1].second);

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
    EXPECT_EQ((std::vector<std::string>{u8"1|ファイルを開く|||レイアウト (*.kpd)|*.kpd|すべてのファイル (*.*)|*|10",
                                        u8"0|書き出し先|/tmp|結果.txt||01", u8"0|書き出し先|/tmp|結果.txt||01"}),
              requests);

    CPrintDialog dialog(FALSE);
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    host.printerAnswer = AnsweringHost::PrinterChoice{wxString::FromUTF8(u8"事務所のプリンタ"), 2, 1, 1};
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(CString("事務所のプリンタ"), dialog.GetDeviceName());
    EXPECT_EQ(2, dialog.GetCopies());
    ASSERT_EQ(2u, host.printerRequests.size());
    const AnsweringHost::PrinterChoice& asked = host.printerRequests[0];
    EXPECT_EQ((std::vector<int>{1, 1, 0xFFFF}), (std::vector<int>{asked.copies, asked.minPage, asked.maxPage}));

    testsupport::TempFolder folder;
    std::ofstream(folder.Path("App.htm")) << "<html></html>";
    CString windowsFolder(LinuxPathToWin(folder.Path()));

    // Opened (42), relative to a folder, a missing file (SE_ERR_FNF), a verb other than "open" (SE_ERR_NOASSOC).
    for (auto [verb, file, folder, result] : {std::tuple{"open", windowsFolder + "\\App.htm", CString(), 42},
                                              std::tuple{"", CString("App.htm"), windowsFolder, 42},
                                              std::tuple{"open", windowsFolder + "\\Nothing.htm", CString(), 2},
                                              std::tuple{"print", windowsFolder + "\\App.htm", CString(), 31}})
        EXPECT_EQ(result, reinterpret_cast<INT_PTR>(ShellExecute(nullptr, *verb ? verb : nullptr, file, nullptr,
                                                                 folder.IsEmpty() ? nullptr : LPCTSTR(folder), SW_SHOW)))
            << file.Bytes();

    EXPECT_EQ(std::vector<std::string>(2, folder.Path("App.htm")), host.opened);

    uitest::Host().SetClipboardText("申請者：山田");
    EXPECT_EQ(CString("申請者：山田"), uitest::Host().GetClipboardText());
}

} // namespace
