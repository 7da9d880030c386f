#include "tests/support/TestSupport.h"
#include "tests/writers/ConfDocTestData.h"

#include "model/ZnModelAppEquipConf.h"
#include "model/ZnModelAppEquipMod.h"
#include "model/ZnModelAppLiftConf.h"
#include "model/ZnModelAppLiftMod.h"
#include "model/ZnModelAppStrLiftConf.h"
#include "model/ZnModelAppStrLiftMod.h"
#include "model/ZnModelAppStructConf.h"
#include "model/ZnModelAppStructMod.h"
#include "writers/xml/ZnAppDocFDOut12.h"
#include "writers/xml/ZnAppDocFDOut13.h"
#include "writers/xml/ZnAppDocFDOut14.h"
#include "writers/xml/ZnAppDocFDOut15.h"

using confdoc::ConfDocShell;
using confdoc::Expected;
using confdoc::XmlProblems;
using testsupport::Hex;

namespace {

using Writer = void (*)(CString, int);

// The filled forms of each family, each written by its writer's WriteXml into a file of a shell
// of its own and compared with an expected file; the file must also be well-formed XML. A plan
// change reads the change from the third model.
struct Case {
    const char* expected;
    void (*fill)(ConfDocShell&);
    Writer write;
};

// The equipment's specified process with a name and a count of 0: the count is written.
void FillEquipmentWithNamedProcess(ZnModelAppEquip& form)
{
    confdoc::FillEquipment(form);
    form.m_specStageDate = ZnModelInspDate();
    form.m_specStageDate.m_name = "配管工事";
}

// Every element empty: the number of the first group that is there; no application date, as
// the first is null.
void FillBlankLiftPlanChange(ConfDocShell& shell)
{
    ZnModelApp* root = new ZnModelApp;
    ZnModelNumGroup group;
    group.m_firstNumber.m_number = "第7号";
    group.m_firstNumber.m_date = confdoc::Date(2010, 0, 3);
    root->m_header.m_localData.m_buildingNumGroups.AddTail(nullptr);
    root->m_header.m_localData.m_buildingNumGroups.AddCopy(group);
    shell.ReplaceModel(ZnShellState::appModelSlot, root);
    shell.docType = 1008;
    shell.docMode = 32787;
    shell.ReplaceModel(ZnShellState::formModelSlot, new ZnModelAppLiftMod);
    shell.ReplaceModel(ZnShellState::subFormModelSlot, new ZnModelAppLiftMod);
}

const Case kCases[] = {
    {"lift_confirmation.xml", [](ConfDocShell& s) { confdoc::FillLift(s.SetConfirmation(new ZnModelAppLiftConf)); },
     ZnAppDocFDOut12::WriteXml},
    {"lift_plan_change.xml",
     [](ConfDocShell& s) { confdoc::FillLift(s.SetPlanChange(new ZnModelAppLiftMod, new ZnModelAppLiftMod)); },
     ZnAppDocFDOut12::WriteXml},
    // The lift of a structure writes the lifts' file.
    {"lift_confirmation.xml", [](ConfDocShell& s) { confdoc::FillLift(s.SetConfirmation(new ZnModelAppStrLiftConf)); },
     ZnAppDocFDOut15::WriteXml},
    {"lift_plan_change.xml",
     [](ConfDocShell& s) { confdoc::FillLift(s.SetPlanChange(new ZnModelAppStrLiftMod, new ZnModelAppStrLiftMod)); },
     ZnAppDocFDOut15::WriteXml},
    {"equipment_confirmation.xml",
     [](ConfDocShell& s) { FillEquipmentWithNamedProcess(s.SetConfirmation(new ZnModelAppEquipConf)); },
     ZnAppDocFDOut13::WriteXml},
    {"equipment_plan_change.xml",
     [](ConfDocShell& s) {
         FillEquipmentWithNamedProcess(s.SetPlanChange(new ZnModelAppEquipMod, new ZnModelAppEquipMod));
     },
     ZnAppDocFDOut13::WriteXml},
    {"structure_confirmation.xml",
     [](ConfDocShell& s) { confdoc::FillStructure(s.SetConfirmation(new ZnModelAppStructConf)); },
     ZnAppDocFDOut14::WriteXml},
    {"structure_plan_change.xml",
     [](ConfDocShell& s) {
         confdoc::FillStructure(s.SetPlanChange(new ZnModelAppStructMod, new ZnModelAppStructMod));
     },
     ZnAppDocFDOut14::WriteXml},
    {"lift_blank_plan_change.xml", FillBlankLiftPlanChange, ZnAppDocFDOut12::WriteXml},
};

} // namespace

TEST(ConfDocWriters, EachFamilysFilledFormByteForByte)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.expected);
        ConfDocShell shell;
        confdoc::OutputFolder output;
        c.fill(shell);
        c.write(output.WinPath("申請書データ.xml"), 1);
        std::string written = output.Written("申請書データ.xml");
        EXPECT_EQ(Hex(Expected(c.expected)), Hex(written));
        EXPECT_EQ("", XmlProblems(written));
    }
}
