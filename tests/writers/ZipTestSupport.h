// Helpers for the tests of the zip packing and the zip library.
#pragma once

#include "tests/support/FileSizeLimit.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestSupport.h"

#include <ctime>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace ziptest {

using testsupport::TempFolder;

void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);

// Every file and folder below root, by path relative to root: a file's bytes, or "<folder>".
std::map<std::string, std::string> Snapshot(const std::string& root);

// Sets the file and folder times below root, and root's own, to a local time.
void SetTimes(const std::string& root, std::tm local);

// The entries of an archive read back with minizip, in archive order, each as version made by,
// version needed, flags, method, MS-DOS time and date (4), internal (2) and external (4)
// attributes, name length (2), the raw name, data length (4) and the data, all little-endian.
std::string ArchiveListing(const std::string& path);
// The entries of an archive by raw name, each with its data.
std::map<std::string, std::string> ArchiveEntries(const std::string& path);

// The names in a folder (not below it), sorted.
std::vector<std::string> FolderNames(const std::string& folder);

using testsupport::FileSizeLimit;

// "%Y%m%d%H%M%S" of a local time.
std::string Stamp(std::time_t time);

// The installation folder that LoadZipLibrary is given; nullptr: it cannot be read.
void SetInstallPath(const char* windowsPath);

// The folder of the zip library stand-in of a variant ("recording", "noarchive"), and of the
// real library.
std::string StubFolder(const std::string& variant);
std::string AppFolder();

using Messages_t = std::vector<std::pair<std::string, UINT>>;

// Starts every test with nothing bound, no message shown and the stand-ins' default answers.
class ZipTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // The message boxes shown so far: text and type.
    Messages_t Messages() const;
    void ClearMessages() { ui_.messageBoxes.clear(); }

    RecordingUi ui_;
};

} // namespace ziptest
