#include "tests/storage/ComCodeFixture.h"

#include "tools/sampledata/SampleCodeDatabases.h"

#include <sys/stat.h>

void ComCodeSuite::SetUp()
{
    mkdir(m_folder.Path("app").c_str(), 0777);
    MakeLike(GetParam(), m_folder.Path("app/COM_CODE.mdb"), [](const std::string& path) { MakeSampleComCode(path); });
    m_shell.appFolder = CString(LinuxPathToWin(m_folder.Path("app")));
}

std::string ComCodeSuite::RunLog() const { return testsupport::ReadFileBytes(m_work.Work().Path("ravuRivo.log")); }

std::string ComboTexts(const CComboBox& combo)
{
    std::string texts;
    for (int i = 0; i < combo.GetCount(); ++i) {
        CString text;
        combo.GetLBText(i, text);
        texts += (i ? "|" : "") + Field(text);
    }
    return texts;
}
