// The folders that the reference-data export reads, in a temporary folder: com/ for
// APP_USER_REGIST.mdb, made by a database variant of tests/storage, and app/ with the sample
// COM_CODE.mdb, on which a test shell's code tables are opened.
#pragma once

#include "tests/storage/AppDatabaseFixture.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestShellState.h"

#include "platform/files/WinPath.h"
#include "storage/ZnAppComTblAccess.h"
#include "tools/sampledata/SampleCodeDatabases.h"

#include <sys/stat.h>

class ReferenceDataFolders {
public:
    // With codesLikeVariant, COM_CODE.mdb is an Access file when the variant's files are.
    ReferenceDataFolders(const AppDatabaseVariant& variant, bool codesLikeVariant) : m_variant(variant)
    {
        for (const char* name : {"com", "app"})
            mkdir(folder.Path(name).c_str(), 0777);
        MakeLike(codesLikeVariant ? variant : AppDatabaseVariants().front(), folder.Path("app/COM_CODE.mdb"),
                 [](const std::string& path) { MakeSampleComCode(path); });
        shell.appFolder = Windows("app");
        access.Init();
        shell.comTblAccess = &access;
    }

    // Makes com/APP_USER_REGIST.mdb from a schema and a file of rows under tests/data.
    void MakeUserRegist(const std::string& schema, const std::string& rows) const
    {
        m_variant.make(folder.Path("com/APP_USER_REGIST.mdb"), schema, rows);
    }
    CString Windows(const std::string& relative) const { return LinuxPathToWin(folder.Path(relative)).c_str(); }

    testsupport::TempFolder folder;
    testsupport::TestShellState shell;
    ZnAppComTblAccess access;

private:
    AppDatabaseVariant m_variant;
};
