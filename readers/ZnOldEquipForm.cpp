#include "readers/ZnOldEquipForm.h"

#include "model/ZnModelAppEquip.h"
#include "readers/ZnOldFormItems.h"

using namespace ZnOldFormItems;

namespace {

enum Item {
    itemSite = 17050,
    itemOutline = 17060,
    itemWorkStart = 17070,
    itemWorkEnd = 17080,
    itemProcessEnd = 17090,
    itemRemarks = 17100,
    itemChangeOutline = 17105,
    itemBuildingConfirmation = 17240,
    itemApplicant = 17900,
};

enum { siteFields = 5 };

struct Work : PersonsWork {
    Work(ZnOldFormReader& reader, ZnModelAppEquip& app) : PersonsWork(reader), app(app) {}
    ZnModelAppEquip& app;
};

std::vector<Row<Work>> Rows()
{
    std::vector<Row<Work>> rows = PersonRows<Work>(17);
    const std::vector<Row<Work>> own = {
        {itemSite, siteFields,
         [](Work& w, const CStringArray& f) {
             w.app.m_address = AddressText(f[1]);
             w.app.m_name = Name(f, 2);
             w.app.m_usageText = f[4];
         }},
        {itemOutline, textFields, [](Work& w, const CStringArray& f) { w.app.m_equipOutline = f[1]; }},
        {itemWorkStart, textFields, [](Work& w, const CStringArray& f) { w.app.m_constStartDate = Date(f[1]); }},
        {itemWorkEnd, textFields, [](Work& w, const CStringArray& f) { w.app.m_constEndDate = Date(f[1]); }},
        {itemProcessEnd, processDateFields,
         [](Work& w, const CStringArray& f) { w.app.m_specStageDate = ProcessDate(f); }},
        {itemRemarks, textFields, [](Work& w, const CStringArray& f) { w.app.m_note = f[1]; }},
        {itemChangeOutline, textFields, [](Work& w, const CStringArray& f) { w.app.m_changeSummary = f[1]; }},
        {itemBuildingConfirmation, numberFields, [](Work& w, const CStringArray& f) { w.app.m_confNum = Number(f); }},
        ApplicantRow<Work>(itemApplicant),
    };
    rows.insert(rows.end(), own.begin(), own.end());
    return rows;
}

} // namespace

void ZnOldEquipForm::Read(ZnOldFormReader& reader, ZnModelAppEquip& app)
{
    static const std::vector<Row<Work>> rows = Rows();
    Work work(reader, app);
    ReadFormItems(reader, rows, work);
    work.HandOver(app);
}
