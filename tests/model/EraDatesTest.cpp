#include "model/ZnModelDate.h"
#include "tests/model/ModelTestSupport.h"

#include <climits>

using modeltest::Fixture;

namespace {

ZnModelDate MakeDate(int year, int month, int day)
{
    ZnModelDate date;
    date.m_yearCode.m_year = year;
    date.m_month = month;
    date.m_day = day;
    return date;
}

void ExpectDate(const ZnModelDate& date, const char* eraCode, int year, int month, int day)
{
    EXPECT_EQ(CString(eraCode), date.m_yearCode.GetCode());
    EXPECT_EQ(year, date.m_yearCode.m_year);
    EXPECT_EQ(month, date.m_month);
    EXPECT_EQ(day, date.m_day);
}

} // namespace

// The era and the era-coded text of dates around the starts of the eras, and of invalid dates
// (era 0 here): those have no text form.
TEST(ZnModelDate, EraAndTextFormAroundTheStartsOfTheEras)
{
    const struct {
        int year, month, day;
        int era;
        const char* text;
    } cases[] = {
        {1867, 1, 1, 1, "  18670101"}, {1912, 7, 29, 1, "  19120729"}, {1912, 7, 30, 2, "  19120730"},
        {1912, 8, 1, 2, "  19120801"}, {1920, 5, 3, 2, "  19200503"},  {1926, 12, 24, 2, "  19261224"},
        {1926, 12, 25, 3, "01011225"}, {1985, 12, 31, 3, "01601231"},  {1989, 1, 7, 3, "01640107"},
        {1989, 1, 8, 4, "02010108"},   {1989, 2, 1, 4, "02010201"},    {1990, 4, 1, 4, "02020401"},
        {2020, 1, 1, 4, "02320101"},   {2020, 2, 29, 4, "02320229"},   {1990, 2, 30, 0, ""},
        {0, 4, 1, 0, ""},              {1990, 0, 0, 0, ""},            {2019, 2, 29, 0, ""},
        {1990, 13, 1, 0, ""},          {99, 1, 1, 0, ""},              {0, 0, 1, 0, ""},
        // Values from a damaged file: the month and day sum and the era year must not overflow.
        {INT_MIN, INT_MAX, INT_MAX, 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
        ZnModelDate date = MakeDate(c.year, c.month, c.day);
        if (c.era) {
            EXPECT_EQ(c.era, date.GetEra());
        }
        EXPECT_EQ(c.era != 0, date.IsValid());
        EXPECT_EQ(CString(c.text), date.GetDateString());
    }

    ZnModelDate empty;
    EXPECT_EQ(CString("02"), empty.m_yearCode.GetCode());
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_TRUE(empty.IsValid());
    EXPECT_EQ(-1, empty.GetEra());
    EXPECT_EQ(CString(""), empty.GetDateString());
    EXPECT_EQ(0.0, empty.GetOleDate().m_dt);
    EXPECT_EQ(COleDateTime::valid, empty.GetOleDate().GetStatus());
}

TEST(ZnModelDate, OleDateCountsDaysFromTheEndOf1899)
{
    EXPECT_EQ(2.0, MakeDate(1900, 1, 1).GetOleDate().m_dt);
    EXPECT_EQ(32874.0, MakeDate(1990, 1, 1).GetOleDate().m_dt);
    EXPECT_EQ(COleDateTime::invalid, MakeDate(1990, 2, 30).GetOleDate().GetStatus());
}

// Era-coded texts set one after the other on one date, each with the date it leaves.
TEST(ZnModelDate, SetDateStringReadsEraCodedText)
{
    const struct {
        const char* text;
        const char* eraCode;
        int year, month, day;
    } steps[] = {
        {"02020401", "02", 1990, 4, 1},
        {"01601231", "01", 1985, 12, 31},
        {"020204019", "02", 1990, 4, 1}, // characters after the eighth are ignored
        {"02 2 4 1", "02", 1990, 4, 1},  // each two-character field is read as atoi reads it
        {"02ab0401", "02", 1988, 4, 1},  // no digits: era year 0, the year before the era's first
        {nullptr, "02", 1988, 4, 1},     // null changes nothing
        {"03020401", "", 0, 0, 0},       // an unknown era code empties the date
        {"02020401", "02", 1990, 4, 1},
        {"0202", "", 0, 0, 0}, // so does a short text
    };
    ZnModelDate date;
    for (const auto& step : steps) {
        SCOPED_TRACE(step.text ? step.text : "null");
        date.SetDateString(step.text);
        ExpectDate(date, step.eraCode, step.year, step.month, step.day);
    }
    date.SetDateString("02ab0401");
    EXPECT_EQ(CString("01630401"), date.GetDateString());
}

// Each era number adds the year before its first to the era year; another era number takes the
// year as western, and nothing is checked.
TEST(ZnModelDate, SetEraDateAddsTheFirstYearOfTheEra)
{
    const struct {
        int eraYear, month, day, era;
        const char* eraCode;
        int year;
    } cases[] = {
        {1, 2, 3, 1, "", 1868},  {45, 7, 30, 2, "", 1956},    {0, 12, 31, 3, "01", 1925},
        {31, 4, 30, 4, "02", 2019}, {2000, 13, 40, 7, "", 2000}, {0, 0, 0, -1, "", 0},
    };
    ZnModelDate date;
    for (const auto& c : cases) {
        date.SetEraDate(c.eraYear, c.month, c.day, c.era);
        ExpectDate(date, c.eraCode, c.year, c.month, c.day);
    }
}

TEST(ZnModelYearCode, ConvertsOnlyTheErasWithAnEraCode)
{
    ZnModelYearCode year;
    EXPECT_EQ(CString("02"), year.GetCode());
    EXPECT_EQ(1927, year.SetEraYear(2, 3));
    EXPECT_EQ(1927, year.m_year);
    EXPECT_EQ(1990, year.SetEraYear(2, 4));
    EXPECT_EQ(1990, year.m_year);
    EXPECT_EQ(2, year.GetEraYear(4));
    EXPECT_EQ(65, year.GetEraYear(3));
    EXPECT_EQ(1990, year.GetEraYear(0));
    EXPECT_EQ(1990, year.GetEraYear(2));
    EXPECT_EQ(1990, year.GetEraYear(5));
    EXPECT_EQ(1990, year.GetEraYear(-1));

    EXPECT_EQ(5, year.SetEraYear(5, 7)); // no era: nothing stored
    EXPECT_EQ(5, year.SetEraYear(5, -1));
    EXPECT_EQ(1990, year.m_year);
    EXPECT_EQ(12, year.SetEraYear(12, 1));
    EXPECT_EQ(12, year.m_year);
    EXPECT_EQ(0, year.SetEraYear(0, 4));
    EXPECT_EQ(0, year.m_year);
    EXPECT_EQ(0, year.GetEraYear(4));

    year.m_year = INT_MIN; // from a damaged file: wraps instead of overflowing
    EXPECT_EQ(INT_MAX - 1987, year.GetEraYear(4));
}

// Every class level of the date and of its year code writes its reference; the second date
// refers back to the classes the first one named.
TEST(ZnModelDate, StoresItsYearCodeBetweenItsReferencesAndMonthAndDay)
{
    ZnModelDate first = MakeDate(1990, 4, 1);
    ZnModelDate second = MakeDate(1985, 12, 31);
    second.m_yearCode.SetCode("01");
    auto serialize = [&](CArchive& ar) {
        first.Serialize(ar);
        second.Serialize(ar);
    };
    EXPECT_EQ(testsupport::Hex(Fixture("dates.hex")), testsupport::Hex(testsupport::StoreToBytes(serialize)));
    first = second = ZnModelDate();
    second.m_yearCode.SetCode("");
    modeltest::LoadAll(Fixture("dates.hex"), serialize);
    ExpectDate(first, "02", 1990, 4, 1);
    ExpectDate(second, "01", 1985, 12, 31);
}
