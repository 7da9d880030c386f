// A button: push button, check box, radio button or group box, by its BS_ style. It keeps its
// check state; a click (BM_CLICK) on an enabled button updates an automatic check box or
// radio button and sends BN_CLICKED to the parent.
#pragma once

#include "platform/wnd/CWnd.h"

#include <vector>

class CButton : public CWnd {
public:
    DECLARE_DYNAMIC(CButton)
    BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetCheck() const { return m_nCheck; }
    void SetCheck(int nCheck);
    UINT GetButtonStyle() const { return GetStyle() & 0xFFFF; }
    void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE) { ModifyStyle(0xFFFF, nStyle & 0xFFFF); }
    BOOL IsRadio() const;

protected:
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void CopyControlState(const CWnd& from) override;

private:
    void ApplyCheck(int nCheck);
    void Click();

    int m_nCheck = BST_UNCHECKED;
};

// The radio buttons of the group that holds member, in order: the group runs from the nearest
// control at or before it with WS_GROUP to the control before the next one with WS_GROUP.
std::vector<CButton*> AfxRadioGroup(CWnd* member);
