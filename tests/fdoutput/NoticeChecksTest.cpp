// The input checks of the temporary-use approval and notice pages: a complete form gives nothing;
// each group of rules, broken, gives exactly its messages in the form's order; an empty form or a
// slot without the form's class gives the messages of empty values.
#include "tests/fdoutput/InputCheckTestSupport.h"
#include "tests/support/TestSupport.h"

#include "fdoutput/ZnConstNotifInputCheck.h"
#include "fdoutput/ZnDemNotifInputCheck.h"
#include "fdoutput/ZnSafeNotifInputCheck.h"
#include "fdoutput/ZnTempUseInputCheck.h"
#include "model/ZnModelAppConstNotif.h"
#include "model/ZnModelAppDemNotif.h"
#include "model/ZnModelAppSafeNotif.h"
#include "model/ZnModelAppTempUseConf.h"

#include <gtest/gtest.h>

using checktest::Date;

namespace {

using Messages = std::vector<CString>;

ZnFDOutCheckInput Input(const ZnModel* form)
{
    ZnFDOutCheckInput input;
    input.form = form;
    return input;
}

// Month 13, a year alone, a day without a year, 30 February and 31 April: none is a valid date.
const ZnModelDate kMonth13 = Date(2010, 13, 1);
const ZnModelDate kYearOnly = Date(2010, 0, 0);
const ZnModelDate kDayWithoutYear = Date(0, 0, 5);
const ZnModelDate kFebruary30 = Date(2011, 2, 30);
const ZnModelDate kApril31 = Date(2010, 4, 31);

ZnModelAppTempUseConf CompleteTempUse()
{
    ZnModelAppTempUseConf form;
    form.m_confirmation.SetDate(Date(2009, 12, 25));
    form.m_plannedStart = Date(2010, 1, 15);
    form.m_plannedEnd = Date(2012, 2, 29);
    form.m_useFrom = Date(2011, 4, 30);
    // An end before the start is no finding: dates are not compared.
    form.m_useTo = Date(2011, 4, 1);
    return form;
}

ZnModelAppStrNotif* NewBuilding(int number, const char* multiUse, const char* use, const char* structure)
{
    ZnModelAppStrNotif* building = new ZnModelAppStrNotif;
    building->m_number = number;
    building->m_multiUse.SetCode(multiUse);
    building->m_use.SetCode(use);
    building->m_partStructure.SetCode(structure);
    return building;
}

ZnModelAppConstNotif CompleteConstNotif()
{
    ZnModelAppConstNotif notice;
    notice.m_periodStart = Date(2010, 4, 1);
    notice.m_periodEnd = Date(2011, 3, 31);
    notice.m_mainUse.m_usage.SetCode("08010");
    notice.m_buildings.AddTail(NewBuilding(1, "00101", "08010", "00201"));
    notice.m_buildings.AddTail(NewBuilding(2, "00102", "08020", "00202"));
    notice.m_demolition.m_present = 1;
    notice.m_demolition.m_mainUse.m_usage.SetCode("08030");
    return notice;
}

ZnModelAppDemNotif CompleteDemNotif()
{
    ZnModelAppDemNotif notice;
    notice.m_date = Date(2010, 7, 1);
    notice.m_mainUse.m_usage.SetCode("08030");
    return notice;
}

ZnModelAppSafeNotif CompleteSafeNotif()
{
    ZnModelAppSafeNotif notice;
    notice.m_plannedStart = Date(2010, 5, 1);
    notice.m_plannedEnd = Date(2011, 3, 1);
    // A period of use that ends before it starts is no finding.
    notice.m_useFrom = Date(2011, 6, 1);
    notice.m_useTo = Date(2011, 5, 31);
    notice.m_confirmation.SetDate(Date(2010, 4, 1));
    notice.m_tempUseApproval.SetDate(Date(2010, 5, 1));
    return notice;
}

} // namespace

TEST(TempUseInputCheck, ACompleteFormAnEmptyOneOrAMissingOneGivesNothingOnEitherPage)
{
    const ZnModelAppTempUseConf complete = CompleteTempUse();
    const ZnModelAppTempUseConf empty;
    const ZnModelApp otherClass;
    for (const ZnModel* form : {static_cast<const ZnModel*>(&complete), static_cast<const ZnModel*>(&empty),
                                static_cast<const ZnModel*>(&otherClass), static_cast<const ZnModel*>(nullptr)}) {
        EXPECT_EQ(Messages{}, ZnTempUseInputCheck::Run(Input(form), ZnTempUseInputCheck::Agency));
        EXPECT_EQ(Messages{}, ZnTempUseInputCheck::Run(Input(form), ZnTempUseInputCheck::BuildingOfficial));
    }
}

TEST(TempUseInputCheck, TheAgencysFormChecksFiveDatesTheOfficialsThree)
{
    ZnModelAppTempUseConf form;
    form.m_confirmation.SetDate(kYearOnly);
    form.m_plannedStart = kMonth13;
    form.m_plannedEnd = kFebruary30;
    form.m_useFrom = kDayWithoutYear;
    form.m_useTo = kApril31;
    EXPECT_EQ((Messages{"建築確認の確認済証交付年月日の日付が正しくありません。",
                        "工事着手予定年月日の日付が正しくありません。", "工事完了予定年月日の日付が正しくありません。",
                        "仮使用期間の開始年月日の日付が正しくありません。",
                        "仮使用期間の終了年月日の日付が正しくありません。"}),
              ZnTempUseInputCheck::Run(Input(&form), ZnTempUseInputCheck::Agency));
    EXPECT_EQ((Messages{"建築確認の確認済証交付年月日の日付が正しくありません。",
                        "仮使用期間の開始年月日の日付が正しくありません。",
                        "仮使用期間の終了年月日の日付が正しくありません。"}),
              ZnTempUseInputCheck::Run(Input(&form), ZnTempUseInputCheck::BuildingOfficial));

    // A planned start in month 13 alone: the agency's form reports it, the official's has no such date.
    ZnModelAppTempUseConf plannedStart = CompleteTempUse();
    plannedStart.m_plannedStart = kMonth13;
    EXPECT_EQ(Messages{"工事着手予定年月日の日付が正しくありません。"},
              ZnTempUseInputCheck::Run(Input(&plannedStart), ZnTempUseInputCheck::Agency));
    EXPECT_EQ(Messages{}, ZnTempUseInputCheck::Run(Input(&plannedStart), ZnTempUseInputCheck::BuildingOfficial));
}

TEST(ConstNotifInputCheck, ACompleteNoticeGivesNothingAnEmptyOrMissingOneOnlyTheMainUsage)
{
    const ZnModelAppConstNotif complete = CompleteConstNotif();
    EXPECT_EQ(Messages{}, ZnConstNotifInputCheck::Run(Input(&complete)));

    // Empty dates are valid, there is no building entry and no demolition part.
    const Messages mainUsage{"建築工事届の第二面：主要用途の区分が未入力です。"};
    const ZnModelAppConstNotif empty;
    const ZnModelAppDemNotif otherClass;
    EXPECT_EQ(mainUsage, ZnConstNotifInputCheck::Run(Input(&empty)));
    EXPECT_EQ(mainUsage, ZnConstNotifInputCheck::Run(Input(&otherClass)));
    EXPECT_EQ(mainUsage, ZnConstNotifInputCheck::Run(Input(nullptr)));
}

TEST(ConstNotifInputCheck, TheWorksPeriodAndTheMainUsageOfFaceTwo)
{
    ZnModelAppConstNotif notice = CompleteConstNotif();
    notice.m_periodStart = kApril31;
    notice.m_periodEnd = kDayWithoutYear;
    notice.m_mainUse.m_usage.SetCode("");
    // The check reads the usage code, not the category number.
    notice.m_mainUse.m_category = 2;
    EXPECT_EQ(
        (Messages{"工事予定期間（開始）の日付が正しくありません。", "工事予定期間（終了）の日付が正しくありません。",
                  "建築工事届の第二面：主要用途の区分が未入力です。"}),
        ZnConstNotifInputCheck::Run(Input(&notice)));
}

TEST(ConstNotifInputCheck, EachBuildingEntryIsNamedByItsOwnNumberInListOrder)
{
    ZnModelAppConstNotif notice = CompleteConstNotif();
    notice.m_buildings.DeleteAll();
    notice.m_buildings.AddTail(NewBuilding(1, "", "", ""));
    notice.m_buildings.AddTail(NewBuilding(2, "", "", ""));
    EXPECT_EQ((Messages{"建築工事届の第二面：1番の建築物の多用途種別が未入力です。",
                        "建築工事届の第二面：1番の建築物の用途が未入力です。",
                        "建築工事届の第二面：1番の建築物の工事部分の構造コードが未入力です。",
                        "建築工事届の第二面：2番の建築物の多用途種別が未入力です。",
                        "建築工事届の第二面：2番の建築物の用途が未入力です。",
                        "建築工事届の第二面：2番の建築物の工事部分の構造コードが未入力です。"}),
              ZnConstNotifInputCheck::Run(Input(&notice)));

    // Entries 5 and 3, with an empty position between them that is skipped.
    notice.m_buildings.DeleteAll();
    notice.m_buildings.AddTail(NewBuilding(5, "00101", "", "00201"));
    notice.m_buildings.AddTail(static_cast<CObject*>(nullptr));
    notice.m_buildings.AddTail(NewBuilding(3, "00101", "08010", ""));
    notice.m_buildings.AddTail(NewBuilding(-7, "", "08010", "00201"));
    EXPECT_EQ((Messages{"建築工事届の第二面：5番の建築物の用途が未入力です。",
                        "建築工事届の第二面：3番の建築物の工事部分の構造コードが未入力です。",
                        "建築工事届の第二面：-7番の建築物の多用途種別が未入力です。"}),
              ZnConstNotifInputCheck::Run(Input(&notice)));
}

TEST(ConstNotifInputCheck, FaceFoursMainUsageOnlyWhenTheDemolitionFlagIsOne)
{
    ZnModelAppConstNotif notice = CompleteConstNotif();
    notice.m_demolition.m_mainUse.m_usage.SetCode("");
    notice.m_buildings.AddTail(NewBuilding(4, "00101", "", "00201"));
    EXPECT_EQ((Messages{"建築工事届の第二面：4番の建築物の用途が未入力です。",
                        "建築工事届の第四面：主要用途の区分が未入力です。"}),
              ZnConstNotifInputCheck::Run(Input(&notice)));
    for (int flag : {0, 2, -1}) {
        notice.m_demolition.m_present = flag;
        EXPECT_EQ(Messages{"建築工事届の第二面：4番の建築物の用途が未入力です。"},
                  ZnConstNotifInputCheck::Run(Input(&notice)))
            << flag;
    }
}

TEST(DemNotifInputCheck, TheDemolitionDateThenTheMainUsage)
{
    const ZnModelAppDemNotif complete = CompleteDemNotif();
    EXPECT_EQ(Messages{}, ZnDemNotifInputCheck::Run(Input(&complete)));

    ZnModelAppDemNotif notice;
    notice.m_date = kApril31;
    EXPECT_EQ((Messages{"除却予定年月日の日付が正しくありません。", "主要用途の区分が未入力です。"}),
              ZnDemNotifInputCheck::Run(Input(&notice)));
    notice = CompleteDemNotif();
    notice.m_date = kDayWithoutYear;
    EXPECT_EQ(Messages{"除却予定年月日の日付が正しくありません。"}, ZnDemNotifInputCheck::Run(Input(&notice)));

    // An empty notice, or none: the empty date passes, the main usage is missing.
    const ZnModelAppDemNotif empty;
    EXPECT_EQ(Messages{"主要用途の区分が未入力です。"}, ZnDemNotifInputCheck::Run(Input(&empty)));
    EXPECT_EQ(Messages{"主要用途の区分が未入力です。"}, ZnDemNotifInputCheck::Run(Input(nullptr)));
}

TEST(SafeNotifInputCheck, SixDatesInTheFormsOrder)
{
    const ZnModelAppSafeNotif complete = CompleteSafeNotif();
    const ZnModelAppSafeNotif empty;
    EXPECT_EQ(Messages{}, ZnSafeNotifInputCheck::Run(Input(&complete)));
    EXPECT_EQ(Messages{}, ZnSafeNotifInputCheck::Run(Input(&empty)));
    EXPECT_EQ(Messages{}, ZnSafeNotifInputCheck::Run(Input(nullptr)));

    ZnModelAppSafeNotif notice;
    notice.m_plannedStart = kYearOnly;
    notice.m_plannedEnd = kMonth13;
    notice.m_useFrom = kFebruary30;
    notice.m_useTo = kApril31;
    notice.m_confirmation.SetDate(kDayWithoutYear);
    notice.m_tempUseApproval.SetDate(Date(2010, 0, 1));
    EXPECT_EQ((Messages{"工事着手予定年月日の日付が正しくありません。", "工事完了予定年月日の日付が正しくありません。",
                        "使用期間（開始）の日付が正しくありません。", "使用期間（終了）の日付が正しくありません。",
                        "建築確認の確認済証交付年月日の日付が正しくありません。",
                        "仮使用承認の承認年月日の日付が正しくありません。"}),
              ZnSafeNotifInputCheck::Run(Input(&notice)));

    notice = CompleteSafeNotif();
    notice.m_plannedStart = kApril31;
    notice.m_tempUseApproval.SetDate(kFebruary30);
    EXPECT_EQ(
        (Messages{"工事着手予定年月日の日付が正しくありません。", "仮使用承認の承認年月日の日付が正しくありません。"}),
        ZnSafeNotifInputCheck::Run(Input(&notice)));
}
