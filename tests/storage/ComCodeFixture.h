// The fixture of the code-table tests: the sample COM_CODE.mdb in a test application folder, as
// a SQLite file and as an Access (Jet 4) file, with a test shell that names the folder, in a
// working folder of its own that takes the run log.
#pragma once

#include "tests/storage/AppDatabaseFixture.h"
#include "tests/support/TempWorkingFolder.h"

#include "platform/files/WinPath.h"
#include "platform/wnd/CComboBox.h"

struct ComCodeVariant {
    std::string name;
    // Whether the file can be changed (an Access file is read only).
    bool writable;
    // Makes the sample COM_CODE.mdb at a Linux path, its rows then edited.
    std::function<void(const std::string& path, const std::vector<RowEdit>& edits)> make;
};

void PrintTo(const ComCodeVariant& variant, std::ostream* os);

std::vector<ComCodeVariant> ComCodeVariants();

class ComCodeSuite : public ::testing::TestWithParam<ComCodeVariant> {
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
