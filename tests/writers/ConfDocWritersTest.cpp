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

const LPCTSTR fileName = "申請書データ.xml";

// Writes the active document of the shell with a writer's WriteXml and compares the file with
// an expected one; the file must also be well-formed XML.
class ConfDocWriters : public ::testing::Test {
protected:
    template <typename Writer> void ExpectWritten(const std::string& expected)
    {
        Writer::WriteXml(m_output.WinPath(fileName), 1);
        std::string written = m_output.Written(fileName);
        EXPECT_EQ(Hex(Expected(expected)), Hex(written));
        EXPECT_EQ("", XmlProblems(written));
        EXPECT_NE("", XmlProblems(written + "<"));
    }

    ConfDocShell m_shell;
    confdoc::OutputFolder m_output;
};

} // namespace

TEST_F(ConfDocWriters, LiftConfirmation)
{
    confdoc::FillLift(m_shell.SetConfirmation(new ZnModelAppLiftConf));
    ExpectWritten<ZnAppDocFDOut12>("lift_confirmation.xml");
}

TEST_F(ConfDocWriters, LiftPlanChangeReadsTheChangeFromTheThirdModel)
{
    confdoc::FillLift(m_shell.SetPlanChange(new ZnModelAppLiftMod, new ZnModelAppLiftMod));
    ExpectWritten<ZnAppDocFDOut12>("lift_plan_change.xml");
}

TEST_F(ConfDocWriters, LiftOfAStructureWritesTheLiftsFile)
{
    confdoc::FillLift(m_shell.SetConfirmation(new ZnModelAppStrLiftConf));
    ExpectWritten<ZnAppDocFDOut15>("lift_confirmation.xml");
}

TEST_F(ConfDocWriters, LiftOfAStructurePlanChange)
{
    confdoc::FillLift(m_shell.SetPlanChange(new ZnModelAppStrLiftMod, new ZnModelAppStrLiftMod));
    ExpectWritten<ZnAppDocFDOut15>("lift_plan_change.xml");
}

TEST_F(ConfDocWriters, EquipmentConfirmation)
{
    ZnModelAppEquip& form = m_shell.SetConfirmation(new ZnModelAppEquipConf);
    confdoc::FillEquipment(form);
    // A count of 0 is written when the record holds a name.
    form.m_specStageDate = ZnModelInspDate();
    form.m_specStageDate.m_name = "配管工事";
    ExpectWritten<ZnAppDocFDOut13>("equipment_confirmation.xml");
}

TEST_F(ConfDocWriters, EquipmentPlanChange)
{
    ZnModelAppEquip& form = m_shell.SetPlanChange(new ZnModelAppEquipMod, new ZnModelAppEquipMod);
    confdoc::FillEquipment(form);
    form.m_specStageDate = ZnModelInspDate();
    form.m_specStageDate.m_name = "配管工事";
    ExpectWritten<ZnAppDocFDOut13>("equipment_plan_change.xml");
}

TEST_F(ConfDocWriters, StructureConfirmation)
{
    confdoc::FillStructure(m_shell.SetConfirmation(new ZnModelAppStructConf));
    ExpectWritten<ZnAppDocFDOut14>("structure_confirmation.xml");
}

TEST_F(ConfDocWriters, StructurePlanChange)
{
    confdoc::FillStructure(m_shell.SetPlanChange(new ZnModelAppStructMod, new ZnModelAppStructMod));
    ExpectWritten<ZnAppDocFDOut14>("structure_plan_change.xml");
}

TEST_F(ConfDocWriters, BlankDocumentWritesEveryElementEmpty)
{
    // The number of the first group that is there; no application date, as the first is null.
    ZnModelApp* root = new ZnModelApp;
    ZnModelNumGroup group;
    group.m_firstNumber.m_number = "第7号";
    group.m_firstNumber.m_date = confdoc::Date(2010, 0, 3);
    root->m_header.m_localData.m_buildingNumGroups.AddTail(nullptr);
    root->m_header.m_localData.m_buildingNumGroups.AddCopy(group);
    m_shell.ReplaceModel(ZnShellState::appModelSlot, root);
    m_shell.docType = 1008;
    m_shell.docMode = 32787;
    m_shell.ReplaceModel(ZnShellState::formModelSlot, new ZnModelAppLiftMod);
    m_shell.ReplaceModel(ZnShellState::subFormModelSlot, new ZnModelAppLiftMod);
    ExpectWritten<ZnAppDocFDOut12>("lift_blank_plan_change.xml");
}
