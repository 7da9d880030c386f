#include "fdimport/ZnDlgAppBangouInput.h"

#include "fdimport/ZnDlgAppShinseishoList.h"
#include "fdimport/ZnNumberEntry.h"
#include "fdimport/ZnNumberRows.h"
#include "model/ZnModelAppLocalData.h"
#include "platform/wnd/CDataExchange.h"
#include "res/MainFrameIds.h"
#include "res/NumberEntryIds.h"
#include "shell/ZnDocKindNames.h"
#include "storage/ZnAppBukkenShousaiTblDAO.h"
#include "writers/ZnAppDocFDOut00.h"

namespace {

// Input-method modes of the descriptors.
const int kImeOpen = 1;
const int kImeClosed = 2;

} // namespace

ZnDlgAppBangouInput::ZnDlgAppBangouInput(CWnd* pParent) : CDialog(IDD_BANGOU_INPUT, pParent)
{
    m_setupList.Add(new VhEditSetup(&m_editRecvNumber, 32, 0xFFFF, kImeOpen, "%32s", 0));
    m_setupList.Add(new VhEditSetup(&m_editRecvYear, 2, 0xFFFF, kImeClosed, "%2s", 0));
    m_setupList.Add(new VhEditSetup(&m_editRecvMonth, 2, 0xFFFF, kImeClosed, "%2s", 0));
    m_setupList.Add(new VhEditSetup(&m_editRecvDay, 2, 0xFFFF, kImeClosed, "%2s", 0));
    m_setupList.Add(new VhEditSetup(&m_editNumber, 32, 0xFFFF, kImeOpen, "%32s", 0));
    m_setupList.Add(new VhEditSetup(&m_editIssueYear, 2, 0xFFFF, kImeClosed, "%2s", 0));
    m_setupList.Add(new VhEditSetup(&m_editIssueMonth, 2, 0xFFFF, kImeClosed, "%2s", 0));
    m_setupList.Add(new VhEditSetup(&m_editIssueDay, 2, 0xFFFF, kImeClosed, "%2s", 0));
    m_setupList.Add(new VhEditSetup(&m_editIssuer, 60, 0xFFFF, kImeOpen, "%60s", 0));
}

void ZnDlgAppBangouInput::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BG_ISSUE_ERA, m_comboIssueEra);
    DDX_Control(pDX, IDC_BG_RECV_ERA, m_comboRecvEra);
    DDX_Control(pDX, IDC_BG_ISSUE_DAY, m_editIssueDay);
    DDX_Control(pDX, IDC_BG_ISSUE_MONTH, m_editIssueMonth);
    DDX_Control(pDX, IDC_BG_ISSUE_YEAR, m_editIssueYear);
    DDX_Control(pDX, IDC_BG_RECV_DAY, m_editRecvDay);
    DDX_Control(pDX, IDC_BG_RECV_MONTH, m_editRecvMonth);
    DDX_Control(pDX, IDC_BG_RECV_YEAR, m_editRecvYear);
    DDX_Control(pDX, IDC_BG_ISSUER, m_editIssuer);
    DDX_Control(pDX, IDC_BG_NUMBER, m_editNumber);
    DDX_Control(pDX, IDC_BG_RECV_NUMBER, m_editRecvNumber);
    DDX_Control(pDX, IDC_BG_TITLE, m_editTitle);
}

ZnDlgAppBangouInput::NumberFields ZnDlgAppBangouInput::ReceptionFields()
{
    return {IDC_BG_RECV_NUMBER, m_comboRecvEra, IDC_BG_RECV_YEAR, IDC_BG_RECV_MONTH, IDC_BG_RECV_DAY};
}

ZnDlgAppBangouInput::NumberFields ZnDlgAppBangouInput::IssueFields()
{
    return {IDC_BG_NUMBER, m_comboIssueEra, IDC_BG_ISSUE_YEAR, IDC_BG_ISSUE_MONTH, IDC_BG_ISSUE_DAY};
}

BOOL ZnDlgAppBangouInput::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_setupList.Apply();
    CString code;
    code.Format("%d", m_nDocKindCode);
    SetDlgItemText(IDC_BG_TITLE, ZnAppDocFDOut00::GetDocTitleFromCode(code));
    ZnModelAppLocalData* local = ZnNumberEntry::LocalData();
    if (!local)
        return TRUE;
    std::vector<ZnNumberRows::Row> rows = ZnNumberRows::Rows(*local);
    if (m_nSelectedRow < 0 || m_nSelectedRow >= static_cast<int>(rows.size()))
        return TRUE;
    const ZnModelNumGroup& group = *rows[m_nSelectedRow].group;
    ShowNumber(group.m_firstNumber, ReceptionFields());
    ShowNumber(group.m_secondNumber, IssueFields());
    SetDlgItemText(IDC_BG_ISSUER, group.m_secondNumber.GetFurtherText());
    return TRUE;
}

void ZnDlgAppBangouInput::ShowNumber(const ZnModelNum& number, const NumberFields& fields)
{
    SetDlgItemText(fields.number, number.GetNumber());
    const ZnModelDate& date = number.GetDate();
    int era = 0;
    fields.era.SelectString(-1, ZnDocKindNames::EraCodeToName(date.GetYearCode().GetCode(), &era));
    auto showPart = [&](int nID, int value) {
        if (value == 0)
            return;
        CString text;
        text.Format("%d", value);
        SetDlgItemText(nID, text);
    };
    showPart(fields.year, date.GetYearCode().GetEraYear(era));
    showPart(fields.month, date.GetMonth());
    showPart(fields.day, date.GetDay());
}

int ZnDlgAppBangouInput::FieldValue(int nID) const
{
    CString text;
    GetDlgItemText(nID, text);
    return ZnNumberEntry::DecimalValue(text);
}

ZnModelNum ZnDlgAppBangouInput::ReadNumber(const NumberFields& fields) const
{
    CString eraName, text;
    if (fields.era.GetCurSel() >= 0)
        fields.era.GetLBText(fields.era.GetCurSel(), eraName);
    GetDlgItemText(fields.number, text);
    return ZnNumberEntry::MakeNumber(text, eraName, FieldValue(fields.year), FieldValue(fields.month),
                                     FieldValue(fields.day));
}

void ZnDlgAppBangouInput::OnOK()
{
    if (!ZnNumberEntry::CanStore())
        return;
    ZnModelNum reception = ReadNumber(ReceptionFields());
    ZnModelNum issued = ReadNumber(IssueFields());
    CString issuer;
    GetDlgItemText(IDC_BG_ISSUER, issuer);
    issued.SetFurtherText(issuer);

    bool ownGroup = ZnNumberRows::StoreNumbers(*ZnNumberEntry::LocalData(), m_nSelectedRow, reception, issued);
    if (!ZnNumberEntry::SaveDocument())
        return;
    if (ownGroup)
        UpdateShousaiRecord(reception, issued);
    if (m_pShinseishoList) {
        m_pShinseishoList->UpdateShinseishoList();
        m_pShinseishoList->UpdateShousaiList();
    }
    EndDialog(IDOK);
}

void ZnDlgAppBangouInput::UpdateShousaiRecord(const ZnModelNum& reception, const ZnModelNum& issued)
{
    if (m_nShousaiIndex == ZnFdMenuChoice::kNoSelection)
        return;
    // The register date needs all three reception fields and a calendar date.
    const ZnModelDate& date = reception.GetDate();
    COleDateTime registerDate;
    bool dated = FieldValue(IDC_BG_RECV_YEAR) >= 0 && FieldValue(IDC_BG_RECV_MONTH) >= 0 &&
                 FieldValue(IDC_BG_RECV_DAY) >= 0 &&
                 registerDate.SetDate(date.GetYearCode().GetEraYear(0), date.GetMonth(), date.GetDay()) == 0;
    const int code = m_nDocKindCode;
    ZnNumberEntry::ChangeRow(
        m_nBukkenIndex, m_nShousaiIndex,
        [&](const ZnAppBukkenShousaiTblDAO& row) { return row.m_ShinseiShubetuCode == code; },
        [&](ZnAppBukkenShousaiTblDAO& row) {
            row.m_UketukeBangou = reception.GetNumber();
            row.m_ZadazezBangou = issued.GetNumber();
            if (dated)
                row.m_Koushinbi = registerDate;
        });
}
