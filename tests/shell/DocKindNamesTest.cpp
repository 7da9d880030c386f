#include "tests/support/TabbedCases.h"

#include "shell/ZnDocKindNames.h"

#include <map>
#include <utility>

using ZnDocKindNames::DocKindName;
using ZnDocKindNames::MakeFormFileName;
using ZnDocKindNames::EraCodeToName;
using ZnDocKindNames::EraNameToCode;

namespace {

const int applicationMode = 32786;
const int notificationMode = 32787;

// The names of every code, from the table worked out by hand: code to (application name,
// notification name).
std::map<int, std::pair<CString, CString>> ExpectedNames()
{
    std::map<int, std::pair<CString, CString>> names;
    for (const auto& fields : testsupport::ReadTabbedCases("shell/doc_kind_names.txt"))
        names[atoi(fields.at(0))] = {fields.at(1), fields.at(2)};
    return names;
}

} // namespace

TEST(ZnDocKindNames, EveryCodeHasItsNamesInBothSetsAndNoOtherCodeHasAName)
{
    std::map<int, std::pair<CString, CString>> expected = ExpectedNames();
    ASSERT_EQ(41u, expected.size());
    for (int code : {0, 1, 99999, 999999, 1000000, -100001}) {
        EXPECT_EQ(CString(), DocKindName(code, applicationMode, 1)) << code;
        EXPECT_EQ(CString(), DocKindName(code, notificationMode, 1)) << code;
    }
    for (int code = 100000; code <= 300001; code = code == 100999 ? 300000 : code + 1) {
        auto row = expected.find(code);
        CString application = row == expected.end() ? CString() : row->second.first;
        CString notification = row == expected.end() ? CString() : row->second.second;
        EXPECT_EQ(application, DocKindName(code, applicationMode, 1)) << code;
        EXPECT_EQ(application, DocKindName(code, applicationMode, 3)) << code;
        // Every mode other than the application mode selects the notification set.
        for (int mode : {notificationMode, 0, 32785, 1})
            EXPECT_EQ(notification, DocKindName(code, mode, 1)) << code << " mode " << mode;
    }
}

TEST(ZnDocKindNames, Variant22ShortensArticle88StructuresOnly)
{
    EXPECT_EQ(CString("確認申請書（工作物）"), DocKindName(100004, applicationMode, 22));
    EXPECT_EQ(CString("確認申請書（工作物（法88条1項））"), DocKindName(100004, applicationMode, 1));
    EXPECT_EQ(CString("特定工程工事終了通知書（工作物）"), DocKindName(100106, notificationMode, 22));
    EXPECT_EQ(CString("計画変更確認申請書（工作物）"), DocKindName(100306, applicationMode, 22));
    EXPECT_EQ(CString("工事完了通知書（工作物）"), DocKindName(100204, notificationMode, 22));
    // Names without an Article 88 marker stay whole, the structure lift among them.
    EXPECT_EQ(CString("確認申請書（工作物の昇降機）"), DocKindName(100005, applicationMode, 22));
    EXPECT_EQ(CString("建築工事届"), DocKindName(100801, applicationMode, 22));
    EXPECT_EQ(CString(), DocKindName(100803, notificationMode, 22));
    EXPECT_EQ(CString(), DocKindName(100007, applicationMode, 22));
}

TEST(ZnDocKindNames, FormFileNameTakesThePrefixOfTheModeAndARightAlignedNumber)
{
    EXPECT_EQ(CString("Ka001.110"), MakeFormFileName(110, applicationMode));
    EXPECT_EQ(CString("Ka001.240"), MakeFormFileName(240, applicationMode));
    EXPECT_EQ(CString("Ke001. 99"), MakeFormFileName(99, notificationMode));
    EXPECT_EQ(CString("Ke001.  5"), MakeFormFileName(5, 0));
    EXPECT_EQ(CString("Ka001.1000"), MakeFormFileName(1000, applicationMode));
}

TEST(ZnDocKindNames, EraNamesAndCodesKnowShowaAndTakeEverythingElseForHeisei)
{
    int era = 0;
    EXPECT_EQ(CString("01"), EraNameToCode("昭和", &era));
    EXPECT_EQ(3, era);
    EXPECT_EQ(CString("02"), EraNameToCode("明治", &era));
    EXPECT_EQ(4, era);
    EXPECT_EQ(CString("昭和"), EraCodeToName("01", &era));
    EXPECT_EQ(3, era);
    EXPECT_EQ(CString("平成"), EraCodeToName("03", &era));
    EXPECT_EQ(4, era);
    EXPECT_EQ(CString("平成"), EraCodeToName("", nullptr));
}
