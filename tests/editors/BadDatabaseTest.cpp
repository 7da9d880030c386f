// Every editor over a reference database that it cannot use as it is: missing, not a database at
// all, or an Access file, which this build reads and never writes.
#include "tests/editors/EditorTestSupport.h"
#include "tests/storage/AppDatabaseFixture.h"

#include "res/CommonDataIds.h"
#include "storage/AppDatabaseSchemas.h"

namespace {

using BadDatabase = EditorTest;

INSTANTIATE_TEST_SUITE_P(Editors, BadDatabase, ::testing::ValuesIn(EditorCases()),
                         [](const auto& info) { return info.param.name; });

// The one message shown, which must hold every one of the parts.
void ExpectOneMessage(std::vector<std::string> messages, std::initializer_list<std::string> parts)
{
    ASSERT_EQ(static_cast<size_t>(1), messages.size());
    for (const std::string& part : parts)
        EXPECT_NE(std::string::npos, messages[0].find(part)) << messages[0];
}

} // namespace

TEST_P(BadDatabase, AMissingDatabaseIsReportedAndTheListStaysEmpty)
{
    Answer();
    Open("");
    ExpectOneMessage(Messages(), {"APP_USER_REGIST.mdb", "[exclamation]"});
    EXPECT_EQ(std::vector<std::string>{}, Listed());
    EXPECT_EQ(0, Editor().GetMode());
}

TEST_P(BadDatabase, AFileThatIsNoDatabaseIsReportedAndTheListStaysEmpty)
{
    testsupport::WriteFileBytes(folder.Path("com/APP_USER_REGIST.mdb"), std::string(4096, 'x'));
    Answer();
    Open("");
    ExpectOneMessage(Messages(), {"[exclamation]"});
    EXPECT_EQ(std::vector<std::string>{}, Listed());
}

// An Access file lists its rows; every change ends in the read-only error with the input still
// there and the file unchanged byte for byte.
TEST_P(BadDatabase, AnAccessFileIsListedAndNeverChanged)
{
    const std::string path = folder.Path("com/APP_USER_REGIST.mdb");
    AppDatabaseVariants().back().make(path, appUserRegistSchema, "editors/AppUserRegistRows.sql");
    const std::string bytes = testsupport::ReadFileBytes(path);
    Open("");
    EXPECT_EQ(std::vector<std::string>{}, Messages());
    EXPECT_EQ(Case().listed, Listed());

    Click(IDC_CD_NEW);
    TypeInput();
    const std::string typed = Fields();
    Answer();
    Click(IDC_CD_REGISTER);
    Select(Case().listed[1]);
    Answer();
    Answer();
    Click(IDC_CD_DELETE);
    std::vector<std::string> messages = Messages();
    ASSERT_EQ(static_cast<size_t>(3), messages.size());
    EXPECT_NE(std::string::npos, messages[0].find("[exclamation]")) << messages[0];
    EXPECT_EQ(messages[0], messages[2]);
    EXPECT_EQ(1, Editor().GetMode());
    EXPECT_EQ(typed, Fields());

    Click(IDC_CD_EDIT);
    Type(Case().keyId, u8"変更");
    Answer();
    Click(IDC_CD_REGISTER);
    EXPECT_EQ(std::vector<std::string>{messages[0]}, Messages());
    EXPECT_EQ(2, Editor().GetMode());
    EXPECT_EQ(Case().listed, Listed());
    EXPECT_EQ(bytes, testsupport::ReadFileBytes(path));
}
