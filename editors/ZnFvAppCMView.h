// A form view that hosts one reference-data editor: the editor is a modeless child dialog that
// the view creates at its first update, at (kEditorX, kEditorY), and destroys with itself.
#pragma once

#include "shell/CFormViewBk.h"

class CDialog;

class ZnFvAppCMView : public CFormViewBk {
    DECLARE_DYNAMIC(ZnFvAppCMView)
public:
    static const int kEditorX = 10;
    static const int kEditorY = 0;

    // The base's update, the child frame maximised, then the editor from its template, moved to
    // its place keeping its size and z-order, and shown. An editor that cannot be created leaves
    // the view empty.
    void OnInitialUpdate() override;

protected:
    ZnFvAppCMView(UINT nIDTemplate, CDialog& editor, UINT nIDEditor)
        : CFormViewBk(nIDTemplate), m_editor(editor), m_nIDEditor(nIDEditor)
    {
    }
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    CDialog& m_editor;
    UINT m_nIDEditor;
};
