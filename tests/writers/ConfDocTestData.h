// Documents for the tests of the confirmation-document writers: a filled application root, filled
// designers and constructors, the families' filled forms and plan-change records, all put into
// the slots of a test shell, and the comparison of a written file with its expected bytes.
#pragma once

#include "tests/support/SampleParties.h"
#include "tests/support/TempFolder.h"
#include "tests/writers/SampleCodeTables.h"
#include "tests/writers/WriterShellState.h"

#include "model/ZnModelAppEquip.h"
#include "model/ZnModelAppLift.h"
#include "model/ZnModelAppPlanChange.h"
#include "model/ZnModelAppStruct.h"
#include "platform/wnd/UiHost.h"
#include "storage/ZnAppComTblAccess.h"

#include <string>
#include <vector>

namespace confdoc {

using namespace sampleparties;

// Owners (a null among the further ones), applicant, addressee, agent and the application
// number 第100号 of 3 September 2010.
void FillRoot(ZnModelApp& root);
// Two designers and two constructors, a null among the further constructors.
void FillPersons(ZnModelAppPersons& form);
// The site, three further lifts (the second null), dates, specified process and texts.
void FillLift(ZnModelAppLift& form);
// The site, the equipment outline, dates, specified process and texts.
void FillEquipment(ZnModelAppEquip& form);
// The site, three further structures (the second null), dates, specified process, texts, name.
void FillStructure(ZnModelAppStruct& form);

// The confirmation before the change and the summary of the change.
template <typename Family> void FillPlanChange(ZnModelAppPlanChange<Family>& planChange)
{
    planChange.m_prevConfNum.m_number = "第H22確認建築東京00123号";
    planChange.m_prevConfNum.m_date = Date(2010, 8, 1);
    planChange.m_prevConfNum.m_furtherText = "東京都";
    planChange.m_planChangeSummary = "階数&高さの変更\r\n2行目";
}

// A test shell with the sample code tables open and a document: the filled root in the first slot, the form in the
// second and, for a plan change, in the third a second plan-change object that holds only the change record, so that a
// writer reading the form from the wrong slot shows. Confirmations are in the application mode (type 1000), plan
// changes in the notification mode (type 1008).
class ConfDocShell : public WriterShellState {
public:
    ConfDocShell();
    // Puts the form (which the shell then owns) in the second slot and selects a confirmation
    // or a plan change; a plan change also gets the change record in the third slot. Returns the
    // form to fill.
    template <typename Form> Form& SetConfirmation(Form* form)
    {
        docType = 1000;
        docMode = 32786;
        ReplaceModel(formModelSlot, form);
        return *form;
    }
    template <typename Form> Form& SetPlanChange(Form* form, Form* planChange)
    {
        docType = 1008;
        docMode = 32787;
        ReplaceModel(formModelSlot, form);
        FillPlanChange(*planChange);
        ReplaceModel(subFormModelSlot, planChange);
        return *form;
    }

private:
    SampleCodeTables m_codeTables{*this};
};

// The Windows path of a file in a temporary folder, and the bytes written there.
class OutputFolder {
public:
    CString WinPath(LPCTSTR name) const;
    std::string Written(LPCTSTR name) const;

private:
    testsupport::TempFolder m_folder;
};

// The bytes of an expected file under tests/data/writers.
std::string Expected(const std::string& name);
// An empty text when the bytes parse as well-formed XML.
std::string XmlProblems(const std::string& bytes);
// Expects count message boxes, each with the text and the stop icon.
void ExpectStopMessages(const std::vector<MessageBoxRequest>& boxes, size_t count, LPCTSTR text);

} // namespace confdoc
