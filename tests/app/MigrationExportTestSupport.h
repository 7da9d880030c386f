// Helpers for the tests of the migration export: a destination and a working folder of the
// test's own, the real zip library, and archives read back as names and data.
#pragma once

#include "tests/support/TempWorkingFolder.h"
#include "tests/writers/ZipTestSupport.h"

#include "app/ZnMigrationExport.h"

#include <csignal>
#include <deque>
#include <sys/resource.h>
#include <map>
#include <string>

namespace exporttest {

// Holds the size of the files that the process writes to a limit, as a full disk would, for the
// life of the object; the signal of a write past the limit is ignored, so the write fails.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &previous_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = {bytes, previous_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit previous_;
    void (*previousHandler_)(int);
};

// The entries of an archive read back with minizip, in archive order, each as its name length
// (2 bytes, little-endian), its raw name, its data length (4 bytes) and its data.
std::string ArchiveEntries(const std::string& path);

// The names in a folder (not below it), UTF-8, sorted.
std::vector<std::string> FolderNames(const std::string& folder);

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
