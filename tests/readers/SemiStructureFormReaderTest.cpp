// The semi-structure form's own rules and the header that its readers build from the index.
#include "tests/readers/KindReaderSupport.h"

using readertest::CaseFolder;
using readertest::ReadApp;

TEST(ZnOldSemiStructureFormReaders, NumberEveryBuildingGroupOneWithoutAccompanyingGroups)
{
    for (LPCTSTR code : {"100006", "100306"}) {
        SCOPED_TRACE(code);
        CaseFolder folder("3", "");
        folder.Form("Ksq001.190", "");
        folder.Form("Ksq001.450", "");
        std::unique_ptr<ZnOldFormReader> reader = folder.Reader(code);
        reader->SetBuildingNo(9);
        reader->m_withSentinel = "1";
        std::unique_ptr<ZnModelApp> app = ReadApp(*reader);
        ASSERT_TRUE(app);
        std::string group = "(1, (, 02 0-0-0, ), (, 02 0-0-0, ))\n";
        EXPECT_EQ(std::string("headerNumber: 7\ndocumentKind: ") + code +
                      "\nfirstLocalNumber: 0\nbuildingNumGroups[0]: " + group + "buildingNumGroups[1]: " + group +
                      "buildingNumGroups[2]: " + group,
                  readertest::HeaderListing(*app));
        EXPECT_EQ(CString("0"), reader->m_indexColumns[ZnOldFormReader::columnLifts]);
        EXPECT_EQ(CString("0"), reader->m_withSentinel);
    }
}

TEST(ZnOldSemiStructureFormReaders, LeaveOtherMattersEmptyWhenTheStructureRecordEndsBeforeIt)
{
    CaseFolder folder;
    folder.Form("Ksq001.190",
                "#19060,\"U\",\"用途\",\"3\",\"01603\",\"改\",\"1\",\"2\",\"\",\"4\",\"5\",\"\",\"事項\"\n"
                "#19060,\"V\",\"用途\",\"3\",\"\",\"\",\"1\",\"2\",\"\",\"4\",\"5\",\"\"\n");
    std::unique_ptr<ZnModelApp> app = ReadApp(*folder.Reader("100006"));
    ASSERT_TRUE(app);
    const ZnModelAppSemiStr& semi = *static_cast<ZnModelAppSemiStr*>(app.get());
    EXPECT_EQ(CString("V"), semi.m_usageCode.GetCode());
    EXPECT_EQ(CString(""), semi.m_structNote);
    EXPECT_EQ(1, semi.m_rebuildFlag);
    EXPECT_EQ(5, semi.m_otherStructCount);
}
