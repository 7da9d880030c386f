// The notification and temporary-use readers' own cases: each a small form file and the values
// it gives beside the common ones, and the version tests.
#include "tests/readers/BoundedChild.h"
#include "tests/readers/NotifFormSupport.h"

#include "model/ZnModelAppConstNotif.h"
#include "model/ZnModelAppDemNotif.h"
#include "model/ZnModelAppSafeNotif.h"
#include "model/ZnModelAppTempUseConf.h"
#include "readers/ZnOldFormReaderConstNotif.h"
#include "readers/ZnOldFormReaderDemNotif.h"
#include "readers/ZnOldFormReaderSafeNotif.h"
#include "readers/ZnOldFormReaderTempUseConf.h"

#include <functional>

using namespace notiftest;

namespace {

// A form file's text and what it sets on a document of the common values only.
template <typename T> struct Case {
    const char* text;
    std::function<void(T&)> expect;
};

template <typename T> void ExpectCases(const Form& form, const std::vector<Case<T>>& cases)
{
    for (const Case<T>& c : cases) {
        std::unique_ptr<T> expected = Defaults<T>(form.code);
        if (c.expect)
            c.expect(*expected);
        std::unique_ptr<ZnModelApp> read = ReadText(form, c.text);
        ASSERT_TRUE(read) << c.text;
        EXPECT_EQ(Stored(*expected), Stored(*read)) << c.text;
    }
}

// The version test's answer for a data version in the index and a form file of the given text
// (none when null).
template <typename Reader> int VersionAnswer(const Form& form, const char* version, const char* formText)
{
    OldFolder old(form, formText);
    Reader reader;
    reader.m_basePath = readertest::WinFolder(old.folder.Path());
    reader.m_formFolder = "Keikaku\\";
    reader.m_appTypeCode = form.code;
    reader.m_indexColumns[ZnOldFormReader::columnVersion] = version;
    return reader.IsVersionOK();
}

ZnModelAppStrNotif Building(int number, LPCTSTR use)
{
    ZnModelAppStrNotif building;
    building.m_number = number;
    building.m_use.SetCode(use);
    building.m_multiUse.SetCode("m");
    building.m_partStructure.SetCode("s");
    building.m_area = 1.5;
    building.m_count1 = 1;
    building.m_count2 = 2;
    building.m_count3 = 3;
    return building;
}

ZnModelAppStrNotif WithDwelling(ZnModelAppStrNotif building)
{
    building.m_housing1.SetCode("h1");
    building.m_housing2.SetCode("h2");
    building.m_housing3.SetCode("h3");
    building.m_housing4.SetCode("h4");
    building.m_housingCount1 = 1;
    building.m_housingArea1 = 0.5;
    building.m_housingCount2 = 2;
    building.m_housingArea2 = 1.5;
    building.m_housingCount3 = 3;
    building.m_housingArea3 = 2.5;
    building.m_housingCount4 = 4;
    building.m_housingArea4 = 3.5;
    return building;
}

#define BUILDING(n, use) "#24060,\"" #n "\",\"" use "\",\"m\",\"s\",\"1.5\",\"1\",\"2\",\"3\"\r\n"
#define DWELLING(n)                                                                                                    \
    "#24080,\"" #n "\",\"h1\",\"h2\",\"h3\",\"h4\",\"1\",\"0.5\",\"2\",\"1.5\",\"3\",\"2.5\",\"4\",\"3.5\"\r\n"
#define CONTRACTOR(code) "#" code ",\"name\",\"office\",\"100-0001\",\"address\",\"03-1234-5678\"\r\n"

ZnModelConstructor Contractor()
{
    ZnModelConstructor contractor;
    contractor.m_name = Name("name");
    contractor.m_individualData = Person(Name("office"), "100", "0001", "address", "03", "1234", "5678");
    return contractor;
}

} // namespace

TEST(ZnOldFormReaderConstNotif, ReadsTheBuildingsAndTheDemolitionPartAsTheirRecordsCome)
{
    using Notif = ZnModelAppConstNotif;
    ExpectCases<Notif>(
        constNotif,
        {
            {"/* title */\r\n#24000,\"6.40\"\r\n", nullptr},
            {"#24060,\"1\",\"u\",\"m\",\"s\",\"1.5\",\"1\",\"2\"\r\n", nullptr},
            {BUILDING(1, "u"), [](Notif& n) { n.m_buildings.AddCopy(Building(1, "u")); }},
            {BUILDING(1, "u") BUILDING(2, "v") DWELLING(2),
             [](Notif& n) {
                 n.m_buildings.AddCopy(Building(1, "u"));
                 n.m_buildings.AddCopy(WithDwelling(Building(2, "v")));
             }},
            {DWELLING(1) BUILDING(1, "u"), [](Notif& n) { n.m_buildings.AddCopy(Building(1, "u")); }},
            {BUILDING(1, "u") BUILDING(1, "v") DWELLING(1),
             [](Notif& n) {
                 n.m_buildings.AddCopy(WithDwelling(Building(1, "u")));
                 n.m_buildings.AddCopy(Building(1, "v"));
             }},
            {"#24050,\"01812\",\"u\"\r\n",
             [](Notif& n) {
                 n.m_mainUse.m_category = 2;
                 n.m_mainUse.m_usage.SetCode("u");
             }},
            {"#24050,\"1812\",\"u\"\r\n", [](Notif& n) { n.m_mainUse.m_usage.SetCode("u"); }},
            {"#24090,\"01812\",\"u\"\r\n#24100,\"3\"\r\n#24160,\"9\"\r\n", nullptr},
            {"#24090,\"01812\",\"u\"\r\n#24100,\"3\"\r\n#24160,\"9\"\r\n" CONTRACTOR("24920") "#24120,\"5\"\r\n",
             [](Notif& n) {
                 n.m_demolition.m_present = 1;
                 n.m_demolition.m_mainUse.m_category = 2;
                 n.m_demolition.m_mainUse.m_usage.SetCode("u");
                 n.m_demolition.m_cause.SetCode("3");
                 n.m_demolition.m_value = 9;
                 n.m_demolition.m_contractor = Contractor();
             }},
            {CONTRACTOR("24920"), [](Notif& n) { n.m_demolition.m_contractor = Contractor(); }},
        });
}

TEST(ZnOldFormReaderConstNotif, ReadsThePeriodNumbersFromTheDigitsTheFieldHolds)
{
    struct {
        const char* digits;
        int first;
        int second;
    } const periods[] = {{"0306", 3, 6}, {"1211", 12, 11}, {"030", 3, 0}, {"3", 3, 0}, {"", 0, 0}, {"ab12", 0, 12}};
    for (const auto& period : periods) {
        std::string text = std::string("#24030,\"02200401\",\"02210331\",\"") + period.digits + "\"\r\n";
        std::unique_ptr<ZnModelApp> app = ReadText(constNotif, text);
        ASSERT_TRUE(app);
        const ZnModelAppConstNotif& notif = static_cast<const ZnModelAppConstNotif&>(*app);
        EXPECT_EQ(period.first, notif.m_periodA) << period.digits;
        EXPECT_EQ(period.second, notif.m_periodB) << period.digits;
        EXPECT_EQ(4, notif.m_periodStart.GetMonth());
        EXPECT_EQ(31, notif.m_periodEnd.GetDay());
    }
}

// A floppy of many buildings and dwelling parts reads in time: a dwelling part finds the first
// building of its number without walking every building.
TEST(ZnOldFormReaderConstNotif, ManyBuildingsAndDwellingPartsReadInTime)
{
    std::string text;
    for (int i = 0; i < 30000; ++i)
        text += "#24060,1,a,b,c,1,1,1,1\r\n";
    for (int i = 0; i < 18000; ++i)
        text += "#24080,2,a,b,c,d,1,1,1,1,1,1,1,1\r\n";
    OldFolder old(constNotif, (text + "#24080,1,a,b,c,d,7,1,1,1,1,1,1,1\r\n").c_str());
    EXPECT_EQ("true", readertest::RunBounded(
                          [&] {
                              std::unique_ptr<ZnModelApp> app = ReadFolder(old.folder.Path(), constNotif);
                              const auto* notif = dynamic_cast<const ZnModelAppConstNotif*>(app.get());
                              return notif && notif->m_buildings.GetCount() == 30000 &&
                                     notif->m_buildings.GetHead()->m_housingCount1 == 7 &&
                                     notif->m_buildings.GetTail()->m_housingCount1 == 0;
                          },
                          1024, 10));
}

TEST(ZnOldFormReaderDemNotif, ReadsTheContractorUsageAndCounts)
{
    using Notif = ZnModelAppDemNotif;
    ExpectCases<Notif>(demNotif, {
                                     {"#25000,\"6.40\"\r\n", nullptr},
                                     {"#25900,\"name\",\"office\",\"100-0001\",\"address\"\r\n", nullptr},
                                     {CONTRACTOR("25900"), [](Notif& n) { n.m_contractor = Contractor(); }},
                                     {"#25030,\"01813\",\"u\"\r\n#25030,\"01814\",\"v\"\r\n",
                                      [](Notif& n) {
                                          n.m_mainUse.m_category = 3;
                                          n.m_mainUse.m_usage.SetCode("v");
                                      }},
                                     {"#25060,\"3\"\r\n#25060,\"5\"\r\n", [](Notif& n) { n.m_buildingCount = 5; }},
                                     {"#25060,\"x\"\r\n#25090,\"12.5m\"\r\n", [](Notif& n) { n.m_floorArea = 12.5; }},
                                 });
}

TEST(NotifFormReaders, TheTwoNotificationsJudgeTheVersionColumnAlone)
{
    struct {
        const char* version;
        int answer;
    } const versions[] = {{"", 1}, {"6.40", 1}, {"6.20", 0}, {"6.00", 0}, {"6.40 ", 0}, {" 6.40", 0}};
    for (const auto& v : versions) {
        EXPECT_EQ(v.answer, VersionAnswer<ZnOldFormReaderDemNotif>(demNotif, v.version, nullptr)) << v.version;
        EXPECT_EQ(v.answer, VersionAnswer<ZnOldFormReaderConstNotif>(constNotif, v.version, nullptr)) << v.version;
    }
}

TEST(ZnOldFormReaderSafeNotif, ReadsTheNotifierPeriodAndOwners)
{
    using Notif = ZnModelAppSafeNotif;
    ExpectCases<Notif>(
        safeNotif,
        {
            {"#26000,\"6.40\"\r\n#26900,\"reading\"\r\n", nullptr},
            {"#26900,\"reading\",\"name\"\r\n", [](Notif& n) { n.m_applicantName = Name("name", "reading"); }},
            {"#26060,\"02200501\"\r\n", nullptr},
            {"#26200,\"r1\",\"n1\",\"1-1\",\"a1\",\"1-1-1\"\r\n#26010,\"r0\",\"n0\",\"0-0\",\"a0\",\"0-0-0\"\r\n"
             "#26200,\"r2\",\"n2\",\"2-2\",\"a2\",\"2-2-2\"\r\n#26200,\"r3\",\"n3\",\"3-3\",\"a3\",\"3-3-3\"\r\n",
             [](Notif& n) {
                 n.m_firstOwner.m_person = Person(Name("n0", "r0"), "0", "0", "a0", "0", "0", "0");
                 n.m_furtherOwners.AddCopy(n.m_firstOwner);
                 n.m_furtherOwners.GetTail()->m_person = Person(Name("n1", "r1"), "1", "1", "a1", "1", "1", "1");
                 n.m_furtherOwners.AddCopy(n.m_firstOwner);
                 n.m_furtherOwners.GetTail()->m_person = Person(Name("n2", "r2"), "2", "2", "a2", "2", "2", "2");
                 n.m_furtherOwners.AddCopy(n.m_firstOwner);
                 n.m_furtherOwners.GetTail()->m_person = Person(Name("n3", "r3"), "3", "3", "a3", "3", "3", "3");
             }},
            {"#26010,\"r\",\"n\",\"1000001\",\"a\",\"0312345678\"\r\n",
             [](Notif& n) {
                 n.m_firstOwner.m_person =
                     Person(Name("n", "r"), "1000001", "1000001", "a", "0312345678", "0312345678", "0312345678");
             }},
        });
}

TEST(ZnOldFormReaderSafeNotif, JudgesTheVersionColumnOrElseTheConfirmationRecord)
{
    const char* three = "#26070,\"number\",\"02190615\"\r\n";
    const char* four = "#26000,\"6.10\"\r\n#26070,\"number\",\"02190615\",\"issuer\"\r\n";
    EXPECT_EQ(0, VersionAnswer<ZnOldFormReaderSafeNotif>(safeNotif, "", three));
    EXPECT_EQ(1, VersionAnswer<ZnOldFormReaderSafeNotif>(safeNotif, "", four));
    EXPECT_EQ(0, VersionAnswer<ZnOldFormReaderSafeNotif>(safeNotif, "", nullptr));
    for (const char* version : {"6.00", "6.20", "6.40"})
        EXPECT_EQ(1, VersionAnswer<ZnOldFormReaderSafeNotif>(safeNotif, version, nullptr)) << version;
    for (const char* version : {"6.4", "6.10", "6.40 "})
        EXPECT_EQ(0, VersionAnswer<ZnOldFormReaderSafeNotif>(safeNotif, version, four)) << version;
}

TEST(ZnOldFormReaderTempUseConf, ReadsTheFormOfItsCode)
{
    OldFolder old(tempUse220, "#22060,\"from 220\"\r\n");
    testsupport::WriteFileBytes(old.folder.Path("Keikaku/Ksq001.230"), "#23060,\"from 230\"\r\n");
    for (const auto& [code, use] : {std::pair<LPCTSTR, LPCTSTR>{"100401", "from 220"},
                                    {"100403", "from 220"},
                                    {"100406", "from 220"},
                                    {"100411", "from 230"},
                                    {"100415", "from 230"},
                                    {"100416", "from 230"},
                                    {"100408", nullptr},
                                    {"100417", nullptr}}) {
        ZnOldFormReaderTempUseConf reader;
        reader.m_basePath = readertest::WinFolder(old.folder.Path());
        reader.m_formFolder = "Keikaku\\";
        reader.m_appTypeCode = code;
        std::unique_ptr<ZnModelApp> app(reader.Read());
        if (!use) {
            EXPECT_FALSE(app) << code;
            EXPECT_EQ(0, reader.IsVersionOK()) << code;
            continue;
        }
        ASSERT_TRUE(app) << code;
        EXPECT_EQ(CString(use), static_cast<ZnModelAppTempUseConf&>(*app).m_useText) << code;
    }
}

TEST(ZnOldFormReaderTempUseConf, ReadsTheFormDigitDatesAndApplicant)
{
    using Conf = ZnModelAppTempUseConf;
    auto digit = [](int d) { return [d](Conf& c) { c.m_formDigit = d; }; };
    ExpectCases<Conf>(tempUse220, {
                                      {"#22060,\"u\"\r\n", [](Conf& c) { c.m_useText = "u"; }},
                                      {"#22004\r\n", digit(4)},
                                      {"#22004\r\n#22007\r\n#22005,\"x\"\r\n", digit(5)},
                                      {"#22003\r\n#22006\r\n#22009\r\n", digit(3)},
                                      {"#22002\r\n#22000\r\n", digit(0)},
                                      {"#22001\r\n#23002\r\n", digit(2)},
                                      {"#22002\r\n#22001\r\n", digit(1)},
                                      {"#23001\r\n", digit(1)},
                                      {"#23070,\"02200501\",\"02210228\"\r\n",
                                       [](Conf& c) {
                                           c.m_useFrom = Date("02", 2008, 5, 1);
                                           c.m_useTo = Date("02", 2009, 2, 28);
                                       }},
                                      {"#22090,\"02200501\"\r\n#23070,\"02200501\"\r\n", nullptr},
                                      {"#22900,\"reading\"\r\n", nullptr},
                                      {"#22900,\"reading\",\"name\"\r\n",
                                       [](Conf& c) { c.m_applicantName = Name("name", "reading"); }},
                                  });
    ExpectCases<Conf>(tempUse230, {
                                      {"#22070,\"02200401\"\r\n#22080,\"02210331\"\r\n",
                                       [](Conf& c) {
                                           c.m_plannedStart = Date("02", 2008, 4, 1);
                                           c.m_plannedEnd = Date("02", 2009, 3, 31);
                                       }},
                                  });
}

TEST(ZnOldFormReaderTempUseConf, JudgesTheVersionColumnOrElseTheConfirmationRecord)
{
    const char* three = "#22030,\"number\",\"02190615\"\r\n";
    const char* four = "#22030,\"number\",\"02190615\",\"issuer\"\r\n";
    EXPECT_EQ(0, VersionAnswer<ZnOldFormReaderTempUseConf>(tempUse220, "", three));
    EXPECT_EQ(1, VersionAnswer<ZnOldFormReaderTempUseConf>(tempUse220, "", four));
    EXPECT_EQ(1, VersionAnswer<ZnOldFormReaderTempUseConf>(tempUse230, "", four));
    EXPECT_EQ(1, VersionAnswer<ZnOldFormReaderTempUseConf>(tempUse230, "", "#23030,\"n\",\"d\",\"i\"\r\n"));
    EXPECT_EQ(0, VersionAnswer<ZnOldFormReaderTempUseConf>(tempUse220, "", nullptr));
    EXPECT_EQ(1, VersionAnswer<ZnOldFormReaderTempUseConf>(tempUse220, "6.20", nullptr));
    EXPECT_EQ(0, VersionAnswer<ZnOldFormReaderTempUseConf>(tempUse220, "6.10", four));
}
