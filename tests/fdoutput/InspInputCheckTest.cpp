// The input check of the interim and completion inspection applications: the common tests, then
// the document type's own, each group in its order; the ordinals of the further records, counted
// from 2 over the records present; the two pages' wordings of the further later stage; and slots
// that hold no object of the expected class.
#include "tests/fdoutput/InputCheckTestSupport.h"
#include "tests/support/TestSupport.h"

#include "fdoutput/ZnInspInputCheck.h"
#include "model/ZnModelAppCompInspConf.h"
#include "model/ZnModelAppRegInspConf.h"

using checktest::Date;
using checktest::Findings;

namespace {

const int kConfirmation = 1000;
const int kInterim = 1002;
const int kCompletion = 1005;
const int kPlanChange = 1008;

const ZnInspInputCheck::Page kBuildingPage = ZnInspInputCheck::Page::BuildingAndSemiStr;
const ZnInspInputCheck::Page kEquipmentPage = ZnInspInputCheck::Page::LiftEquipmentAndStruct;

ZnModelNum Number(const char* number, const char* date)
{
    ZnModelNum record;
    record.SetNumber(number);
    record.SetDate(Date(date));
    return record;
}

ZnModelPastInspDate Passed(const char* date)
{
    ZnModelPastInspDate record;
    record.m_certificate = Number("合格1", date);
    return record;
}

ZnModelInspDate Stage(const char* date, const char* name)
{
    ZnModelInspDate record;
    record.SetDate(Date(date));
    record.SetName(name);
    return record;
}

// Appends the records of the dates in order; nullptr makes an empty entry.
template <class Record, class Make>
void Fill(ZnModelList<Record>& list, std::initializer_list<const char*> dates, Make make)
{
    list.DeleteAll();
    for (const char* date : dates) {
        if (date)
            list.AddCopy(make(date));
        else
            list.AddTail(nullptr);
    }
}

void FillNumbers(ZnModelNumList& list, std::initializer_list<const char*> dates)
{
    Fill(list, dates, [](const char* date) { return Number("第2号", date); });
}
void FillPassed(ZnModelPastInspDateList& list, std::initializer_list<const char*> dates) { Fill(list, dates, Passed); }
void FillStages(ZnModelInspDateList& list, std::initializer_list<const char*> dates)
{
    Fill(list, dates, [](const char* date) { return Stage(date, "屋根工事"); });
}

// An inspection application that every test passes, with its interim and completion forms.
struct InspDocument {
    InspDocument()
    {
        app.m_firstOwner.m_person.m_name.m_name = "山田太郎";
        inspection.m_supervisor.m_architectName.m_name = "鈴木一郎";
        inspection.m_siteLot.m_address = "東京都千代田区千代田1番";
        inspection.m_confCert = Number("第1号", "02130401");
        FillNumbers(inspection.m_confCertList, {"02130501", nullptr, "02130601"});
        inspection.m_startDate = Date("02130701");
        inspection.m_endDate = Date("02140331");
        completion.m_pastInsp = Passed("02131001");
        FillPassed(completion.m_pastInspList, {"02131101"});
        interim.m_stage = Stage("02130901", "基礎配筋");
        interim.m_pastInsp = Passed("02130801");
        interim.m_nextStage = Stage("02131201", "屋根工事");
        FillPassed(interim.m_pastInspList, {"02130815"});
        FillStages(interim.m_nextStageList, {"02140115"});
    }
    Findings Check(int docType, ZnInspInputCheck::Page page = kBuildingPage) const
    {
        const ZnModel* subForm = docType == kCompletion ? static_cast<const ZnModel*>(&completion) : &interim;
        return ZnInspInputCheck::Run({&app, &inspection, subForm, docType}, page);
    }

    ZnModelApp app;
    ZnModelAppInspConf inspection;
    ZnModelAppRegInspConf interim;
    ZnModelAppCompInspConf completion;
};

const Findings kCommonFindings{
    "建築主、設置者又は築造主が未入力です。",
    "工事監理者が未入力です。",
    "建築場所、設置場所または築造場所の地名地番が未入力です。",
    "確認番号の確認済証番号が未入力です。",
    "1番目の確認番号の確認済証交付年月日の日付が正しくありません。",
    "3番目の確認番号の確認済証交付年月日の日付が正しくありません。",
    "5番目の確認番号の確認済証交付年月日の日付が正しくありません。",
    "工事着手年月日の日付が正しくありません。",
};

// Breaks every common test; of the further confirmation numbers the second and fourth present
// (behind an empty entry) are impossible.
void BreakCommonTests(InspDocument& document)
{
    document.app.m_firstOwner.m_person.m_name.m_name = "";
    document.inspection.m_supervisor.m_architectName.m_name = "";
    document.inspection.m_siteLot.m_address = "";
    document.inspection.m_confCert = Number("", "02130230");
    FillNumbers(document.inspection.m_confCertList, {"02130501", nullptr, "02130431", "02130601", "02131301"});
    document.inspection.m_startDate = Date("02000700");
}

} // namespace

TEST(ZnInspInputCheck, CompleteApplicationsYieldNothing)
{
    InspDocument document;
    for (int docType : {kConfirmation, kInterim, kCompletion, kPlanChange}) {
        EXPECT_EQ(Findings{}, document.Check(docType, kBuildingPage)) << docType;
        EXPECT_EQ(Findings{}, document.Check(docType, kEquipmentPage)) << docType;
    }
}

TEST(ZnInspInputCheck, CommonTestsRunForEveryTypeAndCountFurtherNumbersOverTheRecordsPresent)
{
    InspDocument document;
    BreakCommonTests(document);
    for (int docType : {kConfirmation, kInterim, kCompletion, kPlanChange})
        EXPECT_EQ(kCommonFindings, document.Check(docType)) << docType;
}

TEST(ZnInspInputCheck, CompletionTestsFollowTheCommonOnes)
{
    InspDocument document;
    BreakCommonTests(document);
    document.inspection.m_endDate = Date("02150431");
    document.completion.m_pastInsp = Passed("02130230");
    FillPassed(document.completion.m_pastInspList, {"02131301", nullptr, "02131101", "02130229"});
    Findings expected = kCommonFindings;
    expected.insert(expected.end(), {"工事完了年月日の日付が正しくありません。",
                                     "1番目の検査経過の中間検査合格年月日の日付が正しくありません。",
                                     "2番目の検査経過の中間検査合格年月日の日付が正しくありません。",
                                     "4番目の検査経過の中間検査合格年月日の日付が正しくありません。"});
    EXPECT_EQ(expected, document.Check(kCompletion));
    // The interim form's dates are not the completion check's.
    document.interim.m_stage = Stage("02130230", "");
    EXPECT_EQ(expected, document.Check(kCompletion, kEquipmentPage));
}

TEST(ZnInspInputCheck, CompletionWithoutCompletionDateSaysOnlyThatItIsMissing)
{
    InspDocument document;
    document.inspection.m_endDate = ZnModelDate();
    EXPECT_EQ(Findings{"工事完了年月日が未入力です。"}, document.Check(kCompletion));
    // An interim inspection needs no planned completion date.
    EXPECT_EQ(Findings{}, document.Check(kInterim));
}

TEST(ZnInspInputCheck, InterimTestsListTheFirstRecordsBeforeBothListsWithThePagesWording)
{
    InspDocument document;
    document.inspection.m_endDate = Date("02140230");
    document.interim.m_stage = Stage("02130931", "");
    document.interim.m_pastInsp = Passed("02131301");
    document.interim.m_nextStage = Stage("02130229", "屋根工事");
    FillPassed(document.interim.m_pastInspList, {nullptr, "02130815", "02130631"});
    FillStages(document.interim.m_nextStageList, {"02140230", "02140301"});
    const Findings firstRecords{
        "工事完了予定年月日の日付が正しくありません。",
        "特定工程工事終了年月日の日付が正しくありません。",
        "特定工程が未入力です。",
        "1番目の今回申請以前の中間検査合格年月日の日付が正しくありません。",
        "１番目の今回申請以降の特定工程工事終了予定年月日の日付が正しくありません。",
        "3番目の今回申請以前の中間検査合格年月日の日付が正しくありません。",
    };
    Findings building = firstRecords;
    building.push_back("2番目の今回申請以降の特定工程工事終了終了予定年月日の日付が正しくありません。");
    EXPECT_EQ(building, document.Check(kInterim, kBuildingPage));

    Findings equipment = firstRecords;
    equipment.push_back("2番目の今回申請以降の特定工程工事終了予定年月日の日付が正しくありません。");
    EXPECT_EQ(equipment, document.Check(kInterim, kEquipmentPage));
}

TEST(ZnInspInputCheck, InterimWithoutStageDateSaysOnlyThatItIsMissing)
{
    InspDocument document;
    document.interim.m_stage.SetDate(ZnModelDate());
    EXPECT_EQ(Findings{"特定工程工事終了年月日が未入力です。"}, document.Check(kInterim));
}

TEST(ZnInspInputCheck, SlotsWithoutTheirObjectsReadAsEmptyObjects)
{
    const Findings emptyCommon{"建築主、設置者又は築造主が未入力です。", "工事監理者が未入力です。",
                               "建築場所、設置場所または築造場所の地名地番が未入力です。",
                               "確認番号の確認済証番号が未入力です。"};
    Findings completion = emptyCommon;
    completion.push_back("工事完了年月日が未入力です。");
    EXPECT_EQ(completion, ZnInspInputCheck::Run({nullptr, nullptr, nullptr, kCompletion}, kBuildingPage));

    Findings interim = emptyCommon;
    interim.insert(interim.end(), {"特定工程工事終了年月日が未入力です。", "特定工程が未入力です。"});
    EXPECT_EQ(interim, ZnInspInputCheck::Run({nullptr, nullptr, nullptr, kInterim}, kEquipmentPage));

    // A completion form where an interim one belongs is read as an empty interim form.
    InspDocument document;
    EXPECT_EQ(
        (Findings{"特定工程工事終了年月日が未入力です。", "特定工程が未入力です。"}),
        ZnInspInputCheck::Run({&document.app, &document.inspection, &document.completion, kInterim}, kBuildingPage));
}
