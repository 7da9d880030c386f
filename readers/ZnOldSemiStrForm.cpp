#include "readers/ZnOldSemiStrForm.h"

#include "model/ZnModelAppSemiStr.h"
#include "readers/ZnOldFormItems.h"

using namespace ZnOldFormItems;

namespace {

enum Item {
    itemSite = 19050,
    itemStructure = 19060,
    itemWorkStart = 19070,
    itemWorkEnd = 19080,
    itemProcessEnd = 19090,
    itemPermitLaw = 19100,
    itemRemarks = 19110,
    itemChangeOutline = 19115,
    itemUseZone = 19230,
    itemStructureKind = 19240,
    itemStructureName = 19260,
    itemApplicant = 19900,
    itemSitePositions = 19910,
};

enum { siteFields = 5, structureFields = 12, kindFields = 3, positionFields = 5 };

// The field of the structure record that is read only when the record has it.
const int otherMattersField = 12;

struct Work : PersonsWork {
    Work(ZnOldFormReader& reader, ZnModelAppSemiStr& app) : PersonsWork(reader), app(app) {}
    ZnModelAppSemiStr& app;
    ZnModelUseZoneCodeList zones;
};

void AddZone(Work& work, const CString& code)
{
    ZnModelUseZoneCode zone;
    zone.SetCode(code);
    work.zones.AddCopy(zone);
}

// A site position from two fields of four parts each, cut at '-'.
ZnModelAppSitePos SitePosition(const CStringArray& f, int first)
{
    ZnModelAppSitePos position;
    for (int half = 0; half < 2; ++half)
        for (int part = 0; part < 4; ++part)
            position.m_values[half * 4 + part] = Int(ZnOldFormReader::GetSplitField(f[first + half], '-', part + 1));
    return position;
}

void TakeStructure(Work& w, const CStringArray& f)
{
    w.app.m_usageCode.SetCode(f[1]);
    w.app.m_usageText = f[2];
    w.app.m_height = Real(f[3]);
    w.app.SetConstKind(f[4], f[5]);
    ZnModelArea area;
    area.m_appPart = Real(f[6]);
    area.m_otherPart = Real(f[7]);
    w.app.m_buildArea = area;
    w.app.m_appStructCount = Int(f[9]);
    w.app.m_otherStructCount = Int(f[10]);
    w.app.m_structNote = f.GetSize() > otherMattersField ? f[otherMattersField] : CString();
}

std::vector<Row<Work>> Rows()
{
    std::vector<Row<Work>> rows = PersonRows<Work>(19);
    const std::vector<Row<Work>> own = {
        {itemSite, siteFields,
         [](Work& w, const CStringArray& f) {
             w.app.m_lotAddress = AddressText(f[1]);
             w.app.m_displayAddress = AddressText(f[2]);
             AddZone(w, f[3]);
             w.app.m_otherZoneText = f[4];
         }},
        {itemStructure, structureFields, TakeStructure},
        {itemWorkStart, textFields, [](Work& w, const CStringArray& f) { w.app.m_constStartDate = Date(f[1]); }},
        {itemWorkEnd, textFields, [](Work& w, const CStringArray& f) { w.app.m_constEndDate = Date(f[1]); }},
        {itemProcessEnd, processDateFields,
         [](Work& w, const CStringArray& f) { w.app.m_specStageDate = ProcessDate(f); }},
        {itemPermitLaw, textFields, [](Work& w, const CStringArray& f) { w.app.m_permitLaw = f[1]; }},
        {itemRemarks, textFields, [](Work& w, const CStringArray& f) { w.app.m_note = f[1]; }},
        {itemChangeOutline, textFields, [](Work& w, const CStringArray& f) { w.app.m_changeSummary = f[1]; }},
        {itemUseZone, textFields, [](Work& w, const CStringArray& f) { AddZone(w, f[1]); }},
        {itemStructureKind, kindFields, [](Work& w, const CStringArray& f) { w.app.SetConstKind(f[1], f[2]); }},
        {itemStructureName, applicantFields, [](Work& w, const CStringArray& f) { w.app.SetName(Name(f)); }},
        ApplicantRow<Work>(itemApplicant),
        {itemSitePositions, positionFields,
         [](Work& w, const CStringArray& f) {
             w.app.SetSitePos1(SitePosition(f, 1));
             w.app.SetSitePos2(SitePosition(f, 3));
         }},
    };
    rows.insert(rows.end(), own.begin(), own.end());
    return rows;
}

} // namespace

void ZnOldSemiStrForm::Read(ZnOldFormReader& reader, ZnModelAppSemiStr& app)
{
    static const std::vector<Row<Work>> rows = Rows();
    Work work(reader, app);
    ReadFormItems(reader, rows, work);
    work.HandOver(app);
    app.SetUseZoneCodeList(work.zones);
}
