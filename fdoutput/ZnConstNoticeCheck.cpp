#include "fdoutput/ZnConstNoticeCheck.h"

#include "fdoutput/ZnCheckFindings.h"
#include "fdoutput/ZnConstNotifInputCheck.h"
#include "fdoutput/ZnFDOutWording.h"
#include "model/ZnModelAppConstNotif.h"
#include "writers/ReadStoredDocument.h"

#include <algorithm>
#include <memory>

namespace {

const int kNoticeFormNo = 240;
const char kSecondFace[] = "建築工事届の第二面：";

// The notice stored for the current property, read into objects of its own; null when there is
// none or it cannot be read (ReadStoredDocument has then said so).
std::unique_ptr<ZnModelAppConstNotif> ReadNotice()
{
    ZnModelApp app;
    auto notice = std::make_unique<ZnModelAppConstNotif>();
    ZnModel* models[] = {&app, notice.get()};
    if (ReadStoredDocument(kNoticeFormNo, models, 2) != storedDocumentRead)
        return nullptr;
    return notice;
}

// Whether the application's construction kinds (新築, 増築, 改築, 移転) include the notice's work
// kind ("01801" to "01804" in that order); any other code never matches.
bool WorkKindMatches(const CString& code, const int (&kinds)[4])
{
    static const char* const codes[] = {"01801", "01802", "01803", "01804"};
    for (int i = 0; i < 4; ++i)
        if (code == codes[i])
            return kinds[i] != 0;
    return false;
}

// The value at index of a per-building array of the facts; 0 past its end.
int ValueAt(const std::vector<int>& values, size_t index) { return index < values.size() ? values[index] : 0; }

class NoticeFindings {
public:
    NoticeFindings(const ZnBuildCheckFacts& facts, int docMode)
        : m_facts(facts), m_application(ZnFDOutWording::Stem(docMode) + "書")
    {
    }

    std::vector<CString> Of(const ZnModelAppConstNotif& notice)
    {
        CheckSecondFace(notice);
        for (POSITION pos = notice.m_buildings.GetHeadPosition(); pos;)
            if (const ZnModelAppStrNotif* building = notice.m_buildings.GetNext(pos))
                CheckBuilding(*building);
        ZnConstNotifInputCheck::AddDemolitionFindings(m_findings, notice);
        return m_findings.Take();
    }

private:
    void AddIf(bool finding, const CString& text) { m_findings.AddIf(finding, kSecondFace + text); }

    void CheckSecondFace(const ZnModelAppConstNotif& notice)
    {
        const CString& workKind = notice.m_constKind.GetCode();
        AddIf(notice.m_ownerType.GetCode().IsEmpty(), "建築主の種別コードが未入力です。");
        AddIf(notice.m_siteAddress.m_address.IsEmpty(), "敷地の地名地番が未入力です。");
        AddIf(notice.m_planArea.GetCode().IsEmpty(), "都市計画が未入力です。");
        AddIf(workKind.IsEmpty(), "工事種別が未入力です。");
        AddIf(!workKind.IsEmpty() && !WorkKindMatches(workKind, m_facts.constructionKinds),
              "工事種別が建築物の工事種別と異なります。");
        AddIf(notice.m_mainUse.m_usage.GetCode().IsEmpty(), "主要用途の区分が未入力です。");
        AddIf(notice.m_buildings.GetCount() != m_facts.appliedBuildings,
              "建築物数が" + m_application + "の棟数と異なります。");
    }

    void CheckBuilding(const ZnModelAppStrNotif& building)
    {
        ZnConstNotifInputCheck::AddBuildingFindings(m_findings, building);
        CString label;
        label.Format("%d番の建築物", building.m_number);
        const std::vector<int>& numbers = m_facts.buildingNumbers;
        auto found = std::find(numbers.begin(), numbers.end(), building.m_number);
        if (found == numbers.end()) {
            AddIf(true, label + "が" + m_application + "にありません。");
            return;
        }
        size_t index = found - numbers.begin();
        AddIf(building.m_count2 != ValueAt(m_facts.floorsAbove, index),
              label + "の地階を除く階数が、" + m_application + "の建築物の階数と異なります。");
        AddIf(building.m_count3 != ValueAt(m_facts.floorsBelow, index),
              label + "の地階の階数が、" + m_application + "の建築物の階数と異なります。");
    }

    const ZnBuildCheckFacts& m_facts;
    CString m_application; // 確認申請書 or 計画通知書
    ZnCheckFindings m_findings;
};

} // namespace

std::vector<CString> ZnConstNoticeCheck::CheckConstNotice(const ZnFDOutCheckInput& input,
                                                          const ZnBuildCheckFacts& facts)
{
    std::unique_ptr<ZnModelAppConstNotif> notice = ReadNotice();
    if (!notice)
        return {"", "建築工事届が入力されていません。", ""};
    return NoticeFindings(facts, input.docMode).Of(*notice);
}
