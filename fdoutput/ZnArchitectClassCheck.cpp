#include "fdoutput/ZnArchitectClassCheck.h"

#include "model/ZnModelAppBuild.h"
#include "writers/ZnAppDocFDOut00.h"

namespace {

// What the required class is worked out from.
struct Demands {
    CString qualification; // Q: the first designer's qualification code
    double area;           // A: the applied part of the whole building's total floor area
    double height;         // H: the site's maximum height
    double eavesHeight;    // E: the largest maximum eaves height of the building pages
    int floors;            // F: the site's floors above and below ground
    bool groupS;           // every structure code looked at is "02403", "02406", "02499" or empty
    bool wooden;           // every structure code looked at is "02401" or empty
    bool specialUse;       // the site's or the first building page's usage is a special one
};

bool Greater(double a, double b) { return ZnAppDocFDOut00::CompareNumber(a, ">", b) != 0; }

bool IsGroupSCode(const CString& code)
{
    return code.IsEmpty() || code == "02403" || code == "02406" || code == "02499";
}

bool IsWoodenCode(const CString& code) { return code.IsEmpty() || code == "02401"; }

// Whether the main structure code and every code of the structure-kind list pass test.
bool AllStructures(const ZnModelAppStrKind& main, const ZnModelAppStrKindList& list, bool (*test)(const CString&))
{
    if (!test(main.GetStrKindCode().GetCode()))
        return false;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        if (const ZnModelAppStrKind* kind = list.GetNext(pos))
            if (!test(kind->GetStrKindCode().GetCode()))
                return false;
    return true;
}

// The first building page of the list, or null when it has none.
const ZnModelAppBuildPage* FirstPage(const ZnModelAppBuildPageList& pages)
{
    for (POSITION pos = pages.GetHeadPosition(); pos;)
        if (const ZnModelAppBuildPage* page = pages.GetNext(pos))
            return page;
    return nullptr;
}

// The first building page with a structure code, or null when none has one.
const ZnModelAppBuildPage* FirstPageWithStructure(const ZnModelAppBuildPageList& pages)
{
    for (POSITION pos = pages.GetHeadPosition(); pos;)
        if (const ZnModelAppBuildPage* page = pages.GetNext(pos))
            if (!page->GetStrKind().GetStrKindCode().GetCode().IsEmpty())
                return page;
    return nullptr;
}

// Whether the site page and, when there is one, the page pass test in all their structure codes.
bool AllStructures(const ZnModelAppSitePage& site, const ZnModelAppBuildPage* page, bool (*test)(const CString&))
{
    return AllStructures(site.GetStrKind(), site.GetStrKindList(), test) &&
           (!page || AllStructures(page->GetStrKind(), page->GetStrKindList(), test));
}

// The usages of special buildings: "08070" to "08130" (compared as text), "08260", "08440",
// "08530" and "08540". An empty code is none.
bool IsSpecialUsage(const CString& code)
{
    if (code.IsEmpty())
        return false;
    return (code.Compare("08070") >= 0 && code.Compare("08130") <= 0) || code == "08260" || code == "08440" ||
           code == "08530" || code == "08540";
}

// The site's main usage or a usage of the first building page is a special one.
bool HasSpecialUse(const ZnModelAppSitePage& site, const ZnModelAppBuildPage* page)
{
    if (IsSpecialUsage(site.GetUsageCode().GetCode()))
        return true;
    if (!page)
        return false;
    const ZnModelAppUsageList& usages = page->GetUsageList();
    for (POSITION pos = usages.GetHeadPosition(); pos;)
        if (const ZnModelAppUsage* usage = usages.GetNext(pos))
            if (IsSpecialUsage(usage->GetUsageCode().GetCode()))
                return true;
    return false;
}

// Whether the site page sets a construction kind that asks for the check: 新築, 増築, 改築,
// 大規模の修繕 or 大規模の模様替 (移転 and 用途変更 do not).
bool AsksForTheCheck(const ZnModelAppSitePage& site)
{
    const int kinds[] = {0, 1, 2, 5, 6};
    for (int kind : kinds)
        if (site.m_constKind[kind])
            return true;
    return false;
}

Demands DemandsOf(const ZnModelAppBuild& build, double largestEavesHeight)
{
    const ZnModelAppSitePage& site = build.GetSitePage();
    const ZnModelAppBuildPage* first = FirstPage(build.GetBuildPageList());
    return {build.GetDesigner().m_qualificationClass.GetCode(),
            site.GetTotalFloorAreaData().GetWholeArea().GetAppPart(),
            site.m_appMaxHeight,
            largestEavesHeight,
            site.m_appFloorsAbove + site.m_appFloorsBelow,
            AllStructures(site, first, IsGroupSCode),
            AllStructures(site, FirstPageWithStructure(build.GetBuildPageList()), IsWoodenCode),
            HasSpecialUse(site, first)};
}

// The class the buildings may require: 1 一級, 2 一級 or 二級, 3 一級, 二級 or 木造; 0 when the
// designer's qualification suffices or nothing is required. The first step that decides ends it.
int RequiredClass(const Demands& d)
{
    if (d.qualification == "00101")
        return 0;
    if (Greater(d.area, 1000) && ZnAppDocFDOut00::CompareNumber(d.floors, "!=", 1))
        return 1;
    if (Greater(d.area, 500) && d.specialUse)
        return 1;
    if (!d.groupS && (Greater(d.height, 13000) || Greater(d.eavesHeight, 9000) || (!d.wooden && Greater(d.area, 300))))
        return 1;
    if (d.qualification == "00102")
        return 0;
    if (d.groupS ? Greater(d.area, 100) : Greater(d.area, d.wooden ? 300 : 30))
        return 2;
    if (ZnAppDocFDOut00::CompareNumber(d.floors, ">=", 3))
        return 2;
    if (d.qualification == "00103")
        return 0;
    if (d.wooden && Greater(d.area, 100))
        return 3;
    return 0;
}

const char* const kClassFindings[] = {
    "第二面：この物件の建築士は、一級建築士でなくてはならない可能性があります。",
    "第二面：この物件の建築士は、一級、または二級建築士でなくてはならない可能性があります。",
    "第二面：この物件の建築士は、一級、二級、または木造建築士でなくてはならない可能性があります。",
};

} // namespace

std::vector<CString> ZnArchitectClassCheck::Run(const ZnFDOutCheckInput& input, const ZnBuildCheckFacts& facts)
{
    ZnSlotView<ZnModelAppBuild> build(input.form);
    if (!AsksForTheCheck(build->GetSitePage()))
        return {};
    int required = RequiredClass(DemandsOf(*build, facts.largestEavesHeight));
    if (required == 0)
        return {};
    return {kClassFindings[required - 1]};
}
