#include "platform/wnd/CDataExchange.h"

#include "platform/wnd/CButton.h"
#include "platform/wnd/CUserException.h"
#include "platform/wnd/CWnd.h"
#include "platform/wnd/MessageBox.h"

#include <cerrno>
#include <cstdlib>
#include <limits>
#include <stdexcept>
#include <string>

namespace {
// The control's text without surrounding blanks.
std::string TrimmedText(CWnd* control)
{
    CString text;
    control->GetWindowText(text);
    text.TrimLeft();
    text.TrimRight();
    return text.Bytes();
}

// Parses a whole text as a number with strtol, strtoul or strtod; false on anything else.
template <typename T, typename Parse> bool ParseWhole(const std::string& text, Parse parse, T& value)
{
    if (text.empty())
        return false;
    errno = 0;
    char* end = nullptr;
    auto parsed = parse(text.c_str(), &end);
    if (errno == ERANGE || *end != 0 || !(parsed >= std::numeric_limits<T>::lowest()) ||
        !(parsed <= std::numeric_limits<T>::max()))
        return false;
    value = static_cast<T>(parsed);
    return true;
}

// Loads a formatted number, or parses the control's text, telling the user when it is not one.
template <typename T, typename Parse>
void ExchangeNumber(CDataExchange* pDX, int nIDC, T& value, LPCTSTR format, Parse parse, LPCTSTR prompt)
{
    CWnd* control = pDX->PrepareEditCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        CString text;
        text.Format(format, value);
        control->SetWindowText(text);
        return;
    }
    if (!ParseWhole(TrimmedText(control), parse, value)) {
        AfxMessageBox(prompt);
        pDX->Fail();
    }
}

long ParseLong(const char* text, char** end) { return std::strtol(text, end, 10); }
double ParseDouble(const char* text, char** end) { return std::strtod(text, end); }
long long ParseUnsigned(const char* text, char** end)
{
    // A minus sign makes the text no unsigned number (strtoul would wrap "-1" round).
    long long value = std::strtoll(text, end, 10);
    if (text[0] == '-')
        *end = const_cast<char*>(text);
    return value;
}
} // namespace

CWnd* CDataExchange::PrepareCtrl(int nIDC)
{
    CWnd* control = m_pDlgWnd ? m_pDlgWnd->GetDlgItem(nIDC) : nullptr;
    if (!control)
        throw std::logic_error("dialog data exchange with a missing control " + std::to_string(nIDC));
    m_hWndLastControl = control->m_hWnd;
    m_bEditLastControl = FALSE;
    return control;
}

CWnd* CDataExchange::PrepareEditCtrl(int nIDC)
{
    CWnd* control = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return control;
}

void CDataExchange::Fail()
{
    if (CWnd* control = CWnd::FromHandle(m_hWndLastControl)) {
        control->SetFocus();
        if (m_bEditLastControl)
            control->SendMessage(EM_SETSEL, 0, -1);
    }
    AfxThrowUserException();
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    CWnd* control = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        control->GetWindowText(value);
    else
        control->SetWindowText(value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    ExchangeNumber(pDX, nIDC, value, "%d", ParseLong, "整数を入力してください。");
}

void DDX_Text(CDataExchange* pDX, int nIDC, long& value)
{
    ExchangeNumber(pDX, nIDC, value, "%ld", ParseLong, "整数を入力してください。");
}

void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    ExchangeNumber(pDX, nIDC, value, "%u", ParseUnsigned, "正の整数を入力してください。");
}

void DDX_Text(CDataExchange* pDX, int nIDC, double& value)
{
    ExchangeNumber(pDX, nIDC, value, "%.15g", ParseDouble, "数値を入力してください。");
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    CWnd* control = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(control->SendMessage(BM_GETCHECK, 0, 0));
    else
        control->SendMessage(BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    std::vector<CButton*> group = AfxRadioGroup(pDX->PrepareCtrl(nIDC));
    if (pDX->m_bSaveAndValidate)
        value = -1;
    for (size_t i = 0; i < group.size(); ++i) {
        if (pDX->m_bSaveAndValidate) {
            if (group[i]->GetCheck() == BST_CHECKED)
                value = static_cast<int>(i);
        } else {
            group[i]->SetCheck(static_cast<int>(i) == value ? BST_CHECKED : BST_UNCHECKED);
        }
    }
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    CWnd* control = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(control->SendMessage(CB_GETCURSEL, 0, 0));
    else
        control->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value)
{
    CWnd* control = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        control->GetWindowText(value);
    } else if (control->SendMessage(CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                    reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(value))) == CB_ERR) {
        control->SetWindowText(value);
    }
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd)
        return;
    CWnd* control = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(control->m_hWnd))
        throw std::logic_error("dialog control " + std::to_string(nIDC) + " is bound twice");
}
