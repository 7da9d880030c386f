// The entry of the reception and confirmation numbers (7607), run modally by the floppy panel for
// the number row chosen in the application list: the row's group shows its two numbers with their
// dates and issuer, and OK stores the typed ones into that group (for a building's first row,
// into the groups that row stands for), the document's file and, for the document's own groups,
// its register row.
#pragma once

#include "fdimport/ZnFdMenuChoice.h"
#include "platform/wnd/CComboBox.h"
#include "platform/wnd/CDialog.h"
#include "shell/VhEditSetupList.h"
#include "shell/ZnEditCtrl.h"

class ZnDlgAppShinseishoList;
class ZnModelNum;

class ZnDlgAppBangouInput : public CDialog {
public:
    explicit ZnDlgAppBangouInput(CWnd* pParent = nullptr);

    VhEditSetupList m_setupList;
    // Given by the opener.
    int m_nSelectedRow = ZnFdMenuChoice::kNoSelection;
    int m_nBukkenIndex = ZnFdMenuChoice::kNoSelection;
    int m_nShousaiIndex = ZnFdMenuChoice::kNoSelection;
    int m_nDocKindCode = ZnFdMenuChoice::kNoSelection;
    ZnDlgAppShinseishoList* m_pShinseishoList = nullptr;

    CComboBox m_comboIssueEra;
    CComboBox m_comboRecvEra;
    ZnEditCtrl m_editIssueDay, m_editIssueMonth, m_editIssueYear;
    ZnEditCtrl m_editRecvDay, m_editRecvMonth, m_editRecvYear;
    ZnEditCtrl m_editIssuer, m_editNumber, m_editRecvNumber, m_editTitle;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    // The fields of one number: its text, era list, year, month and day.
    struct NumberFields {
        int number;
        CComboBox& era;
        int year, month, day;
    };
    NumberFields ReceptionFields();
    NumberFields IssueFields();
    void ShowNumber(const ZnModelNum& number, const NumberFields& fields);
    // The number the fields hold; an empty field, or one that is not a number, is no part.
    ZnModelNum ReadNumber(const NumberFields& fields) const;
    // Writes the typed reception and confirmation numbers, and the reception date when the three
    // fields make a calendar date, into the document's register row.
    void UpdateShousaiRecord(const ZnModelNum& reception, const ZnModelNum& issued);
    // The value of a field; -1 when it is empty or not a decimal number.
    int FieldValue(int nID) const;
};
