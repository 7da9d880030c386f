// The input check of an Article 88(2) structure application and its plan change: its eight
// messages in their order, dates that may stay empty, the plan change's own test, and slots that
// hold no object of the expected class.
#include "tests/fdoutput/InputCheckTestSupport.h"
#include "tests/support/TestSupport.h"

#include "fdoutput/ZnSemiStrInputCheck.h"
#include "model/ZnModelAppSemiStrConf.h"
#include "model/ZnModelAppSemiStrMod.h"

using checktest::Date;
using checktest::Findings;

namespace {

const int kConfirmation = 1000;
const int kPlanChange = 1008;

// A structure application that every test passes, with its confirmation and plan-change forms.
struct SemiStrDocument {
    SemiStrDocument()
    {
        app.m_firstOwner.m_person.m_name.m_name = "山田太郎";
        structure.m_lotAddress.m_address = "東京都千代田区千代田1番";
        structure.m_usageCode.SetCode("01");
        structure.m_usageText = "広告塔";
        structure.m_constStartDate = Date("02130401");
        structure.m_specStageDate.SetDate(Date("02130601"));
        planChange.m_prevConfNum.SetDate(Date("02120301"));
    }
    Findings Check(int docType) const
    {
        const ZnModel* subForm = docType == kPlanChange ? static_cast<const ZnModel*>(&planChange) : &confirmation;
        return ZnSemiStrInputCheck::Run({&app, &structure, subForm, docType});
    }

    ZnModelApp app;
    ZnModelAppSemiStr structure;
    ZnModelAppSemiStrConf confirmation;
    ZnModelAppSemiStrMod planChange;
};

} // namespace

TEST(ZnSemiStrInputCheck, CompleteApplicationYieldsNothingAndNoDateIsRequired)
{
    SemiStrDocument document;
    EXPECT_EQ(Findings{}, document.Check(kConfirmation));
    EXPECT_EQ(Findings{}, document.Check(kPlanChange));

    document.structure.m_constStartDate = ZnModelDate();
    document.structure.m_specStageDate.SetDate(ZnModelDate());
    document.planChange.m_prevConfNum.SetDate(ZnModelDate());
    EXPECT_EQ(Findings{}, document.Check(kPlanChange));
}

TEST(ZnSemiStrInputCheck, EmptyTextsAreListedInOrder)
{
    SemiStrDocument document;
    document.app.m_firstOwner.m_person.m_name.m_name = "";
    document.structure.m_lotAddress.m_address = "";
    document.structure.m_usageCode.SetCode("");
    document.structure.m_usageText = "";
    EXPECT_EQ((Findings{"築造主の氏名が未入力です。", "敷地の設置の地名地番が未入力です。",
                        "工作物の概要の用途コードが未入力です。", "工作物の概要の具体的な用途名称が未入力です。"}),
              document.Check(kConfirmation));
}

TEST(ZnSemiStrInputCheck, ImpossibleDatesAreListedAndThePreviousConfirmationOnlyForAPlanChange)
{
    SemiStrDocument document;
    document.structure.m_constStartDate = Date("02130431");
    document.structure.m_constEndDate = Date("02131301");
    document.structure.m_specStageDate.SetDate(Date("02130229"));
    document.planChange.m_prevConfNum.SetDate(Date("02130230"));
    const Findings threeDates{"工事着手予定年月日の日付が正しくありません。",
                              "工事完了予定年月日の日付が正しくありません。",
                              "特定工程工事終了予定年月日の日付が正しくありません。"};
    EXPECT_EQ(threeDates, document.Check(kConfirmation));

    Findings withPlanChange = threeDates;
    withPlanChange.push_back("計画変更の確認済証交付年月日の日付が正しくありません。");
    EXPECT_EQ(withPlanChange, document.Check(kPlanChange));
}

TEST(ZnSemiStrInputCheck, SlotsWithoutTheirObjectsReadAsEmptyObjects)
{
    const Findings emptyTexts{"築造主の氏名が未入力です。", "敷地の設置の地名地番が未入力です。",
                              "工作物の概要の用途コードが未入力です。", "工作物の概要の具体的な用途名称が未入力です。"};
    EXPECT_EQ(emptyTexts, ZnSemiStrInputCheck::Run({nullptr, nullptr, nullptr, kPlanChange}));

    // A plan change whose third slot holds a confirmation form, and a second slot of another class.
    SemiStrDocument document;
    document.structure.m_usageText = "";
    ZnModelApp otherForm;
    EXPECT_EQ(Findings{"工作物の概要の具体的な用途名称が未入力です。"},
              ZnSemiStrInputCheck::Run({&document.app, &document.structure, &document.confirmation, kPlanChange}));
    EXPECT_EQ((Findings{"敷地の設置の地名地番が未入力です。", "工作物の概要の用途コードが未入力です。",
                        "工作物の概要の具体的な用途名称が未入力です。"}),
              ZnSemiStrInputCheck::Run({&document.app, &otherForm, &document.planChange, kPlanChange}));
}
