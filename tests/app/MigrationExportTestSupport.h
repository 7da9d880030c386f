// Helpers for the tests of the migration export: a destination and a working folder of the
// test's own, the real zip library, and archives read back as names and data.
#pragma once

#include "tests/support/TempWorkingFolder.h"
#include "tests/writers/ZipTestSupport.h"

#include "app/ZnMigrationExport.h"

#include <deque>
#include <map>
#include <string>

namespace exporttest {

using ziptest::FileSizeLimit;
using ziptest::FolderNames;

// True when name is prefix followed by a time stamp from before to after (inclusive), then suffix.
bool IsStampedName(const std::string& name, const std::string& prefix, const std::string& suffix,
                   const std::string& before, const std::string& after);

// An export whose drive check meets the given errors first (ERROR_SUCCESS: something found)
// and then looks at the disk.
class ScriptedDriveExport : public ZnMigrationExport {
public:
    using ZnMigrationExport::ZnMigrationExport;
    mutable std::deque<DWORD> driveErrors;

protected:
    DWORD LookForEntries(const CString& pattern) const override;
};

// Every test: no library bound, message boxes recorded, a working folder and a destination of
// its own.
class MigrationExportTest : public ziptest::ZipTest {
protected:
    // Binds the real zip library of the build.
    void LoadRealZipLibrary();
    CString Destination() const;
    std::string DestinationPath(const std::string& relative = "") const;

    testsupport::TempWorkingFolder work_;
    ziptest::TempFolder destination_;
};

} // namespace exporttest
