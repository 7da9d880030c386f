#include "platform/ui/WxMessageBox.h"

#include "platform/ui/WxText.h"

#include <wx/msgdlg.h>
// after the message dialog's base
#include <wx/generic/msgdlgg.h>

namespace {
struct ButtonLabel {
    int id;
    const char* label;
};

// The labels of Japanese Windows.
const ButtonLabel labels[] = {
    {IDOK, "OK"},           {IDCANCEL, "キャンセル"}, {IDABORT, "中止(&A)"}, {IDRETRY, "再試行(&R)"},
    {IDIGNORE, "無視(&I)"}, {IDYES, "はい(&Y)"},      {IDNO, "いいえ(&N)"},
};

long IconStyle(UINT type)
{
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND:
        return wxICON_ERROR;
    case MB_ICONQUESTION:
        return wxICON_QUESTION;
    case MB_ICONEXCLAMATION:
        return wxICON_WARNING;
    case MB_ICONASTERISK:
        return wxICON_INFORMATION;
    default:
        return wxICON_NONE;
    }
}

// The wx ids that stand for the system's buttons, by their number, and whether Yes and No fit.
std::vector<int> WxIdsFor(const std::vector<int>& buttons)
{
    if (buttons.size() == 3)
        return {wxID_YES, wxID_NO, wxID_CANCEL};
    if (buttons.size() == 2)
        return buttons[0] == IDYES ? std::vector<int>{wxID_YES, wxID_NO} : std::vector<int>{wxID_OK, wxID_CANCEL};
    return {wxID_OK};
}

long ButtonStyle(const std::vector<int>& wxIds)
{
    long style = 0;
    for (int id : wxIds)
        style |= id == wxID_OK ? wxOK : id == wxID_CANCEL ? wxCANCEL : wxYES_NO;
    return style;
}

// wx makes the first button the default one; the second and third are named by flags.
long DefaultStyle(const std::vector<int>& wxIds, size_t index)
{
    if (index == 0 || index >= wxIds.size())
        return 0;
    return wxIds[index] == wxID_NO ? wxNO_DEFAULT : wxCANCEL_DEFAULT;
}
} // namespace

WxMessageBox::WxMessageBox(UINT type) : m_buttons(AfxMessageBoxButtons(type)), m_wxIds(WxIdsFor(m_buttons))
{
    size_t defaultIndex = (type & MB_DEFMASK) >> 8;
    m_style = ButtonStyle(m_wxIds) | IconStyle(type) | DefaultStyle(m_wxIds, defaultIndex);
}

CString WxMessageBox::Label(size_t index) const
{
    for (const ButtonLabel& label : labels)
        if (index < m_buttons.size() && label.id == m_buttons[index])
            return CString(label.label);
    return CString();
}

int WxMessageBox::Answer(int wxAnswer) const
{
    for (size_t i = 0; i < m_wxIds.size(); ++i)
        if (m_wxIds[i] == wxAnswer)
            return m_buttons[i];
    for (int button : m_buttons)
        if (button == IDCANCEL)
            return IDCANCEL;
    return m_buttons.back();
}

int WxMessageBox::Show(wxWindow* owner, const MessageBoxRequest& request)
{
    WxMessageBox box(request.type);
    wxGenericMessageDialog dialog(owner, WxText::ToWx(request.text), WxText::ToWx(request.caption), box.Style());
    if (box.WxButtons().size() == 3)
        dialog.SetYesNoCancelLabels(WxText::ToWx(box.Label(0)), WxText::ToWx(box.Label(1)), WxText::ToWx(box.Label(2)));
    else if (box.WxButtons().size() == 2 && box.WxButtons()[0] == wxID_YES)
        dialog.SetYesNoLabels(WxText::ToWx(box.Label(0)), WxText::ToWx(box.Label(1)));
    else if (box.WxButtons().size() == 2)
        dialog.SetOKCancelLabels(WxText::ToWx(box.Label(0)), WxText::ToWx(box.Label(1)));
    else
        dialog.SetOKLabel(WxText::ToWx(box.Label(0)));
    return box.Answer(dialog.ShowModal());
}
