#include "readers/ZnOldLiftForm.h"

#include "model/ZnModelAppLift.h"
#include "readers/ZnOldFormItems.h"

using namespace ZnOldFormItems;

namespace {

enum Item {
    itemSite = 16050,
    itemLift = 16060,
    itemWorkStart = 16070,
    itemWorkEnd = 16080,
    itemProcessEnd = 16090,
    itemRemarks = 16100,
    itemChangeOutline = 16105,
    itemFurtherLift = 16230,
    itemBuildingConfirmation = 16250,
    itemApplicant = 16900,
    itemStructureApplicant = 18900,
};

enum { siteFields = 5, liftFields = 10 };

struct Work : PersonsWork {
    Work(ZnOldFormReader& reader, ZnModelAppLift& app) : PersonsWork(reader), app(app) {}
    ZnModelAppLift& app;
    ZnModelLiftList lifts;
};

// Fields 1 to 9; the lift's number becomes the reader's building number.
ZnModelLift Lift(Work& work, const CStringArray& f)
{
    ZnModelLift lift;
    lift.m_leadingValue = Int(f[1]);
    lift.m_kindCode.SetCode(f[2]);
    lift.m_kindText = f[3];
    lift.m_usageCode.SetCode(f[4]);
    lift.m_usageText = f[5];
    lift.m_loadCapacity = Real(f[6]);
    lift.m_maxPersons = Int(f[7]);
    lift.m_ratedSpeed = Real(f[8]);
    lift.m_otherMatters = f[9];
    work.reader.SetBuildingNo(lift.m_leadingValue);
    return lift;
}

std::vector<Row<Work>> Rows()
{
    std::vector<Row<Work>> rows = PersonRows<Work>(16);
    const std::vector<Row<Work>> own = {
        {itemSite, siteFields,
         [](Work& w, const CStringArray& f) {
             w.app.m_address = AddressText(f[1]);
             w.app.m_name = Name(f, 2);
             w.app.m_usageText = f[4];
         }},
        {itemLift, liftFields, [](Work& w, const CStringArray& f) { w.app.m_lift = Lift(w, f); }},
        {itemWorkStart, textFields, [](Work& w, const CStringArray& f) { w.app.m_constStartDate = Date(f[1]); }},
        {itemWorkEnd, textFields, [](Work& w, const CStringArray& f) { w.app.m_constEndDate = Date(f[1]); }},
        {itemProcessEnd, processDateFields,
         [](Work& w, const CStringArray& f) { w.app.m_specStageDate = ProcessDate(f); }},
        {itemRemarks, textFields, [](Work& w, const CStringArray& f) { w.app.m_note = f[1]; }},
        {itemChangeOutline, textFields, [](Work& w, const CStringArray& f) { w.app.m_changeSummary = f[1]; }},
        {itemFurtherLift, liftFields, [](Work& w, const CStringArray& f) { w.lifts.AddCopy(Lift(w, f)); }},
        {itemBuildingConfirmation, numberFields,
         [](Work& w, const CStringArray& f) { w.app.SetPrevConfNum(Number(f)); }},
        ApplicantRow<Work>(itemApplicant),
        ApplicantRow<Work>(itemStructureApplicant),
    };
    rows.insert(rows.end(), own.begin(), own.end());
    return rows;
}

} // namespace

void ZnOldLiftForm::Read(ZnOldFormReader& reader, ZnModelAppLift& app)
{
    static const std::vector<Row<Work>> rows = Rows();
    Work work(reader, app);
    ReadFormItems(reader, rows, work);
    work.HandOver(app);
    app.SetLiftList(work.lifts);
}
