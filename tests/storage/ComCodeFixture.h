// The fixture of the code-table tests: the sample COM_CODE.mdb in a test application folder, made
// by each database variant, with a test shell that names the folder, in a working folder of its
// own that takes the run log.
#pragma once

#include "tests/storage/AppDatabaseFixture.h"
#include "tests/support/TempWorkingFolder.h"

#include "platform/files/WinPath.h"
#include "platform/wnd/CComboBox.h"

class ComCodeSuite : public ::testing::TestWithParam<AppDatabaseVariant> {
protected:
    void SetUp() override;

    // The run log as the working folder holds it; empty when there is none.
    std::string RunLog() const;

    testsupport::TempWorkingFolder m_work;
    testsupport::TempFolder m_folder;
    testsupport::TestShellState m_shell;
};

// The texts of a combo box's items in order, as UTF-8 joined by "|".
std::string ComboTexts(const CComboBox& combo);
