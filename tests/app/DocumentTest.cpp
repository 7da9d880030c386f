#include "tests/app/ShellTestSupport.h"

#include "model/ZnModelApp.h"
#include "model/ZnModelAppBuild.h"
#include "model/ZnModelAppBuildConf.h"
#include "platform/files/WinPath.h"

using testsupport::Hex;
using testsupport::ReadFileBytes;
using testsupport::ReadHexFixture;
using testsupport::TempFolder;
using testsupport::WriteFileBytes;

namespace {

class ZnAppProDocTest : public ::testing::Test {
protected:
    CString Windows(const std::string& name) const { return CString(LinuxPathToWin(m_folder.Path(name))); }

    // A document whose slots hold empty objects of a building confirmation.
    void PrepareBuildingConfirmation()
    {
        m_document.ReplaceModel(CZnAppProDoc::appModel, new ZnModelApp);
        m_document.ReplaceModel(CZnAppProDoc::formModel, new ZnModelAppBuild);
        m_document.ReplaceModel(CZnAppProDoc::subFormModel, new ZnModelAppBuildConf);
    }

    TempFolder m_folder;
    ScriptedUi m_ui;
    CZnAppProDoc m_document;
};

} // namespace

TEST_F(ZnAppProDocTest, EmptySlotsAreLeftOutOfTheFile)
{
    WriteFileBytes(m_folder.Path("Ka001.110"), ReadHexFixture("model/build_conf_document.hex"));
    PrepareBuildingConfirmation();
    m_document.SetModifiedFlag(TRUE);
    ASSERT_TRUE(m_document.OnOpenDocument(Windows("Ka001.110")));
    EXPECT_FALSE(m_document.IsModified());

    m_document.DeleteSubFormModel();
    EXPECT_EQ(nullptr, m_document.GetSubFormModel());
    ASSERT_TRUE(m_document.OnSaveDocument(Windows("two.110")));
    EXPECT_EQ(Hex(ReadHexFixture("app/build_conf_two_slots.hex")),
              Hex(ReadFileBytes(m_folder.Path("two.110"))));

    m_document.DeleteFormModel();
    ASSERT_TRUE(m_document.OnSaveDocument(Windows("one.110")));
    EXPECT_EQ(Hex(ReadHexFixture("app/build_conf_first_slot.hex")),
              Hex(ReadFileBytes(m_folder.Path("one.110"))));

    // A file of the first slot alone loads into a document that holds only an application.
    CZnAppProDoc single;
    single.ReplaceModel(CZnAppProDoc::appModel, new ZnModelApp);
    ASSERT_TRUE(single.OnOpenDocument(Windows("one.110")));
    ASSERT_TRUE(single.OnSaveDocument(Windows("one again.110")));
    EXPECT_EQ(ReadFileBytes(m_folder.Path("one.110")), ReadFileBytes(m_folder.Path("one again.110")));
}
