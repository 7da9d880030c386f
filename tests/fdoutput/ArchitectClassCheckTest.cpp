// The architect-class check of a building application: the class its size, height, structure and
// use may require against its designer's qualification, the construction kinds that ask for it, and
// an application without building pages.
#include "tests/fdoutput/FdOutputTestSupport.h"

#include "fdoutput/ZnArchitectClassCheck.h"
#include "model/ZnModelAppBuild.h"

namespace {

typedef std::vector<CString> Findings;

const CString kFirstClass = "第二面：この物件の建築士は、一級建築士でなくてはならない可能性があります。";
const CString kSecondClass = "第二面：この物件の建築士は、一級、または二級建築士でなくてはならない可能性があります。";
const CString kWoodenClass =
    "第二面：この物件の建築士は、一級、二級、または木造建築士でなくてはならない可能性があります。";

ZnModelAppStrKind StrKind(const char* code)
{
    ZnModelAppStrKind kind;
    kind.m_strKindCode.SetCode(code);
    return kind;
}

void SetStructures(ZnModelAppStrKind& main, ZnModelAppStrKindList& list, const char* code)
{
    main = StrKind(code);
    list.DeleteAll();
    list.AddCopy(StrKind(code));
}

ZnModelAppUsage Usage(const char* code)
{
    ZnModelAppUsage usage;
    usage.m_usageCode.SetCode(code);
    return usage;
}

ZnModelAppBuildPage* NewPage(const char* structure, const char* usage)
{
    auto* page = new ZnModelAppBuildPage;
    SetStructures(page->m_strKind, page->m_strKindList, structure);
    page->m_usageList.AddCopy(Usage(usage));
    return page;
}

// One row of values: the designer's qualification Q, the applied total floor area A, the site's
// floors F (all above ground), maximum height H, the largest eaves height E, the one structure code
// of the site page and the first building page, the site's main usage and the first page's usage.
struct Row {
    const char* qualification;
    double area;
    int floors;
    double height, eaves;
    const char* structure;
    const char* mainUsage;
    const char* pageUsage;
};

// A new construction with those values and one building page.
ZnModelAppBuild Application(const Row& row)
{
    ZnModelAppBuild build;
    build.m_designer.m_qualificationClass.SetCode(row.qualification);
    ZnModelAppSitePage& site = build.m_sitePage;
    site.m_totalFloorArea.m_whole.m_appPart = row.area;
    site.m_totalFloorArea.m_whole.m_otherPart = 5000; // not the applied part
    site.m_appFloorsAbove = row.floors;
    site.m_appMaxHeight = row.height;
    site.m_mainUsageCode.SetCode(row.mainUsage);
    SetStructures(site.m_mainStrKind, site.m_strKindList, row.structure);
    site.m_constKind[0] = 1;
    build.m_buildPageList.AddTail(NewPage(row.structure, row.pageUsage));
    return build;
}

Findings Check(const ZnModelAppBuild& build, double eaves)
{
    ZnFDOutCheckInput input;
    input.form = &build;
    input.docType = 1000;
    ZnBuildCheckFacts facts;
    facts.largestEavesHeight = eaves;
    return ZnArchitectClassCheck::Run(input, facts);
}

Findings Check(const Row& row) { return Check(Application(row), row.eaves); }

const char kGroupS[] = "02403", kWooden[] = "02401", kOther[] = "02402";
const char kSpecial[] = "08070", kPlain[] = "08010";

} // namespace

// The steps in their order, each row decided by the step named.
TEST(ArchitectClassCheck, TheFirstDecidingStepGivesTheClass)
{
    struct {
        Row row;
        CString finding;
    } cases[] = {
        {{"00101", 5000, 5, 20000, 12000, kOther, kSpecial, kPlain}, ""},        // step 1
        {{"00102", 1200, 2, 5000, 3000, kGroupS, kPlain, kPlain}, kFirstClass},  // step 2
        {{"00102", 1200, 1, 5000, 3000, kGroupS, kPlain, kPlain}, ""},           // step 5
        {{"", 150, 2, 5000, 3000, kWooden, kPlain, kPlain}, kWoodenClass},       // step 9
        {{"00103", 150, 2, 5000, 3000, kWooden, kPlain, kPlain}, ""},            // step 8
        {{"", 500, 1, 5000, 3000, kGroupS, kSpecial, kPlain}, kSecondClass},     // not step 3; step 6
        {{"00102", 600, 1, 5000, 3000, kGroupS, kPlain, "08130"}, kFirstClass},  // step 3
        {{"00102", 600, 1, 5000, 3000, kGroupS, kPlain, "08131"}, ""},           // step 5
        {{"00102", 301, 1, 5000, 3000, kOther, kPlain, kPlain}, kFirstClass},    // step 4
        {{"", 300, 1, 5000, 3000, kOther, kPlain, kPlain}, kSecondClass},        // step 6
        {{"00102", 50, 1, 13000.01, 3000, kOther, kPlain, kPlain}, kFirstClass}, // step 4
        {{"00102", 50, 1, 5000, 9000.0005, kOther, kPlain, kPlain}, ""},         // equal to 9000; step 5
        {{"", 100, 2, 5000, 3000, kWooden, kPlain, kPlain}, ""},                 // step 10
        {{"", 50, 3, 5000, 3000, kGroupS, kPlain, kPlain}, kSecondClass},        // step 7
        // Beside the table: the limits of steps 4 and 6 for the other structures and the groups.
        {{"00102", 50, 1, 5000, 9000.01, kOther, kPlain, kPlain}, kFirstClass},  // step 4, eaves
        {{"00102", 50, 1, 20000, 12000, kGroupS, kPlain, kPlain}, ""},           // no step 4 for group S
        {{"", 100, 1, 5000, 3000, kGroupS, kPlain, kPlain}, ""},                 // not step 6
        {{"", 101, 1, 5000, 3000, kGroupS, kPlain, kPlain}, kSecondClass},       // step 6
        {{"", 30, 1, 5000, 3000, kOther, kPlain, kPlain}, ""},                   // not step 6
        {{"", 31, 1, 5000, 3000, kOther, kPlain, kPlain}, kSecondClass},         // step 6
        {{"", 301, 1, 5000, 3000, kWooden, kPlain, kPlain}, kSecondClass},       // step 6 for wooden
        {{"00103", 1000, 2, 5000, 3000, kWooden, kPlain, kPlain}, kSecondClass}, // step 2 needs more
        {{"", 1000.01, 2, 5000, 3000, kWooden, kPlain, kPlain}, kFirstClass},    // step 2
        {{"", 501, 1, 5000, 3000, kGroupS, "08540", kPlain}, kFirstClass},       // step 3
    };
    for (const auto& c : cases) {
        const Row& r = c.row;
        SCOPED_TRACE(std::string("Q ") + r.qualification + " A " + std::to_string(r.area) + " F " +
                     std::to_string(r.floors) + " " + r.structure + " " + r.mainUsage + " " + r.pageUsage);
        EXPECT_EQ(c.finding.IsEmpty() ? Findings() : Findings{c.finding}, Check(r));
    }
}

// The special usages, compared as text, on the site page or on the first building page.
TEST(ArchitectClassCheck, SpecialUsagesAreARangeAndFourCodes)
{
    const char* special[] = {"08070", "08100", "08130", "08260", "08440", "08530", "08540"};
    const char* plain[] = {"08069", "08131", "08250", "08270", "08441", "08531", "08550", ""};
    for (const char* code : special) {
        SCOPED_TRACE(code);
        EXPECT_EQ(Findings{kFirstClass}, Check({"00102", 600, 1, 5000, 3000, kGroupS, code, kPlain}));
        EXPECT_EQ(Findings{kFirstClass}, Check({"00102", 600, 1, 5000, 3000, kGroupS, kPlain, code}));
    }
    for (const char* code : plain) {
        SCOPED_TRACE(code);
        EXPECT_EQ(Findings(), Check({"00102", 600, 1, 5000, 3000, kGroupS, code, code}));
    }
}

// Group S and wooden look at the site page and one building page: group S at the first, wooden
// at the first that has a structure code; the pages after it do not count.
TEST(ArchitectClassCheck, StructuresAreThoseOfTheSitePageAndOneBuildingPage)
{
    const Row groupS = {"", 150, 1, 5000, 3000, kGroupS, kPlain, kPlain}; // 二級 by step 6
    // Each group-S code, and none, keeps step 4 from deciding.
    ZnModelAppBuild eachCode = Application(groupS);
    eachCode.m_sitePage.m_mainStrKind = StrKind("02499");
    eachCode.m_sitePage.m_strKindList.AddCopy(StrKind("02406"));
    eachCode.m_sitePage.m_strKindList.AddCopy(StrKind(""));
    eachCode.m_sitePage.m_totalFloorArea.m_whole.m_appPart = 301;
    EXPECT_EQ(Findings{kSecondClass}, Check(eachCode, 3000));
    ZnModelAppBuild laterOther = Application(groupS);
    laterOther.m_buildPageList.AddTail(NewPage(kOther, kSpecial));
    EXPECT_EQ(Findings{kSecondClass}, Check(laterOther, 3000));
    ZnModelAppBuild siteOther = Application(groupS);
    siteOther.m_sitePage.m_strKindList.AddCopy(StrKind(kOther));
    siteOther.m_sitePage.m_totalFloorArea.m_whole.m_appPart = 301;
    EXPECT_EQ(Findings{kFirstClass}, Check(siteOther, 3000));
    ZnModelAppBuild pageOther = Application(groupS);
    pageOther.m_buildPageList.GetHead()->m_strKindList.AddCopy(StrKind("02406"));
    pageOther.m_buildPageList.GetHead()->m_strKindList.AddCopy(StrKind(kOther));
    pageOther.m_sitePage.m_totalFloorArea.m_whole.m_appPart = 301;
    EXPECT_EQ(Findings{kFirstClass}, Check(pageOther, 3000));

    const Row wooden = {"", 150, 1, 5000, 3000, kWooden, kPlain, kPlain}; // 木造 by step 9
    ZnModelAppBuild laterPages = Application(wooden);
    laterPages.m_buildPageList.AddTail(NewPage(kOther, kPlain));
    EXPECT_EQ(Findings{kWoodenClass}, Check(laterPages, 3000));
    // The first page without a structure code is passed over for the next.
    ZnModelAppBuild unsetFirst = Application(wooden);
    unsetFirst.m_buildPageList.GetHead()->m_strKind = StrKind("");
    unsetFirst.m_buildPageList.AddTail(NewPage(kOther, kPlain));
    EXPECT_EQ(Findings{kSecondClass}, Check(unsetFirst, 3000)); // not wooden: more than 30
    ZnModelAppBuild pageListOther = Application(wooden);
    pageListOther.m_buildPageList.GetHead()->m_strKindList.AddCopy(StrKind(kOther));
    EXPECT_EQ(Findings{kSecondClass}, Check(pageListOther, 3000));
    ZnModelAppBuild siteMainOther = Application(wooden);
    siteMainOther.m_sitePage.m_mainStrKind = StrKind(kOther);
    EXPECT_EQ(Findings{kSecondClass}, Check(siteMainOther, 3000));
}

// 移転 and 用途変更 alone ask for no check; each other construction kind does.
TEST(ArchitectClassCheck, OnlyKindsOfWorkOnTheBuildingAskForTheCheck)
{
    const Row row = {"00102", 1200, 2, 5000, 3000, kGroupS, kPlain, kPlain};
    const bool asks[] = {true, true, true, false, false, true, true};
    for (int kind = 0; kind < 7; ++kind) {
        SCOPED_TRACE(kind);
        ZnModelAppBuild build = Application(row);
        build.m_sitePage.m_constKind[0] = 0;
        build.m_sitePage.m_constKind[kind] = 1;
        EXPECT_EQ(asks[kind] ? Findings{kFirstClass} : Findings(), Check(build, 3000));
    }
    ZnModelAppBuild none = Application(row);
    none.m_sitePage.m_constKind[0] = 0;
    none.m_sitePage.m_constKind[3] = none.m_sitePage.m_constKind[4] = 1;
    EXPECT_EQ(Findings(), Check(none, 3000));
}

// Without building pages the site page alone decides; a slot without a building application (a
// failed load) is an empty one, which asks for no check.
TEST(ArchitectClassCheck, AnApplicationWithoutBuildingPagesIsJudgedByItsSitePage)
{
    ZnModelAppBuild wooden = Application({"", 150, 2, 5000, 3000, kWooden, kPlain, kPlain});
    wooden.m_buildPageList.DeleteAll();
    EXPECT_EQ(Findings{kWoodenClass}, Check(wooden, 3000));
    ZnModelAppBuild groupS = Application({"", 600, 1, 5000, 3000, kGroupS, kSpecial, kPlain});
    groupS.m_buildPageList.DeleteAll();
    EXPECT_EQ(Findings{kFirstClass}, Check(groupS, 3000));
    groupS.m_sitePage.m_mainUsageCode.SetCode(kPlain);
    groupS.m_designer.m_qualificationClass.SetCode("00102");
    EXPECT_EQ(Findings(), Check(groupS, 3000));

    ZnModelApp notABuilding;
    ZnFDOutCheckInput input;
    input.form = &notABuilding;
    EXPECT_EQ(Findings(), ZnArchitectClassCheck::Run(input, ZnBuildCheckFacts()));
    input.form = nullptr;
    EXPECT_EQ(Findings(), ZnArchitectClassCheck::Run(input, ZnBuildCheckFacts()));
}
