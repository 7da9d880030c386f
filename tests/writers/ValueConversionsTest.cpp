#include "tests/support/TabbedCases.h"

#include "model/ZnModelApp.h"
#include "writers/ZnAppDocFDOut00.h"

#include <map>

namespace {

ZnModelDate MakeDate(int year, int month, int day, const char* eraCode = "02")
{
    ZnModelDate date;
    date.m_yearCode.m_year = year;
    date.m_yearCode.SetCode(eraCode);
    date.SetMonth(month);
    date.SetDay(day);
    return date;
}

// A building number group whose first number carries the date; its second number another one.
ZnModelNumGroup GroupDated(const ZnModelDate& date)
{
    ZnModelNumGroup group;
    group.m_firstNumber.SetDate(date);
    group.m_secondNumber.SetDate(MakeDate(1999, 12, 31));
    return group;
}

// The three parts of the application date.
std::vector<CString> DateParts(const ZnModelApp* app)
{
    return {ZnAppDocFDOut00::GetShinseiDatePart(app, 0), ZnAppDocFDOut00::GetShinseiDatePart(app, 1),
            ZnAppDocFDOut00::GetShinseiDatePart(app, 2)};
}

using Parts = std::vector<CString>;

} // namespace

TEST(ShinseiDatePart, TakesTheFirstNumberOfTheFirstBuildingGroup)
{
    ZnModelApp app;
    ZnModelNumGroupList& groups = app.m_header.m_localData.m_buildingNumGroups;
    EXPECT_EQ((Parts{"", "", ""}), DateParts(&app));
    EXPECT_EQ((Parts{"", "", ""}), DateParts(nullptr));

    groups.AddCopy(GroupDated(MakeDate(2010, 9, 3)));
    groups.AddCopy(GroupDated(MakeDate(2011, 10, 11)));
    EXPECT_EQ((Parts{"2010", "09", "03"}), DateParts(&app));
    EXPECT_EQ(CString(), ZnAppDocFDOut00::GetShinseiDatePart(&app, 3));
    EXPECT_EQ(CString(), ZnAppDocFDOut00::GetShinseiDatePart(&app, -1));

    // A month of 0 empties every part; a year or day of 0 empties its own part.
    groups.GetHead()->m_firstNumber.SetDate(MakeDate(2010, 0, 3));
    EXPECT_EQ((Parts{"", "", ""}), DateParts(&app));
    groups.GetHead()->m_firstNumber.SetDate(MakeDate(0, 4, 0));
    EXPECT_EQ((Parts{"", "04", ""}), DateParts(&app));
    groups.GetHead()->m_firstNumber.SetDate(MakeDate(987, 12, 31));
    EXPECT_EQ((Parts{"0987", "12", "31"}), DateParts(&app));

    // A null first group gives no date, whatever follows it.
    groups.AddHead(static_cast<CObject*>(nullptr));
    EXPECT_EQ((Parts{"", "", ""}), DateParts(&app));
}

TEST(ValueConversions, RemoveLineBreaksDropsLineFeedsWithTheirCarriageReturnsOnly)
{
    EXPECT_EQ(CString("abcd"), ZnAppDocFDOut00::RemoveLineBreaks("ab\r\ncd"));
    EXPECT_EQ(CString("ab"), ZnAppDocFDOut00::RemoveLineBreaks("a\r\n\r\nb\r\n"));
    EXPECT_EQ(CString("abc"), ZnAppDocFDOut00::RemoveLineBreaks("abc"));
    EXPECT_EQ(CString(), ZnAppDocFDOut00::RemoveLineBreaks(""));
    EXPECT_EQ(CString(), ZnAppDocFDOut00::RemoveLineBreaks("\n\r\n"));
    // A lone line feed goes alone: the character before it stays whole (表 is 95 5C).
    EXPECT_EQ(CString("\x95\x5C\x83\x5C"
                      "ab"),
              ZnAppDocFDOut00::RemoveLineBreaks("\x95\x5C\n\x83\x5C\na\nb"));
    // A carriage return without a line feed is no line break; two before one line feed lose one.
    EXPECT_EQ(CString("a\rb\rc"), ZnAppDocFDOut00::RemoveLineBreaks("a\rb\r\r\nc"));
}

TEST(ValueConversions, CompareNumberCountsValuesCloserThanAThousandthAsEqual)
{
    struct Row {
        double a;
        const char* op;
        double b;
        int result;
    };
    const Row rows[] = {
        {1.0, "==", 1.0009, 1}, {1.0, ">=", 1.0009, 1}, {1.0, "<", 1.0009, 0}, {1.0, ">", 1.0009, 0},
        {1.0, "!=", 1.0009, 0}, {1.0, "<", 1.002, 1},   {1.0, "<=", 1.002, 1}, {1.0, "!=", 1.002, 1},
        {1.0, ">=", 1.002, 0},  {2.0, ">", 1.0, 1},     {1.0, "=<", 2.0, 0},   {1.0, "", 1.0, 0},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.result, ZnAppDocFDOut00::CompareNumber(row.a, row.op, row.b)) << row.a << row.op << row.b;
}

TEST(ValueConversions, BlankZeroTextEmptiesTheSevenWrittenZerosOnly)
{
    for (const char* zero : {"0", "0.0", "0.00", "0.000", "0.0000", "0.00000", "0.000000"})
        EXPECT_EQ(CString(), ZnAppDocFDOut00::BlankZeroText(zero)) << zero;
    for (const char* kept : {"0.0000000", "00", "0.10", "-0", "-0.00", "0.", " 0", "1", "", "０"})
        EXPECT_EQ(CString(kept), ZnAppDocFDOut00::BlankZeroText(kept)) << kept;
}

TEST(ValueConversions, FormatEraDate6WritesEraYearMonthAndDay)
{
    EXPECT_EQ(CString("070401"), ZnAppDocFDOut00::FormatEraDate6(MakeDate(1995, 4, 1, "02")));
    EXPECT_EQ(CString("700401"), ZnAppDocFDOut00::FormatEraDate6(MakeDate(1995, 4, 1, "01")));
    EXPECT_EQ(CString("010108"), ZnAppDocFDOut00::FormatEraDate6(MakeDate(1989, 1, 8, "02")));
    EXPECT_EQ(CString("220000"), ZnAppDocFDOut00::FormatEraDate6(MakeDate(2010, 0, 0, "")));
    EXPECT_EQ(CString(), ZnAppDocFDOut00::FormatEraDate6(MakeDate(0, 0, 0, "01")));
}

TEST(ValueConversions, CodeTablesGiveTheirWordsAndTheirFallbacks)
{
    const std::map<std::string, CString (*)(const CString&)> conversions = {
        {"structure", ZnAppDocFDOut00::GetStructureKindName},   {"buildType", ZnAppDocFDOut00::GetBuildTypeDigit},
        {"architect", ZnAppDocFDOut00::GetArchitectClassName},  {"urbanPlan", ZnAppDocFDOut00::GetUrbanPlanAreaName},
        {"areaDivision", ZnAppDocFDOut00::GetAreaDivisionName},
    };
    auto cases = testsupport::ReadTabbedCases("writers/code_words.txt");
    for (const auto& fields : cases) {
        ASSERT_EQ(3u, fields.size());
        EXPECT_EQ(fields[2], conversions.at(fields[0].Bytes())(fields[1])) << fields[0] << " " << fields[1];
    }
    EXPECT_EQ(42u, cases.size());
}
