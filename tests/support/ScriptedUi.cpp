#include "tests/support/ScriptedUi.h"

#include "platform/core/Cp932.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {
std::string Utf8(const CString& text) { return cp932::ToUtf8(text.Bytes()); }
} // namespace

ScriptedUi::ScriptedUi() : m_previous(UiHost::Install(this)) {}

ScriptedUi::~ScriptedUi()
{
    UiHost::Install(m_previous);
    size_t unused = m_messageBoxAnswers.size() + m_modalScripts.size() + m_folderAnswers.size() + m_fileAnswers.size() +
                    m_printAnswers.size() + m_shellAnswers.size() + m_popupAnswers.size();
    if (unused)
        ADD_FAILURE() << unused << " scripted answer(s) were never asked for";
}

void ScriptedUi::Unscripted(const char* what, const CString& detail)
{
    std::string message = std::string("unscripted ") + what + ": " + Utf8(detail);
    ADD_FAILURE() << message;
    throw UnscriptedUi(message);
}

void ScriptedUi::AnswerMessageBox(int answer) { m_messageBoxAnswers.push_back(answer); }

void ScriptedUi::ScriptModal(std::function<void(CDialog&)> script) { m_modalScripts.push_back(std::move(script)); }

void ScriptedUi::AnswerFolder(std::optional<CString> path) { m_folderAnswers.push_back(std::move(path)); }

void ScriptedUi::AnswerFileDialog(std::optional<CString> path) { m_fileAnswers.push_back(std::move(path)); }

void ScriptedUi::AnswerPrintDialog(std::optional<CString> printer, WORD copies)
{
    m_printAnswers.emplace_back(std::move(printer), copies);
}

void ScriptedUi::AnswerShellExecute(int result) { m_shellAnswers.push_back(result); }

void ScriptedUi::AnswerPopupMenu(UINT command) { m_popupAnswers.push_back(command); }

int ScriptedUi::MessageBox(const MessageBoxRequest& request)
{
    messageBoxes.push_back(request);
    updatesBeforeMessageBox.push_back(updates.size());
    int answer = Next(m_messageBoxAnswers, "message box", request.text);
    std::vector<int> buttons = AfxMessageBoxButtons(request.type);
    if (std::find(buttons.begin(), buttons.end(), answer) == buttons.end())
        ADD_FAILURE() << "message box \"" << Utf8(request.text) << "\" has no button " << answer;
    return answer;
}

void ScriptedUi::UpdateWindow(CWnd& wnd)
{
    CString text;
    wnd.GetWindowText(text);
    updates.emplace_back(wnd.GetDlgCtrlID(), text);
}

BOOL ScriptedUi::BrowseForFolder(CFolderBrowser& browser, CString& chosenPath)
{
    FolderRequest request{browser.GetOwnerWindow(), browser.GetTitle(),     browser.GetFlags(),
                          browser.GetRootFolder(),  browser.GetSelection(), CString()};
    if (m_folderAnswers.empty())
        folderRequests.push_back(request);
    std::optional<CString> answer = Next(m_folderAnswers, "folder browser", request.title);
    if (answer) {
        browser.SelectFolder(*answer);
        request.statusText = browser.GetStatusText();
        chosenPath = *answer;
    }
    folderRequests.push_back(request);
    return answer.has_value();
}

INT_PTR ScriptedUi::RunFileDialog(CFileDialog& dialog)
{
    fileRequests.push_back(FileRequest{dialog.IsOpenDialog(), dialog.GetDefExt(), dialog.GetInitialFileName(),
                                       dialog.GetFilter(), dialog.m_ofn.Flags});
    std::optional<CString> answer = Next(m_fileAnswers, "file dialog", dialog.GetInitialFileName());
    if (!answer)
        return IDCANCEL;
    dialog.SetChosenPath(*answer);
    return IDOK;
}

INT_PTR ScriptedUi::RunPrintDialog(CPrintDialog& dialog)
{
    printRequests.push_back(dialog.IsPrintSetupOnly());
    auto answer = Next(m_printAnswers, "print dialog", CString());
    if (!answer.first)
        return IDCANCEL;
    dialog.SetDeviceName(*answer.first);
    dialog.m_pd.nCopies = answer.second;
    return IDOK;
}

int ScriptedUi::ShellExecute(const ShellExecuteRequest& request)
{
    shellRequests.push_back(request);
    return Next(m_shellAnswers, "shell execute", request.file);
}

void ScriptedUi::RunModalLoop(CDialog& dialog)
{
    const DialogResource* dialogTemplate = dialog.GetTemplate();
    modalTemplates.push_back(dialogTemplate ? dialogTemplate->id : 0);
    CString caption;
    dialog.GetWindowText(caption);
    Next(m_modalScripts, "modal dialog", caption)(dialog);
    if (dialog.ContinueModal()) {
        ADD_FAILURE() << "the modal dialog is still open after its script";
        dialog.EndDialog(-1);
    }
}

UINT ScriptedUi::TrackPopupMenu(CMenu& menu, UINT, int, int, CWnd&)
{
    popupMenus.push_back(menu.GetMenuItemID(0));
    return Next(m_popupAnswers, "popup menu", CString());
}
