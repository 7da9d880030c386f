// The values from the old index that every reader writes into its document.
#include "tests/readers/ReaderTestSupport.h"

#include "model/ZnModelAppBuildConf.h"
#include "model/ZnModelAppBuildMod.h"
#include "model/ZnModelAppDemNotif.h"
#include "readers/VhString.h"

using readertest::TestReader;

namespace {

// A reader holding the index values of a building confirmation without accompanying ones.
class IndexedReader : public TestReader {
public:
    IndexedReader()
    {
        m_indexColumns[columnHeaderNumber] = "12";
        m_indexColumns[columnBuildings] = "9";
        for (int column = columnLifts; column <= columnStructures; ++column)
            m_indexColumns[column] = "0";
        m_withSentinel = "0";
        m_appTypeCode = "100001";
    }
};

template <typename E> void AddElement(ZnModelList<E>& list, int leadingValue)
{
    E* element = new E;
    element->m_leadingValue = leadingValue;
    list.AddTail(element);
}

// A building confirmation of three buildings numbered 5, 6 and 7, with accompanying lifts,
// equipment and structures, and a header and date that the index values replace.
void MakeBuildConf(ZnModelAppBuildConf& app)
{
    for (int number : {5, 6, 7}) {
        ZnModelAppBuildPage* page = new ZnModelAppBuildPage;
        page->m_buildingNumber = number;
        app.m_buildPageList.AddTail(page);
    }
    AddElement(app.m_with.m_liftList, 11);
    AddElement(app.m_with.m_liftList, 12);
    AddElement(app.m_with.m_equipList, 21);
    AddElement(app.m_with.m_liftList2, 31);
    AddElement(app.m_with.m_structList, 41);
    AddElement(app.m_with.m_structList, 42);
    app.m_header.m_firstText = "old";
    app.m_header.m_localData.m_secondLocalNumber = 3;
    app.m_header.m_localData.m_liftNumGroups.AddTail(new ZnModelNumGroup);
    app.m_applicationDate.SetDateString("02020401");
}

ZnModelNumGroup* NewGroup(int itemNumber, LPCTSTR number)
{
    ZnModelNumGroup* group = new ZnModelNumGroup;
    group->m_itemNumber = itemNumber;
    group->m_firstNumber.SetNumber(number);
    group->m_firstNumber.m_date.SetDateString("02200101");
    group->m_firstNumber.SetFurtherText("issuer");
    return group;
}

std::vector<int> ItemNumbers(const ZnModelNumGroupList& groups)
{
    std::vector<int> numbers;
    for (POSITION pos = groups.GetHeadPosition(); pos;)
        numbers.push_back(groups.GetNext(pos)->m_itemNumber);
    return numbers;
}

std::vector<CString> FirstNumbers(const ZnModelNumGroupList& groups)
{
    std::vector<CString> numbers;
    for (POSITION pos = groups.GetHeadPosition(); pos;)
        numbers.push_back(groups.GetNext(pos)->m_firstNumber.m_number);
    return numbers;
}

} // namespace

TEST(ZnOldFormReader, HeaderOfABuildingApplicationCarriesItsPagesNumbers)
{
    ZnModelAppBuildConf app;
    MakeBuildConf(app);
    IndexedReader reader;
    EXPECT_EQ(1, reader.SetAppHeader(&app));
    const ZnModelAppHeader& header = app.m_header;
    EXPECT_EQ(CString(""), header.m_firstText);
    EXPECT_EQ(12, header.m_headerNumber);
    const ZnModelAppLocalData& local = header.m_localData;
    EXPECT_EQ(CString("100001"), local.m_documentKind.GetCode());
    EXPECT_EQ(std::vector<int>({5, 6, 7}), ItemNumbers(local.m_buildingNumGroups));
    EXPECT_EQ(0, local.m_firstLocalNumber);
    EXPECT_EQ(0, local.m_secondLocalNumber);
    EXPECT_TRUE(local.m_liftNumGroups.IsEmpty());
    EXPECT_TRUE(local.m_equipmentNumGroups.IsEmpty());
    EXPECT_TRUE(local.m_secondLiftNumGroups.IsEmpty());
    EXPECT_TRUE(local.m_structureNumGroups.IsEmpty());
    EXPECT_EQ(CString(""), app.m_applicationDate.GetDateString());

    for (int column = ZnOldFormReader::columnLifts; column <= ZnOldFormReader::columnStructures + 1; ++column) {
        IndexedReader accompanied;
        if (column <= ZnOldFormReader::columnStructures)
            accompanied.m_indexColumns[column] = "1";
        else
            accompanied.m_withSentinel = "";
        accompanied.SetAppHeader(&app);
        EXPECT_EQ(1, local.m_firstLocalNumber) << column;
        EXPECT_EQ(std::vector<int>({11, 12}), ItemNumbers(local.m_liftNumGroups));
        EXPECT_EQ(std::vector<int>({21}), ItemNumbers(local.m_equipmentNumGroups));
        EXPECT_EQ(std::vector<int>({31}), ItemNumbers(local.m_secondLiftNumGroups));
        EXPECT_EQ(std::vector<int>({41, 42}), ItemNumbers(local.m_structureNumGroups));
    }
}

TEST(ZnOldFormReader, HeaderOfOtherDocumentsCarriesTheBuildingNumber)
{
    ZnModelAppDemNotif notification;
    IndexedReader reader;
    reader.m_indexColumns[ZnOldFormReader::columnBuildings] = "3";
    reader.m_indexColumns[ZnOldFormReader::columnEquipment] = "2";
    reader.SetAppHeader(&notification);
    const ZnModelAppLocalData& local = notification.m_header.m_localData;
    EXPECT_EQ(std::vector<int>({1, 1, 1}), ItemNumbers(local.m_buildingNumGroups));
    EXPECT_EQ(1, local.m_firstLocalNumber);
    EXPECT_TRUE(local.m_equipmentNumGroups.IsEmpty());

    reader.SetBuildingNo(4);
    reader.m_indexColumns[ZnOldFormReader::columnBuildings] = "2";
    reader.SetAppHeader(&notification);
    EXPECT_EQ(std::vector<int>({4, 4}), ItemNumbers(local.m_buildingNumGroups));
    for (LPCTSTR count : {"0", "-1", "", "x"}) {
        reader.m_indexColumns[ZnOldFormReader::columnBuildings] = count;
        reader.SetAppHeader(&notification);
        EXPECT_TRUE(local.m_buildingNumGroups.IsEmpty()) << count;
    }

    ZnModelAppBuildMod change;
    reader.SetAppHeader(&change);
    EXPECT_EQ(1, change.m_header.m_localData.m_firstLocalNumber);
    EXPECT_TRUE(change.m_header.m_localData.m_buildingNumGroups.IsEmpty());
}

TEST(ZnOldFormReader, ApplicationDateComesFromTheFirstFurtherRow)
{
    // A date text too short to read clears the date, era code included; no text keeps the
    // default date.
    struct Case {
        std::vector<LPCTSTR> dates;
        LPCTSTR dateText;
        LPCTSTR eraCode;
    };
    const Case cases[] = {
        {{}, "", "02"},
        {{"220903", "230101"}, "02220903", "02"},
        {{"", "230101"}, "", "02"},
        {{"2209"}, "", ""},
    };
    for (const Case& c : cases) {
        ZnModelAppDemNotif notification;
        notification.m_applicationDate.SetDateString("02020401");
        IndexedReader reader;
        for (LPCTSTR date : c.dates)
            reader.m_rowLists[ZnOldFormReader::rowColumnDate].AddTail(date);
        reader.SetAppHeader(&notification);
        EXPECT_EQ(CString(c.dateText), notification.m_applicationDate.GetDateString());
        EXPECT_EQ(CString(c.eraCode), notification.m_applicationDate.GetYearCode().GetCode());
    }
    ZnModelAppDemNotif notification;
    IndexedReader reader;
    reader.m_rowLists[ZnOldFormReader::rowColumnDate].AddTail("220903");
    reader.SetAppHeader(&notification);
    EXPECT_EQ(2010, notification.m_applicationDate.GetYearCode().m_year);
    EXPECT_EQ(9, notification.m_applicationDate.GetMonth());
    EXPECT_EQ(3, notification.m_applicationDate.GetDay());
    EXPECT_EQ(4, notification.m_applicationDate.GetEra());
}

TEST(ZnOldFormReader, CommonValuesFillTheGroupsThatRowNumbersReach)
{
    ZnModelAppDemNotif notification;
    ZnModelNumGroupList& groups = notification.m_header.m_localData.m_buildingNumGroups;
    groups.AddTail(NewGroup(0, "old1"));
    groups.AddTail(NewGroup(7, "old2"));
    groups.AddTail(NewGroup(0, "old3"));
    IndexedReader reader;
    reader.m_appTypeCode = "100802";
    reader.m_rowNumbers.Add("R-1");
    reader.m_rowNumbers.Add("R-2");
    reader.SetBuildingNo(2);
    EXPECT_EQ(1, reader.SetAppCommon(&notification));
    EXPECT_EQ(12, notification.m_header.m_headerNumber);
    EXPECT_EQ(CString("100802"), notification.m_header.m_localData.m_documentKind.GetCode());
    EXPECT_EQ(std::vector<int>({2, 7, 0}), ItemNumbers(groups));
    EXPECT_EQ(std::vector<CString>({"R-1", "R-2", "old3"}), FirstNumbers(groups));
    const ZnModelNum& first = groups.GetHead()->m_firstNumber;
    EXPECT_TRUE(first.m_date.IsEmpty());
    EXPECT_EQ(CString(""), first.m_furtherText);
    const ZnModelNum& third = groups.GetTail()->m_firstNumber;
    EXPECT_EQ(CString("02200101"), third.m_date.GetDateString());
    EXPECT_EQ(CString("issuer"), third.m_furtherText);
}

TEST(ZnOldFormReader, CommonValuesKeepTheBuildingPagesNumbers)
{
    ZnModelAppBuildConf app;
    MakeBuildConf(app);
    IndexedReader reader;
    reader.m_rowNumbers.Add("R-1");
    reader.m_rowNumbers.Add("R-2");
    reader.m_rowNumbers.Add("R-3");
    reader.SetAppHeader(&app);
    reader.SetBuildingNo(1);
    reader.SetAppCommon(&app);
    const ZnModelNumGroupList& groups = app.m_header.m_localData.m_buildingNumGroups;
    EXPECT_EQ(std::vector<int>({5, 6, 7}), ItemNumbers(groups));
    EXPECT_EQ(std::vector<CString>({"R-1", "R-2", "R-3"}), FirstNumbers(groups));
}

TEST(ZnOldFormReader, CommonValuesMakeAGroupWhenThereIsNone)
{
    struct Case {
        int rowNumbers;
        int indexPosition;
        LPCTSTR firstNumber;
    };
    const Case cases[] = {{2, 1, "R-1"}, {2, 2, "R-2"}, {2, 3, ""}, {0, 1, ""}, {2, 0, ""}, {2, -5, ""}};
    for (const Case& c : cases) {
        ZnModelAppDemNotif notification;
        TestReader reader;
        for (int i = 1; i <= c.rowNumbers; ++i)
            reader.m_rowNumbers.Add(CString("R-") + IntToString(i));
        reader.m_indexPosition = c.indexPosition;
        reader.SetAppCommon(&notification);
        const ZnModelNumGroupList& groups = notification.m_header.m_localData.m_buildingNumGroups;
        EXPECT_EQ(std::vector<int>({1}), ItemNumbers(groups));
        EXPECT_EQ(std::vector<CString>({c.firstNumber}), FirstNumbers(groups)) << c.indexPosition;
    }
}

TEST(ZnOldFormReader, KindValuesTouchOnlyTheHeaderNumberAndTheCode)
{
    ZnModelAppDemNotif notification;
    notification.m_applicationDate.SetDateString("02020401");
    notification.m_header.m_firstText = "kept";
    IndexedReader reader;
    reader.m_rowNumbers.Add("R-1");
    EXPECT_EQ(1, reader.SetAppKind(&notification));
    EXPECT_EQ(12, notification.m_header.m_headerNumber);
    EXPECT_EQ(CString("100001"), notification.m_header.m_localData.m_documentKind.GetCode());
    EXPECT_EQ(CString("kept"), notification.m_header.m_firstText);
    EXPECT_TRUE(notification.m_header.m_localData.m_buildingNumGroups.IsEmpty());
    EXPECT_EQ(CString("02020401"), notification.m_applicationDate.GetDateString());
    EXPECT_EQ(1, reader.SetAppKind(nullptr));
    EXPECT_EQ(1, reader.SetAppCommon(nullptr));
    EXPECT_EQ(1, reader.SetAppHeader(nullptr));
}
