// What the floppy-output dialog tests share: a shell with the application's document-kind names,
// the UTF-8 form of a text, the entries of a folder, a page's form file, and numbered findings.
#pragma once

#include "tests/support/ScriptedUi.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestShellState.h"
#include "tests/support/TestSupport.h"

#include "model/ZnModelApp.h"
#include "model/ZnModelNumGroup.h"
#include "platform/core/Cp932.h"
#include "platform/files/CArchive.h"
#include "platform/files/WinPath.h"
#include "shell/ZnDocKindNames.h"

#include <dirent.h>
#include <string>
#include <vector>

namespace fdtest {

// A test shell that answers document-kind names with the application's table.
class NamesShell : public testsupport::TestShellState {
public:
    CString DocKindName(int code, int mode, int variant) const override
    {
        return ZnDocKindNames::DocKindName(code, mode, variant);
    }
};

using testsupport::Utf8;

// The names in a Linux folder, without "." and "..".
inline std::vector<std::string> FolderEntries(const std::string& folder)
{
    std::vector<std::string> names;
    if (DIR* dir = opendir(folder.c_str())) {
        while (dirent* entry = readdir(dir))
            if (std::string(entry->d_name) != "." && std::string(entry->d_name) != "..")
                names.push_back(entry->d_name);
        closedir(dir);
    }
    return names;
}

// The bytes of a form file as a page loads it: an application whose date (the one the page shows)
// is the era-coded date, then the form object.
inline std::string FormFileBytes(const char* eraDate, ZnModel& form)
{
    ZnModelApp app;
    ZnModelNum number;
    ZnModelDate date;
    date.SetDateString(eraDate);
    number.SetDate(date);
    ZnModelNumGroup* group = new ZnModelNumGroup;
    group->SetFirstNum(number);
    app.m_header.m_localData.m_buildingNumGroups.AddTail(group);
    return testsupport::StoreToBytes([&](CArchive& ar) {
        app.Serialize(ar);
        form.Serialize(ar);
    });
}

// Findings 1 to count of the check-result list, each naming its item number.
inline std::vector<CString> NumberedFindings(int count)
{
    std::vector<CString> findings;
    for (int n = 1; n <= count; ++n) {
        CString finding;
        finding.Format("第三面：項目%dが未入力です。", n);
        findings.push_back(finding);
    }
    return findings;
}

} // namespace fdtest
