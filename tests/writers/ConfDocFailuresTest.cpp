#include "tests/support/ScriptedUi.h"
#include "tests/writers/ConfDocTestData.h"

#include "model/ZnModelAppEquipConf.h"
#include "model/ZnModelAppLiftConf.h"
#include "model/ZnModelAppLiftMod.h"
#include "model/ZnModelAppStructMod.h"
#include "writers/xml/ZnAppDocFDOut12.h"
#include "writers/xml/ZnAppDocFDOut13.h"
#include "writers/xml/ZnAppDocFDOut14.h"

#include <functional>

using confdoc::ConfDocShell;

namespace {

const LPCTSTR fileName = "申請書データ.xml";

// Runs a write that must fail: one message box with the stop icon, and no file.
class ConfDocFailures : public ::testing::Test {
protected:
    void ExpectRefused(const std::function<void(const CString&)>& write, const CString& path, LPCTSTR message)
    {
        RecordingUi ui;
        write(path);
        ASSERT_EQ(1u, ui.messageBoxes.size());
        EXPECT_EQ(CString(message), ui.messageBoxes[0].text);
        EXPECT_EQ(UINT(MB_ICONSTOP), ui.messageBoxes[0].type & MB_ICONMASK);
        EXPECT_EQ("", m_output.Written(fileName));
    }
    void ExpectMissingModel(const std::function<void(const CString&)>& write)
    {
        ExpectRefused(write, m_output.WinPath(fileName), "申請書データの出力に必要な文書のデータがありません。");
    }

    ConfDocShell m_shell;
    confdoc::OutputFolder m_output;
};

void WriteLift(const CString& path) { ZnAppDocFDOut12::WriteXml(path, 1); }

} // namespace

TEST_F(ConfDocFailures, FileThatCannotBeOpenedIsReportedAndNothingIsWritten)
{
    m_shell.SetConfirmation(new ZnModelAppLiftConf);
    ExpectRefused(WriteLift, m_output.WinPath("missing\\申請書データ.xml"), "様式ファイルのオープンに失敗しました。");
}

TEST_F(ConfDocFailures, DocumentWithoutItsModelsIsReportedBeforeTheFileIsOpened)
{
    // No form model.
    ExpectMissingModel(WriteLift);
    // A form of another family.
    m_shell.SetConfirmation(new ZnModelAppEquipConf);
    ExpectMissingModel(WriteLift);
    ExpectMissingModel([](const CString& path) { ZnAppDocFDOut14::WriteXml(path, 1); });
    // No application root.
    m_shell.ReplaceModel(ZnShellState::appModelSlot, nullptr);
    ExpectMissingModel([](const CString& path) { ZnAppDocFDOut13::WriteXml(path, 1); });
}

TEST_F(ConfDocFailures, PlanChangeWithoutItsChangeRecordIsReported)
{
    m_shell.SetPlanChange(new ZnModelAppLiftMod, new ZnModelAppLiftMod);
    m_shell.ReplaceModel(ZnShellState::subFormModelSlot, nullptr);
    ExpectMissingModel(WriteLift);
    // A change record of another family is no change record of this one.
    m_shell.ReplaceModel(ZnShellState::subFormModelSlot, new ZnModelAppStructMod);
    ExpectMissingModel(WriteLift);
}
