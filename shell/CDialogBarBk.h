// The base of the main frame's button panels: a dialog bar whose background, labels and
// read-only edits are painted in the panels' colour. It also gives the left panels their common
// steps, through the shell state: the guard that a panel acts only while it is the current one,
// switching to another panel, and opening a form view for an object kind.
#pragma once

#include "platform/wnd/CBrush.h"
#include "platform/wnd/CDialogBar.h"

class CCmdUI;
class CDC;

class CDialogBarBk : public CDialogBar {
public:
    static const COLORREF kBackground = RGB(199, 211, 241);

    CDialogBarBk();

protected:
    // The dialog background and static controls (read-only edits included): black text on the
    // panels' colour, with the panels' brush; other controls as the base paints them.
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    // Enables the button (the left panels' update handlers).
    afx_msg void OnUpdateEnable(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

    // Whether the frame shows this panel now: a left panel's buttons act only then.
    static BOOL IsCurrentPanel(int panel);
    // Destroys the shown panel and shows another.
    static void SwitchPanel(int panel);
    // Back to the document-type panel; the open form view closes.
    static void GoBack();
    // Stores the object kind and shows the form view of viewClass (when there is one).
    static void OpenForm(int objKind, CRuntimeClass* viewClass);

    CBrush m_brush;
};

// One button of a left panel that opens a form view.
struct PanelForm {
    int id;
    CRuntimeClass* viewClass;
};

// The form view of a button in a table; null when the table does not hold it.
template <size_t N> CRuntimeClass* PanelFormOf(const PanelForm (&forms)[N], UINT id)
{
    for (const PanelForm& form : forms)
        if (static_cast<UINT>(form.id) == id)
            return form.viewClass;
    return nullptr;
}
