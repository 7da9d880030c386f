// What an accepted floppy's records become: the rows of its contents, and the reception numbers
// and dates stored into the number groups of the document shown.
#include "tests/support/TestSupport.h"

#include "fdimport/ZnDlgAppUketukeConfirm.h"
#include "fdimport/ZnUketukeNumbers.h"
#include "model/ZnModelAppLocalData.h"

#include <gtest/gtest.h>

namespace {

ZnUketukeFile File(int code, std::vector<int> counts, std::vector<ZnUketukeFile::Record> records)
{
    ZnUketukeFile file;
    file.m_nCode = code;
    file.m_strCodeText.Format("%d", code);
    for (size_t i = 0; i < counts.size(); ++i)
        file.m_counts[i] = counts[i];
    file.m_records = std::move(records);
    return file;
}

// A list of groups whose reception and second numbers are named after the list and place.
void Fill(ZnModelNumGroupList& list, const char* name, int count)
{
    for (int i = 1; i <= count; ++i) {
        ZnModelNumGroup group;
        CString text;
        text.Format("%s%d", name, i);
        group.m_firstNumber.SetNumber(text);
        group.m_secondNumber.SetNumber(text + "-2");
        group.m_itemNumber = 10 + i;
        list.AddCopy(group);
    }
}

// Each group of a list as "number date|second", the date as era code, western year, month, day.
std::vector<CString> Groups(const ZnModelNumGroupList& list)
{
    std::vector<CString> groups;
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        const ZnModelNumGroup* group = list.GetNext(pos);
        const ZnModelDate& date = group->m_firstNumber.GetDate();
        CString text;
        text.Format("%s %s-%d-%d-%d|%s", LPCTSTR(group->m_firstNumber.GetNumber()),
                    LPCTSTR(date.GetYearCode().GetCode()), date.GetYearCode().m_year, date.GetMonth(), date.GetDay(),
                    LPCTSTR(group->m_secondNumber.GetNumber()));
        groups.push_back(text);
    }
    return groups;
}

class UketukeNumbers : public ::testing::Test {
protected:
    UketukeNumbers()
    {
        Fill(m_local.m_buildingNumGroups, "B", 5);
        Fill(m_local.m_liftNumGroups, "L", 2);
        Fill(m_local.m_equipmentNumGroups, "E", 1);
        Fill(m_local.m_secondLiftNumGroups, "Q", 1);
        Fill(m_local.m_structureNumGroups, "S", 1);
    }
    ZnUketukeNumbers::Result Store(const ZnUketukeFile& file, int docKind, bool notice = false)
    {
        return m_numbers.Store(file, docKind, notice, m_local);
    }
    // The groups of all five lists, unchanged ones as they were filled.
    std::vector<CString> All() const
    {
        std::vector<CString> all;
        for (const ZnModelNumGroupList* list :
             {&m_local.m_buildingNumGroups, &m_local.m_liftNumGroups, &m_local.m_equipmentNumGroups,
              &m_local.m_secondLiftNumGroups, &m_local.m_structureNumGroups})
            for (const CString& group : Groups(*list))
                all.push_back(group);
        return all;
    }

    ZnModelAppLocalData m_local;
    ZnUketukeNumbers m_numbers;
};

const std::vector<CString> kUntouched = {"B1 02-0-0-0|B1-2", "B2 02-0-0-0|B2-2", "B3 02-0-0-0|B3-2", "B4 02-0-0-0|B4-2",
                                         "B5 02-0-0-0|B5-2", "L1 02-0-0-0|L1-2", "L2 02-0-0-0|L2-2", "E1 02-0-0-0|E1-2",
                                         "Q1 02-0-0-0|Q1-2", "S1 02-0-0-0|S1-2"};

} // namespace

TEST(UketukeContents, ListsTheRecordsOfTheirTitlesNewestOnTop)
{
    ZnUketukeFile file = File(100001, {1, 2, 1, 1, 1},
                              {{"#110", "", "U0"},
                               {"#120", "", "X"},
                               {"#161", "", "U1"},
                               {"#161", "", "U2"},
                               {"#171", "", "U3"},
                               {"#181", "", "U4"},
                               {"#162", "", "U5"},
                               {"#130", "", "X"},
                               {"#140", "", "X"},
                               {"#240", "", "X"},
                               {"#170", "", "X"}});
    bool notice = false;
    std::vector<CString> rows;
    for (const auto& row : ZnDlgAppUketukeConfirm::ContentRows(file, notice))
        rows.push_back(row.title + "|" + row.number);
    EXPECT_EQ((std::vector<CString>{"工作物の昇降機 01|U5", "工作物(88-1) 01|U4", "建築設備 01|U3", "昇降機 02|U2",
                                    "昇降機 01|U1", "建築物 01|U0"}),
              rows);
    EXPECT_TRUE(notice);

    // An inspection lists its own record; the building's is stored, not listed.
    file = File(100101, {1}, {{"#110", "", "U0"}, {"#280", "", "U1"}, {"#210", "", "U2"}});
    std::vector<ZnDlgAppUketukeConfirm::ContentRow> inspection = ZnDlgAppUketukeConfirm::ContentRows(file, notice);
    ASSERT_EQ(1u, inspection.size());
    EXPECT_EQ("建築物 01", inspection[0].title);
    EXPECT_EQ("U1", inspection[0].number);
    EXPECT_FALSE(notice);
    // A notice outside a building confirmation is nothing.
    file = File(100002, {2}, {{"#240", "", "U0"}, {"#160", "", "U1"}});
    ASSERT_EQ(1u, ZnDlgAppUketukeConfirm::ContentRows(file, notice).size());
    EXPECT_FALSE(notice);
    file = File(100801, {1}, {{"#110", "", "U0"}});
    EXPECT_TRUE(ZnDlgAppUketukeConfirm::ContentRows(file, notice).empty());
}

TEST(UketukeContents, NumbersEachTitleWithAtLeastTwoDigits)
{
    ZnUketukeFile file = File(100306, {100}, {});
    for (int i = 0; i < 100; ++i)
        file.m_records.push_back({"#450", "", ""});
    bool notice = false;
    std::vector<ZnDlgAppUketukeConfirm::ContentRow> rows = ZnDlgAppUketukeConfirm::ContentRows(file, notice);
    ASSERT_EQ(100u, rows.size());
    EXPECT_EQ("工作物(88-2) 100", rows.front().title);
    EXPECT_EQ("工作物(88-2) 09", rows[91].title);
    EXPECT_EQ("工作物(88-2) 01", rows.back().title);
}

TEST_F(UketukeNumbers, GivesTheBuildingRecordToTheMainCountOfGroups)
{
    // Of several building records the last one wins, its date as a whole.
    ZnUketukeFile file =
        File(100001, {3, 1}, {{"#110", "160302", "U-old"}, {"#161", "170402", "L-a"}, {"#110", "170401", "U-110"}});
    ASSERT_EQ(ZnUketukeNumbers::stored, Store(file, 100001));
    std::vector<CString> expected = kUntouched;
    for (int i = 0; i < 3; ++i)
        expected[i].Format("U-110 02-2005-4-1|B%d-2", i + 1);
    expected[5] = "L-a 02-2005-4-2|L1-2";
    EXPECT_EQ(expected, All());
    EXPECT_EQ("U-110", m_numbers.m_strLastNumber);
    EXPECT_EQ("170401", m_numbers.m_strLastDate);
    EXPECT_TRUE(m_numbers.m_bStored);
}

TEST_F(UketukeNumbers, GivesEachObjectRecordToItsPlaceInItsList)
{
    ZnUketukeFile file = File(100001, {0, 2, 1, 1, 1},
                              {{"#161", "170402", "L-a"},
                               {"#171", "170403", "E-a"},
                               {"#161", "170404", "L-b"},
                               {"#181", "170405", "S-a"},
                               {"#162", "170406", "Q-a"},
                               {"#240", "170407", "K"},
                               {"#110", "170401", "U"}});
    ASSERT_EQ(ZnUketukeNumbers::stored, Store(file, 100001));
    EXPECT_EQ((std::vector<CString>{"B1 02-0-0-0|B1-2", "B2 02-0-0-0|B2-2", "B3 02-0-0-0|B3-2", "B4 02-0-0-0|B4-2",
                                    "B5 02-0-0-0|B5-2", "L-a 02-2005-4-2|L1-2", "L-b 02-2005-4-4|L2-2",
                                    "E-a 02-2005-4-3|E1-2", "Q-a 02-2005-4-6|Q1-2", "S-a 02-2005-4-5|S1-2"}),
              All());
    // Object records and a main count of 0 leave the register row alone.
    EXPECT_FALSE(m_numbers.m_bStored);
    EXPECT_EQ("", m_numbers.m_strLastNumber);
}

TEST_F(UketukeNumbers, CountsRecordsOfATagEvenWhenNoGroupTakesThem)
{
    // The lift count of 1 takes the first record only; the second counts on.
    ZnUketukeFile file =
        File(100001, {0, 1, 0, 0, 0}, {{"#161", "170402", "L-a"}, {"#161", "170403", "L-b"}, {"#161", "", "L-c"}});
    Store(file, 100001);
    EXPECT_EQ("L-a 02-2005-4-2|L1-2", All()[5]);
    EXPECT_EQ("L2 02-0-0-0|L2-2", All()[6]);
}

TEST_F(UketukeNumbers, StartsEachRecordFromAnEmptyDate)
{
    ZnUketukeFile file = File(100002, {3}, {{"#160", "170401", "A"}, {"#160", "", "B"}, {"#160", "1713x1", "C"}});
    m_local.m_documentKind.SetCode("100002");
    ASSERT_EQ(ZnUketukeNumbers::stored, Store(file, 100002));
    std::vector<CString> groups = Groups(m_local.m_buildingNumGroups);
    EXPECT_EQ("A 02-2005-4-1|B1-2", groups[0]);
    EXPECT_EQ("B 02-0-0-0|B2-2", groups[1]);
    // A part that is no number is no part; month 13 is stored unchecked.
    EXPECT_EQ("C 02-2005-13-0|B3-2", groups[2]);
    EXPECT_EQ("B4 02-0-0-0|B4-2", groups[3]);
    EXPECT_EQ("C", m_numbers.m_strLastNumber);
    EXPECT_EQ("1713x1", m_numbers.m_strLastDate);
}

TEST_F(UketukeNumbers, GivesANotificationTheNoticeAndReadsNoFurther)
{
    ZnUketukeFile file =
        File(100001, {2, 1, 0, 0, 0},
             {{"#110", "170401", "U"}, {"#240", "170409", "K"}, {"#161", "170402", "L"}, {"#240", "170410", "K2"}});
    ASSERT_EQ(ZnUketukeNumbers::stored, Store(file, 100801, true));
    std::vector<CString> expected = kUntouched;
    expected[0] = "K 02-2005-4-9|B1-2";
    expected[1] = "K 02-2005-4-9|B2-2";
    EXPECT_EQ(expected, All());
    EXPECT_EQ("K", m_numbers.m_strLastNumber);
    EXPECT_EQ("170409", m_numbers.m_strLastDate);
}

TEST_F(UketukeNumbers, RefusesAFloppyOfAnotherKindBeforeStoringAnything)
{
    // The building's record after the objects would have revealed the mismatch too late.
    ZnUketukeFile building = File(100001, {1, 1}, {{"#161", "170402", "L"}, {"#110", "170401", "U"}});
    EXPECT_EQ(ZnUketukeNumbers::kindMismatch, Store(building, 100201));
    // A notice first would have given a lift document the notification's number.
    ZnUketukeFile notice = File(100001, {1}, {{"#240", "170402", "K"}});
    EXPECT_EQ(ZnUketukeNumbers::kindMismatch, Store(notice, 100002, true));
    EXPECT_EQ(ZnUketukeNumbers::noConstructionNotice, Store(File(100001, {1}, {{"#110", "170401", "U"}}), 100801));
    EXPECT_EQ(ZnUketukeNumbers::kindMismatch, Store(File(100002, {1}, {{"#160", "170401", "L"}}), 100302));
    EXPECT_EQ(kUntouched, All());
    EXPECT_FALSE(m_numbers.m_bStored);
}

TEST_F(UketukeNumbers, StoresTheBuildingRecordOfAnInspectionAndThePlanChangesOwn)
{
    ZnUketukeFile interim =
        File(100101, {2}, {{"#110", "160302", "U-old"}, {"#280", "170402", "I"}, {"#110", "170401", "U"}});
    ASSERT_EQ(ZnUketukeNumbers::stored, Store(interim, 100101));
    EXPECT_EQ("U 02-2005-4-1|B2-2", All()[1]);
    EXPECT_EQ("B3 02-0-0-0|B3-2", All()[2]);
    ZnUketukeFile change = File(100301, {1}, {{"#110", "170401", "U"}, {"#410", "170403", "P"}});
    ASSERT_EQ(ZnUketukeNumbers::stored, Store(change, 100301));
    EXPECT_EQ("P 02-2005-4-3|B1-2", All()[0]);
    EXPECT_EQ("P", m_numbers.m_strLastNumber);
}

TEST_F(UketukeNumbers, StoresNothingForACodeWithoutTags)
{
    EXPECT_EQ(ZnUketukeNumbers::stored, Store(File(100801, {1}, {{"#110", "170401", "U"}}), 100801));
    EXPECT_EQ(ZnUketukeNumbers::stored, Store(File(100002, {0}, {}), 100002));
    EXPECT_EQ(kUntouched, All());
    EXPECT_FALSE(m_numbers.m_bStored);
}

TEST(UketukeRegisterDate, TakesOnlyCalendarDates)
{
    COleDateTime date(2001, 2, 3, 0, 0, 0);
    ASSERT_TRUE(ZnUketukeNumbers::RegisterDate("170401", date));
    EXPECT_EQ(COleDateTime(2005, 4, 1, 0, 0, 0), date);
    // The era year is added to 1988 as it stands, 0 too.
    ASSERT_TRUE(ZnUketukeNumbers::RegisterDate("000401", date));
    EXPECT_EQ(COleDateTime(1988, 4, 1, 0, 0, 0), date);
    ASSERT_TRUE(ZnUketukeNumbers::RegisterDate("170401", date));
    for (const char* text : {"171301", "170431", "17 401", "", "17", "ab0401"})
        EXPECT_FALSE(ZnUketukeNumbers::RegisterDate(text, date)) << text;
    EXPECT_EQ(COleDateTime(2005, 4, 1, 0, 0, 0), date);
}
