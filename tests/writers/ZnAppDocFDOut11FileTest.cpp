// 申請書データ.xml written whole by WriteXml: the head, the five faces and the end of the root,
// byte for byte against expected files and parsed as XML.
#include "tests/support/TestSupport.h"
#include "tests/writers/BuildingApplicationSample.h"
#include "tests/writers/SampleCodeTables.h"
#include "tests/writers/XmlCheck.h"

#include "writers/xml/ZnAppDocFDOut11.h"

using namespace buildingsample;
using testsupport::Hex;

namespace {

class BuildingFile : public BuildingOutputTest {};

} // namespace

// The whole document (filled site page, building pages with floors, accompanying lifts and
// structures) as a confirmation and as a plan change in the notification mode; the empty
// document without code tables, written whole and again from the start.
TEST_F(BuildingFile, WholeDocumentsByteForByte)
{
    struct Case {
        int docType, docMode;
        void (*install)(testsupport::TestShellState&, int);
        bool codeTables;
        const char* expected;
    };
    const Case cases[] = {
        {confirmationDocType, applicationMode, InstallWhole, true, "building_application_confirmation.xml"},
        {planChangeDocType, notificationMode, InstallWhole, true, "building_application_plan_change.xml"},
        {confirmationDocType, notificationMode, InstallEmpty, false, "building_application_empty.xml"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        SampleCodeTables codeTables(m_shell);
        if (!c.codeTables)
            m_shell.comTblAccess = nullptr; // as when none could be opened
        m_shell.docMode = c.docMode;
        c.install(m_shell, c.docType);
        for (int run = 0; run < 2; ++run) {
            ZnAppDocFDOut11::WriteXml(WinPath("申請書データ.xml"));
            std::string file = Written("申請書データ.xml");
            EXPECT_EQ(Hex(Expected(c.expected)), Hex(file));
            EXPECT_TRUE(xmlcheck::IsWellFormed(file));
        }
    }
}
