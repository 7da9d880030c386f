#include "tests/writers/WriterTestSupport.h"

#include "tests/support/TabbedCases.h"
#include "tests/support/TestSupport.h"

#include "model/ZnModelDocKinds.h"
#include "platform/files/WinPath.h"
#include "platform/files/WinStdio.h"
#include "writers/xml/ZnAppDocFDOut11.h"
#include "writers/xml/ZnAppDocFDOut12.h"
#include "writers/xml/ZnAppDocFDOut13.h"
#include "writers/xml/ZnAppDocFDOut14.h"
#include "writers/xml/ZnAppDocFDOut15.h"
#include "writers/xml/ZnAppDocFDOut16.h"
#include "writers/xml/ZnAppDocFDOut30.h"

#include <sstream>

namespace writertest {

WriterShell::WriterShell() { Put(appModelSlot, "ZnModelApp"); }

void WriterShell::Put(int slot, const std::string& className)
{
    ReplaceModel(slot, className.empty() ? nullptr : ZnModelDocKinds::CreateSlotObject(className.c_str()));
}

void WriterShell::Install(const std::string& document)
{
    for (const auto& row : testsupport::ReadTabbedCases("writers/documents.txt")) {
        if (row.at(0).Bytes() != document)
            continue;
        Put(formModelSlot, row.at(1).Bytes());
        Put(subFormModelSlot, row.at(2).Bytes());
        docType = atoi(row.at(3));
        docMode = atoi(row.at(4));
        objKind = atoi(row.at(5));
        if (row.at(6) == "no")
            codeTables.reset();
        testsupport::LoadFromBytes(testsupport::ReadHexFixture("writers/documents/" + document + ".hex"),
                                   [&](CArchive& ar) {
                                       for (int slot : {appModelSlot, formModelSlot, subFormModelSlot})
                                           if (GetModel(slot))
                                               GetModel(slot)->Serialize(ar);
                                   });
        return;
    }
    ADD_FAILURE() << "no stored document " << document;
}

ZnWriteOutcome Write(const std::string& writer, const CString& path)
{
    std::istringstream words(writer);
    std::string name;
    int number = 0;
    words >> name;
    if (name == "FDOut30") {
        words >> number;
        return ZnAppDocFDOut30::WriteXml(number, 0, path);
    }
    ZnWriteOutcome (*const faces[])(LPCTSTR) = {ZnAppDocFDOut11::WriteFirstFace, ZnAppDocFDOut11::WriteSecondFace,
                                                ZnAppDocFDOut11::WriteThirdFace, ZnAppDocFDOut11::WriteFourthFace,
                                                ZnAppDocFDOut11::WriteFifthFace};
    ZnWriteOutcome outcome = ZnWriteOutcome::written;
    if (name == "faces")
        while (outcome == ZnWriteOutcome::written && words >> number)
            outcome = faces[number - 1](path);
    if (name == "entries" || name == "lift") {
        words >> number;
        FILE* file = WinFopen(path, "w");
        EXPECT_TRUE(file);
        if (!file)
            return ZnWriteOutcome::told;
        if (name == "lift")
            ZnAppDocFDOut11::WriteLiftOutlineList(file);
        else
            ZnAppDocFDOut11::WriteListEntries(file, number);
        fclose(file);
    }
    if (name == "FDOut11")
        outcome = ZnAppDocFDOut11::WriteXml(path);
    if (name == "FDOut12")
        outcome = ZnAppDocFDOut12::WriteXml(path, 1);
    if (name == "FDOut13")
        outcome = ZnAppDocFDOut13::WriteXml(path, 1);
    if (name == "FDOut14")
        outcome = ZnAppDocFDOut14::WriteXml(path, 1);
    if (name == "FDOut15")
        outcome = ZnAppDocFDOut15::WriteXml(path, 1);
    if (name == "FDOut16")
        outcome = ZnAppDocFDOut16::WriteXml(path, 1, CString(), CString());
    return outcome;
}

CString OutputFolder::WinPath(LPCTSTR name) const
{
    return CString(LinuxPathToWin(m_folder.Path()).c_str()) + "\\" + name;
}

std::string OutputFolder::Written(LPCTSTR name) const
{
    return testsupport::ReadFileBytes(WinPathToLinux(WinPath(name)));
}

std::string Expected(const std::string& name)
{
    return testsupport::ReadFileBytes(testsupport::DataPath("writers/" + name));
}

} // namespace writertest
