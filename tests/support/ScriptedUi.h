// A user-interface host for tests: it answers from a script and records what was asked. What
// the script does not answer fails the test at once: the failure is recorded and UnscriptedUi
// is thrown, so nothing waits for a person. Constructing one installs it; destroying it puts
// the previous host back and fails the test for answers the script left unused.
#pragma once

#include "platform/wnd/Afxwin.h"
#include "platform/wnd/CFolderBrowser.h"

#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <vector>

class UnscriptedUi : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ScriptedUi : public UiHost {
public:
    ScriptedUi();
    ~ScriptedUi() override;
    ScriptedUi(const ScriptedUi&) = delete;
    ScriptedUi& operator=(const ScriptedUi&) = delete;

    // The next message box is answered with that button (which it must have).
    void AnswerMessageBox(int answer);
    // The next modal dialog runs the script, which must end it.
    void ScriptModal(std::function<void(CDialog&)> script);
    // The next folder browser: the user selects the folder (the callback hears it) and
    // confirms it, or (nullopt) cancels.
    void AnswerFolder(std::optional<CString> path);
    void AnswerFileDialog(std::optional<CString> path);
    // The next print dialog: the user chooses the printer and the copies, or (nullopt) cancels.
    void AnswerPrintDialog(std::optional<CString> printer, WORD copies = 1);
    void AnswerShellExecute(int result);
    void AnswerPopupMenu(UINT command);

    struct FolderRequest {
        HWND owner;
        CString title;
        UINT flags;
        int rootFolder;
        CString initialSelection; // what the callback selected at BFFM_INITIALIZED
        CString statusText;       // the status text after the user's selection
    };
    struct FileRequest {
        BOOL open;
        CString defaultExtension;
        CString fileName;
        CString filter;
        DWORD flags;
    };

    std::vector<MessageBoxRequest> messageBoxes;
    std::vector<UINT> modalTemplates;
    std::vector<FolderRequest> folderRequests;
    std::vector<FileRequest> fileRequests;
    std::vector<BOOL> printRequests; // print-setup-only of each
    std::vector<ShellExecuteRequest> shellRequests;
    std::vector<UINT> beeps;
    std::vector<UINT> popupMenus; // the first command of each popup shown
    std::vector<BOOL> waitCursor; // each time the wait cursor went on or off
    int inputDiscards = 0;        // how often pending keys and clicks were dropped
    // The control id (GetDlgCtrlID) and window text of each window updated at once (UpdateWindow).
    std::vector<std::pair<int, CString>> updates;
    // How many updates had been made when each message box showed.
    std::vector<size_t> updatesBeforeMessageBox;

    int MessageBox(const MessageBoxRequest& request) override;
    void MessageBeep(UINT type) override { beeps.push_back(type); }
    void ShowWaitCursor(BOOL bShow) override { waitCursor.push_back(bShow); }
    void DiscardInput() override { ++inputDiscards; }
    void UpdateWindow(CWnd& wnd) override;
    BOOL BrowseForFolder(CFolderBrowser& browser, CString& chosenPath) override;
    INT_PTR RunFileDialog(CFileDialog& dialog) override;
    INT_PTR RunPrintDialog(CPrintDialog& dialog) override;
    int ShellExecute(const ShellExecuteRequest& request) override;
    void RunModalLoop(CDialog& dialog) override;
    UINT TrackPopupMenu(CMenu& menu, UINT flags, int x, int y, CWnd& owner) override;

private:
    // Records the failure and throws.
    [[noreturn]] void Unscripted(const char* what, const CString& detail);
    // The next scripted answer of a queue; an empty queue is an unscripted request.
    template <typename T> T Next(std::deque<T>& answers, const char* what, const CString& detail)
    {
        if (answers.empty())
            Unscripted(what, detail);
        T answer = std::move(answers.front());
        answers.pop_front();
        return answer;
    }

    UiHost* m_previous;
    std::deque<int> m_messageBoxAnswers;
    std::deque<std::function<void(CDialog&)>> m_modalScripts;
    std::deque<std::optional<CString>> m_folderAnswers;
    std::deque<std::optional<CString>> m_fileAnswers;
    std::deque<std::pair<std::optional<CString>, WORD>> m_printAnswers;
    std::deque<int> m_shellAnswers;
    std::deque<UINT> m_popupAnswers;
};

// A user interface that answers every message box with OK and keeps what was shown.
class RecordingUi : public ScriptedUi {
public:
    int MessageBox(const MessageBoxRequest& request) override
    {
        messageBoxes.push_back(request);
        return IDOK;
    }
};
