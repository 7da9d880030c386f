// A temporary working folder for a test: the current folder while the object lives (so that a
// run log "ravuRivo.log" lands there), with drive C mapped to a second temporary folder; the
// previous folder and the default drive table come back at the end.
#pragma once

#include "platform/files/WinDrive.h"
#include "tests/support/TempFolder.h"

#include <cstdlib>
#include <stdexcept>
#include <unistd.h>

namespace testsupport {

class TempWorkingFolder {
public:
    TempWorkingFolder() : m_previous(getcwd(nullptr, 0))
    {
        if (!m_previous || chdir(m_work.Path().c_str()) != 0)
            throw std::runtime_error("cannot enter a temporary working folder");
        SetDriveFolder('C', m_driveC.Path());
    }
    ~TempWorkingFolder()
    {
        ResetDriveTable();
        if (chdir(m_previous) != 0)
            std::abort();
        std::free(m_previous);
    }
    TempWorkingFolder(const TempWorkingFolder&) = delete;
    TempWorkingFolder& operator=(const TempWorkingFolder&) = delete;

    const TempFolder& Work() const { return m_work; }
    const TempFolder& DriveC() const { return m_driveC; }

private:
    char* m_previous;
    TempFolder m_work;
    TempFolder m_driveC;
};

} // namespace testsupport
