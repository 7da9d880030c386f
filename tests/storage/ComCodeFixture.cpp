#include "tests/storage/ComCodeFixture.h"

#include "platform/core/Cp932.h"
#include "tools/sampledata/SampleCodeDatabases.h"

#include <cstdio>
#include <sys/stat.h>

void PrintTo(const ComCodeVariant& variant, std::ostream* os) { *os << variant.name; }

std::vector<ComCodeVariant> ComCodeVariants()
{
    return {{"Sqlite", true,
             [](const std::string& path, const std::vector<RowEdit>& edits) {
                 MakeSampleComCode(path);
                 EditSqliteRows(path, edits);
             }},
            {"Jet4", false, [](const std::string& path, const std::vector<RowEdit>& edits) {
                 std::string source = path + ".source";
                 MakeSampleComCode(source);
                 CopyToJetFile(source, path, JetVersion::Jet4, edits);
                 std::remove(source.c_str());
             }}};
}

void ComCodeSuite::SetUp()
{
    mkdir(m_folder.Path("app").c_str(), 0777);
    GetParam().make(m_folder.Path("app/COM_CODE.mdb"), {});
    m_shell.appFolder = CString(LinuxPathToWin(m_folder.Path("app")));
}

std::string ComCodeSuite::RunLog() const { return testsupport::ReadFileBytes(m_work.Work().Path("ravuRivo.log")); }

std::string ComboTexts(const CComboBox& combo)
{
    std::string texts;
    for (int i = 0; i < combo.GetCount(); ++i) {
        CString text;
        combo.GetLBText(i, text);
        texts += (i ? "|" : "") + cp932::ToUtf8(text.Bytes());
    }
    return texts;
}
