// The application's code tables over the sample COM_CODE.mdb, for writer tests: the file is made
// in an application folder of its own, which the shell names, and the code-table access opened
// on it is the shell's for the lifetime of the object.
#pragma once

#include "tests/support/TempFolder.h"
#include "tests/support/TestShellState.h"

#include "platform/files/WinPath.h"
#include "storage/ZnAppComTblAccess.h"
#include "tools/sampledata/SampleCodeDatabases.h"

class SampleCodeTables {
public:
    explicit SampleCodeTables(testsupport::TestShellState& shell) : m_shell(shell)
    {
        MakeSampleComCode(m_folder.Path("COM_CODE.mdb"));
        m_shell.appFolder = LinuxPathToWin(m_folder.Path()).c_str();
        m_access.Init();
        m_shell.comTblAccess = &m_access;
    }
    ~SampleCodeTables() { m_shell.comTblAccess = nullptr; }
    SampleCodeTables(const SampleCodeTables&) = delete;
    SampleCodeTables& operator=(const SampleCodeTables&) = delete;

private:
    testsupport::TestShellState& m_shell;
    testsupport::TempFolder m_folder;
    ZnAppComTblAccess m_access;
};
