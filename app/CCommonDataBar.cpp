#include "app/CCommonDataBar.h"

#include "app/CZnAppProApp.h"
#include "editors/ZnFvAppCACM01.h"
#include "editors/ZnFvAppCACM02.h"
#include "editors/ZnFvAppCACM03.h"
#include "editors/ZnFvAppCACM04.h"
#include "editors/ZnFvAppCACM05.h"
#include "editors/ZnFvAppCACM06.h"
#include "editors/ZnFvAppCACM07.h"
#include "editors/ZnFvAppCACM08.h"
#include "editors/ZnFvAppCACM09.h"
#include "res/MainFrameIds.h"

#define ON_EDITOR(id) ON_COMMAND_EX(id, OnEditor) ON_UPDATE_COMMAND_UI(id, OnUpdateEnable)

BEGIN_MESSAGE_MAP(CCommonDataBar, CDialogBarBk)
ON_EDITOR(IDC_CM_SHINSEISHA)
ON_EDITOR(IDC_CM_KENCHIKUNUSHI)
ON_EDITOR(IDC_CM_SEKKEISHA)
ON_EDITOR(IDC_CM_SETSUBISHA)
ON_EDITOR(IDC_CM_SEKOUSHA)
ON_EDITOR(IDC_CM_CHIMEICHIBAN)
ON_EDITOR(IDC_CM_YANE)
ON_EDITOR(IDC_CM_GAIHEKI)
ON_EDITOR(IDC_CM_TOKUTEIKOUTEI)
END_MESSAGE_MAP()

namespace {
const PanelForm editors[] = {
    {IDC_CM_SHINSEISHA, RUNTIME_CLASS(ZnFvAppCACM01)},    {IDC_CM_KENCHIKUNUSHI, RUNTIME_CLASS(ZnFvAppCACM02)},
    {IDC_CM_SEKKEISHA, RUNTIME_CLASS(ZnFvAppCACM03)},     {IDC_CM_SETSUBISHA, RUNTIME_CLASS(ZnFvAppCACM04)},
    {IDC_CM_SEKOUSHA, RUNTIME_CLASS(ZnFvAppCACM05)},      {IDC_CM_CHIMEICHIBAN, RUNTIME_CLASS(ZnFvAppCACM06)},
    {IDC_CM_YANE, RUNTIME_CLASS(ZnFvAppCACM07)},          {IDC_CM_GAIHEKI, RUNTIME_CLASS(ZnFvAppCACM08)},
    {IDC_CM_TOKUTEIKOUTEI, RUNTIME_CLASS(ZnFvAppCACM09)},
};
} // namespace

BOOL CCommonDataBar::OnEditor(UINT nID)
{
    if (IsCurrentPanel(IDD_COMMONDATABAR))
        ZnGetApp()->ChangeView(ZnGetApp()->GetFormTemplate(PanelFormOf(editors, nID)));
    return TRUE;
}
