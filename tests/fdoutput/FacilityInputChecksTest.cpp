// The input checks of the lift, structure-lift, building-equipment and structure pages: a complete
// document yields nothing; a copy that breaks one group of rules yields exactly that group's
// messages in the order of the tests; absent or foreign slot objects are read as empty ones.
#include "tests/fdoutput/InputCheckTestSupport.h"
#include "tests/support/TestSupport.h"

#include "fdoutput/ZnEquipInputCheck.h"
#include "fdoutput/ZnLiftInputCheck.h"
#include "fdoutput/ZnStructInputCheck.h"
#include "model/ZnModelApp.h"
#include "model/ZnModelAppEquipConf.h"
#include "model/ZnModelAppEquipMod.h"
#include "model/ZnModelAppLiftConf.h"
#include "model/ZnModelAppLiftMod.h"
#include "model/ZnModelAppStrLiftConf.h"
#include "model/ZnModelAppStrLiftMod.h"
#include "model/ZnModelAppStructConf.h"
#include "model/ZnModelAppStructMod.h"

#include <functional>
#include <memory>

using checktest::Date;

namespace {

const int confirmation = 1000;
const int planChange = 1008;

// The model slots of a document as a page leaves them.
struct Document {
    ZnModelApp app;
    std::unique_ptr<ZnModel> form;
    std::unique_ptr<ZnModel> subForm;
    int docType = confirmation;
    ZnModelNum* prevConf = nullptr; // the plan change's confirmation before the change

    ZnFDOutCheckInput Input() const { return {&app, form.get(), subForm.get(), docType, 32786}; }
};

template <class Item> Item Numbered(int number, LPCTSTR kindCode)
{
    Item item;
    item.m_leadingValue = number;
    item.m_kindCode.SetCode(kindCode);
    return item;
}

void FillOwner(ZnModelApp& app) { app.m_firstOwner.m_person.m_name.m_name = "昇降一郎"; }

template <class Form> void FillSchedule(Form& form)
{
    form.m_constStartDate = Date(2010, 4, 1);
    form.m_constEndDate = Date(2011, 3, 31);
    form.m_specStageDate.m_date = Date(2010, 9, 30);
}

// A complete document of the type: the family's form in the second slot, and in the third the
// confirmation form or the plan-change form with the date of the confirmation before the change.
template <class Form, class Conf, class Mod> Document Complete(int docType, const std::function<void(Form&)>& fill)
{
    Document document;
    document.docType = docType;
    FillOwner(document.app);
    auto form = std::make_unique<Form>();
    FillSchedule(*form);
    fill(*form);
    document.form = std::move(form);
    if (docType == planChange) {
        auto mod = std::make_unique<Mod>();
        mod->m_prevConfNum.m_date = Date(2010, 1, 15);
        document.prevConf = &mod->m_prevConfNum;
        document.subForm = std::move(mod);
    } else {
        document.subForm = std::make_unique<Conf>();
    }
    return document;
}

void FillLift(ZnModelAppLift& lift)
{
    lift.m_address.m_address = "東京都千代田区霞が関一丁目１番";
    lift.m_confNum.m_date = Date(2009, 12, 1);
    lift.m_lift = Numbered<ZnModelLift>(1, "00101");
    lift.m_liftList.AddCopy(Numbered<ZnModelLift>(2, "00102"));
    lift.m_liftList.AddCopy(Numbered<ZnModelLift>(3, "00101"));
}

void FillEquip(ZnModelAppEquip& equip)
{
    equip.m_address.m_address = "大阪府大阪市北区中之島一丁目";
    equip.m_confNum.m_date = Date(2009, 12, 1);
    equip.m_equipOutline = "換気設備";
}

void FillStruct(ZnModelAppStruct& structure)
{
    structure.m_lotAddress.m_address = "名古屋市中区三の丸三丁目１番";
    structure.m_structure = Numbered<ZnModelStruct>(1, "00201");
    structure.m_structList.AddCopy(Numbered<ZnModelStruct>(2, "00202"));
}

Document CompleteLift(int docType)
{
    return Complete<ZnModelAppLift, ZnModelAppLiftConf, ZnModelAppLiftMod>(docType, FillLift);
}
Document CompleteStrLift(int docType)
{
    return Complete<ZnModelAppLift, ZnModelAppStrLiftConf, ZnModelAppStrLiftMod>(docType, FillLift);
}
Document CompleteEquip(int docType)
{
    return Complete<ZnModelAppEquip, ZnModelAppEquipConf, ZnModelAppEquipMod>(docType, FillEquip);
}
Document CompleteStruct(int docType)
{
    return Complete<ZnModelAppStruct, ZnModelAppStructConf, ZnModelAppStructMod>(docType, FillStruct);
}

template <class Form> Form& FormOf(Document& document) { return dynamic_cast<Form&>(*document.form); }
// One group of rules: the document type, what the copy of the complete document breaks, and the
// messages it must yield, in order.
struct Case {
    const char* group;
    int docType;
    std::function<void(Document&)> breaks;
    std::vector<CString> expected;
};

void ExpectCases(const std::function<std::vector<CString>(const ZnFDOutCheckInput&)>& check, Document (*complete)(int),
                 const std::vector<Case>& cases)
{
    for (const Case& c : cases) {
        SCOPED_TRACE(c.group);
        Document document = complete(c.docType);
        if (c.breaks)
            c.breaks(document);
        EXPECT_EQ(c.expected, check(document.Input()));
    }
}

// The messages, typed as the pages give them.
const char kInstallerName[] = "設置者の氏名が未入力です。";
const char kBuilderName[] = "築造主の氏名が未入力です。";
const char kLiftKind[] = "昇降機の概要の種別コードが未入力です。昇降機番号：";
const char kStructKind[] = "工作物の概要の種類コードが未入力です。工作物番号：";
const char kStart[] = "工事着手予定年月日の日付が正しくありません。";
const char kEnd[] = "工事完了予定年月日の日付が正しくありません。";
const char kSpecStage[] = "特定工程工事終了予定年月日の日付が正しくありません。";
const char kBuildingConf[] = "建築確認の確認済証交付年月日の日付が正しくありません。";
const char kPlanChange[] = "計画変更の確認済証交付年月日の日付が正しくありません。";

CString WithNumber(const char* message, const char* number) { return CString(message) + number; }

void ClearOwner(Document& document) { document.app.m_firstOwner.m_person.m_name.m_name = ""; }

// The planned start with month and day but no year, completion on 30 February, the specified process
// ending on 31 April.
template <class Form> void BreakSchedule(Form& form)
{
    form.m_constStartDate = Date(0, 4, 1);
    form.m_constEndDate = Date(2011, 2, 30);
    form.m_specStageDate.m_date = Date(2010, 4, 31);
}

template <class Form> void ClearDates(Document& document)
{
    Form& form = FormOf<Form>(document);
    form.m_constStartDate = ZnModelDate();
    form.m_constEndDate = ZnModelDate();
    form.m_specStageDate.m_date = ZnModelDate();
}

// Lifts 1, 3 and 5 without a kind code, an empty entry between them.
void BreakLiftKinds(Document& document)
{
    ZnModelAppLift& lift = FormOf<ZnModelAppLift>(document);
    lift.m_lift.m_kindCode.SetCode("");
    lift.m_liftList.AddTail(nullptr);
    lift.m_liftList.GetAtIndex(1)->m_kindCode.SetCode("");
    lift.m_liftList.AddCopy(Numbered<ZnModelLift>(5, ""));
}

void BreakLift(Document& document)
{
    ClearOwner(document);
    FormOf<ZnModelAppLift>(document).m_address.m_address = "";
    BreakLiftKinds(document);
    BreakSchedule(FormOf<ZnModelAppLift>(document));
    FormOf<ZnModelAppLift>(document).m_confNum.m_date = Date(2009, 13, 1);
}

std::vector<Case> LiftCases()
{
    return {
        {"complete confirmation", confirmation, nullptr, {}},
        {"complete plan change", planChange, nullptr, {}},
        {"dates left empty", planChange, ClearDates<ZnModelAppLift>, {}},
        {"installer and site",
         confirmation,
         [](Document& d) {
             ClearOwner(d);
             FormOf<ZnModelAppLift>(d).m_address.m_address = "";
         },
         {kInstallerName, "設置する建築物または工作物の所在地が未入力です。"}},
        {"lift kinds",
         confirmation,
         BreakLiftKinds,
         {WithNumber(kLiftKind, "1"), WithNumber(kLiftKind, "3"), WithNumber(kLiftKind, "5")}},
        {"dates",
         confirmation,
         [](Document& d) {
             BreakSchedule(FormOf<ZnModelAppLift>(d));
             FormOf<ZnModelAppLift>(d).m_confNum.m_date = Date(2009, 13, 1);
         },
         {kStart, kEnd, kSpecStage, kBuildingConf}},
        {"confirmation before the change",
         planChange,
         [](Document& d) { d.prevConf->m_date = Date(0, 0, 5); },
         {kPlanChange}},
        {"every rule of a plan change",
         planChange,
         [](Document& d) {
             BreakLift(d);
             d.prevConf->m_date = Date(2010, 2, 29);
         },
         {kInstallerName, "設置する建築物または工作物の所在地が未入力です。", WithNumber(kLiftKind, "1"),
          WithNumber(kLiftKind, "3"), WithNumber(kLiftKind, "5"), kStart, kEnd, kSpecStage, kBuildingConf,
          kPlanChange}},
        {"a confirmation reads no plan change",
         confirmation,
         [](Document& d) {
             auto mod = std::make_unique<ZnModelAppLiftMod>();
             mod->m_prevConfNum.m_date = Date(2010, 2, 29);
             d.subForm = std::move(mod);
         },
         {}},
    };
}

TEST(ZnLiftInputCheck, YieldsEachGroupsMessagesInTheOrderOfTheTests)
{
    ExpectCases(ZnLiftInputCheck::Run, CompleteLift, LiftCases());
}

// A lift of a structure is checked test for test as a lift; its plan change is its own class.
TEST(ZnLiftInputCheck, ChecksALiftOfAStructureAsALift)
{
    ExpectCases(ZnLiftInputCheck::Run, CompleteStrLift, LiftCases());
}

TEST(ZnEquipInputCheck, YieldsEachGroupsMessagesInTheOrderOfTheTests)
{
    const char site[] = "設置する建築物の所在地が未入力です。";
    const char outline[] = "建築設備の概要が未入力です。";
    auto breakWhoWhereWhat = [](Document& d) {
        ClearOwner(d);
        FormOf<ZnModelAppEquip>(d).m_address.m_address = "";
        FormOf<ZnModelAppEquip>(d).m_equipOutline = "";
    };
    // A year alone is no date either.
    auto breakDates = [](Document& d) {
        BreakSchedule(FormOf<ZnModelAppEquip>(d));
        FormOf<ZnModelAppEquip>(d).m_confNum.m_date = Date(2009, 0, 0);
    };
    ExpectCases(ZnEquipInputCheck::Run, CompleteEquip,
                {
                    {"complete confirmation", confirmation, nullptr, {}},
                    {"complete plan change", planChange, nullptr, {}},
                    {"dates left empty", confirmation, ClearDates<ZnModelAppEquip>, {}},
                    {"installer, site and outline", confirmation, breakWhoWhereWhat, {kInstallerName, site, outline}},
                    {"dates", confirmation, breakDates, {kStart, kEnd, kSpecStage, kBuildingConf}},
                    {"confirmation before the change",
                     planChange,
                     [](Document& d) { d.prevConf->m_date = Date(2010, 6, 31); },
                     {kPlanChange}},
                    {"every rule of a plan change",
                     planChange,
                     [&](Document& d) {
                         breakWhoWhereWhat(d);
                         breakDates(d);
                         d.prevConf->m_date = Date(0, 1, 0);
                     },
                     {kInstallerName, site, outline, kStart, kEnd, kSpecStage, kBuildingConf, kPlanChange}},
                });
}

TEST(ZnStructInputCheck, YieldsEachGroupsMessagesInTheOrderOfTheTests)
{
    const char lot[] = "敷地の位置の地名地番が未入力です。";
    auto breakWhoWhere = [](Document& d) {
        ClearOwner(d);
        FormOf<ZnModelAppStruct>(d).m_lotAddress.m_address = "";
    };
    // Structures 1, 3 and 5 without a kind code, an empty entry between them.
    auto breakKinds = [](Document& d) {
        ZnModelAppStruct& structure = FormOf<ZnModelAppStruct>(d);
        structure.m_structure.m_kindCode.SetCode("");
        structure.m_structList.AddCopy(Numbered<ZnModelStruct>(3, ""));
        structure.m_structList.AddTail(nullptr);
        structure.m_structList.AddCopy(Numbered<ZnModelStruct>(5, ""));
    };
    auto kinds =
        std::vector<CString>{WithNumber(kStructKind, "1"), WithNumber(kStructKind, "3"), WithNumber(kStructKind, "5")};
    ExpectCases(ZnStructInputCheck::Run, CompleteStruct,
                {
                    {"complete confirmation", confirmation, nullptr, {}},
                    {"complete plan change", planChange, nullptr, {}},
                    {"dates left empty", confirmation, ClearDates<ZnModelAppStruct>, {}},
                    {"builder and site", confirmation, breakWhoWhere, {kBuilderName, lot}},
                    {"structure kinds", confirmation, breakKinds, kinds},
                    {"dates",
                     confirmation,
                     [](Document& d) { BreakSchedule(FormOf<ZnModelAppStruct>(d)); },
                     {kStart, kEnd, kSpecStage}},
                    {"confirmation before the change",
                     planChange,
                     [](Document& d) { d.prevConf->m_date = Date(2010, 9, 31); },
                     {kPlanChange}},
                    {"every rule of a plan change",
                     planChange,
                     [&](Document& d) {
                         breakWhoWhere(d);
                         FormOf<ZnModelAppStruct>(d).m_structure.m_kindCode.SetCode("");
                         BreakSchedule(FormOf<ZnModelAppStruct>(d));
                         d.prevConf->m_date = Date(2010, 0, 1);
                     },
                     {kBuilderName, lot, WithNumber(kStructKind, "1"), kStart, kEnd, kSpecStage, kPlanChange}},
                });
}

// After a load that failed a slot may be empty or hold another class: the check reads an empty
// object of its own class, whose empty texts and codes are reported and whose empty dates pass.
TEST(FacilityInputChecks, ReadAbsentOrForeignSlotsAsEmptyObjects)
{
    const std::vector<CString> lift = {kInstallerName, "設置する建築物または工作物の所在地が未入力です。",
                                       WithNumber(kLiftKind, "0")};
    const std::vector<CString> equip = {kInstallerName, "設置する建築物の所在地が未入力です。",
                                        "建築設備の概要が未入力です。"};
    const std::vector<CString> structure = {kBuilderName, "敷地の位置の地名地番が未入力です。",
                                            WithNumber(kStructKind, "0")};
    for (int docType : {confirmation, planChange}) {
        SCOPED_TRACE(docType);
        ZnFDOutCheckInput absent{nullptr, nullptr, nullptr, docType, 32786};
        EXPECT_EQ(lift, ZnLiftInputCheck::Run(absent));
        EXPECT_EQ(equip, ZnEquipInputCheck::Run(absent));
        EXPECT_EQ(structure, ZnStructInputCheck::Run(absent));

        // A record that is no application, and another family's forms whose plan change holds a
        // date that is no date.
        ZnModelNum foreignApp;
        ZnModelAppStructMod structMod;
        structMod.m_prevConfNum.m_date = Date(2010, 2, 30);
        ZnModelAppLiftMod liftMod;
        liftMod.m_prevConfNum.m_date = Date(2010, 2, 30);
        EXPECT_EQ(lift, ZnLiftInputCheck::Run({&foreignApp, &structMod, &structMod, docType, 32786}));
        EXPECT_EQ(equip, ZnEquipInputCheck::Run({&foreignApp, &liftMod, &liftMod, docType, 32786}));
        EXPECT_EQ(structure, ZnStructInputCheck::Run({&foreignApp, &liftMod, &liftMod, docType, 32786}));
    }
}

} // namespace
