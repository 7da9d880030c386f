// The structure form's own rules: one working structure for its structure and kind records,
// kinds of a further structure, and the two items of the process end date.
#include "tests/readers/KindReaderSupport.h"

using readertest::CaseFolder;
using readertest::ReadApp;

namespace {

// The object that the structure confirmation reader makes of the form text.
std::unique_ptr<ZnModelApp> ReadStructureForm(const std::string& form, LPCTSTR code = "100004")
{
    CaseFolder folder;
    folder.Form("Ksq001.180", form);
    folder.Form("Ksq001.440", "");
    return ReadApp(*folder.Reader(code));
}

const ZnModelAppStruct& Of(const std::unique_ptr<ZnModelApp>& app)
{
    return *static_cast<ZnModelAppStruct*>(app.get());
}

} // namespace

TEST(ZnOldStructureFormReaders, AddTheKindsOfTheStructureAndKindRecordsInEitherOrder)
{
    const std::string structure = "#18060,\"3\",\"K\",\"塔\",\"1\",\"鉄\",\"01601\",\"\",\"備\"\n";
    const std::string kind = "#18065,\"01699\",\"その他\"\n";
    std::unique_ptr<ZnModelApp> first = ReadStructureForm(structure + kind);
    std::unique_ptr<ZnModelApp> second = ReadStructureForm(kind + structure);
    ASSERT_TRUE(first && second);
    for (const ZnModelStruct* s : {&Of(first).m_structure, &Of(second).m_structure}) {
        EXPECT_EQ(1, s->m_newBuild);
        EXPECT_EQ(0, s->m_extension);
        EXPECT_EQ(0, s->m_rebuild);
        EXPECT_EQ(1, s->m_otherKind);
        EXPECT_EQ(CString("その他"), s->m_otherKindText);
        EXPECT_EQ(3, s->m_leadingValue);
    }
}

TEST(ZnOldStructureFormReaders, GiveTheProcessEndDateOfTheLastOfItsTwoItems)
{
    std::unique_ptr<ZnModelApp> app =
        ReadStructureForm("#18240,\"4\",\"02120101\",\"検査\"\n#18090,\"2\",\"02100815\",\"中間\"\n");
    ASSERT_TRUE(app);
    EXPECT_EQ(2, Of(app).m_specStageDate.m_count);
    EXPECT_EQ(CString("中間"), Of(app).m_specStageDate.m_name);
}

TEST(ZnOldStructureFormReaders, NumberTheBuildingByTheLastStructureOnlyInAConfirmation)
{
    const std::string form = "#18060,\"3\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\n"
                             "#18230,\"5\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\n";
    std::unique_ptr<ZnModelApp> conf = ReadStructureForm(form);
    std::unique_ptr<ZnModelApp> mod = ReadStructureForm(form, "100304");
    std::unique_ptr<ZnModelApp> none = ReadStructureForm("#18100,\"備考\"\n");
    ASSERT_TRUE(conf && mod && none);
    EXPECT_EQ(3, Of(conf).m_structure.m_leadingValue);
    EXPECT_EQ(readertest::IndexHeader("100004", 5), readertest::HeaderListing(*conf));
    EXPECT_EQ(readertest::IndexHeader("100304", 1), readertest::HeaderListing(*mod));
    EXPECT_EQ(readertest::IndexHeader("100004", 1), readertest::HeaderListing(*none));
}
