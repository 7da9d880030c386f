// Building applications for the tests of the building confirmation writer, put into the model
// slots of a test shell: one with every person list holding several entries (with absent
// entries among them), the whole document that adds a filled site page, building pages with
// their floors and the accompanying lifts and structures, and one with every list empty and
// every value empty or zero.
#pragma once

#include "tests/support/TempFolder.h"
#include "tests/support/TestShellState.h"

#include "model/ZnModelAppBuildPage.h"

class ZnModelApp;
class ZnModelAppBuild;
class ZnModelAppSitePage;
class ZnModelAppWith;

namespace buildingsample {

const int confirmationDocType = 1000;
const int planChangeDocType = 1008;
const int applicationMode = 32786;
const int notificationMode = 32787;

// The application root and the building application of the populated sample.
ZnModelApp* PopulatedApp();
ZnModelAppBuild* PopulatedBuild();

// Puts the populated sample into the shell's slots with the given document type: a confirmation
// (1000) in the third slot for type 1000, the plan change for 1008.
void InstallPopulated(testsupport::TestShellState& shell, int docType);
// Puts the whole document into the slots: the persons of the populated sample, the filled site
// page, the filled building pages with the constructors of the populated sample's pages, and for
// type 1000 the filled accompanying lifts and structures.
void InstallWhole(testsupport::TestShellState& shell, int docType);
// Puts new, empty objects of the same classes into the slots.
void InstallEmpty(testsupport::TestShellState& shell, int docType);

// A test of the building writer: the shell whose active document it writes, and a folder for the
// files written, named by Windows paths as the writer names files.
class BuildingOutputTest : public ::testing::Test {
protected:
    // The Windows path of a file (a relative Windows path) in the folder, and its bytes.
    CString WinPath(LPCTSTR name) const;
    std::string Written(LPCTSTR name) const;
    bool Exists(LPCTSTR name) const;
    // The bytes of an expected file under tests/data/writers.
    static std::string Expected(const std::string& name);

    testsupport::TestShellState m_shell;
    testsupport::TempFolder m_folder;
};

} // namespace buildingsample
