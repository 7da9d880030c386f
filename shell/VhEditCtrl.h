// An edit control whose behaviour lives in its implementation object (owned): the reflected
// EN_UPDATE filters the text, the reflected EN_SETFOCUS applies the limit and the input method,
// a committed composition hands its reading on, and a right click shows the context menu.
#pragma once

#include "platform/wnd/CEdit.h"
#include "shell/VhEditCtrlImp.h"

class VhEditCtrl : public CEdit {
public:
    DECLARE_DYNAMIC(VhEditCtrl)
    // Takes ownership of imp; without one, a default implementation serving this control.
    explicit VhEditCtrl(VhEditCtrlImp* imp = nullptr);
    ~VhEditCtrl() override;
    VhEditCtrl(const VhEditCtrl&) = delete;
    VhEditCtrl& operator=(const VhEditCtrl&) = delete;

    VhEditCtrlImp* GetImp() const { return m_pImp; }

    virtual void DoUpdate() { m_pImp->OnUpdate(); }
    virtual int DoSetFocus();
    virtual int DoCheck();
    // Nonzero when the control showed its own menu.
    virtual int DoContextMenu(CWnd* window, int x, int y) { return m_pImp->ContextMenu(window, x, y); }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    DECLARE_MESSAGE_MAP()

private:
    VhEditCtrlImp* m_pImp;
};
