#include "readers/ZnOldStructForm.h"

#include "model/ZnModelAppStruct.h"
#include "readers/ZnOldFormItems.h"

using namespace ZnOldFormItems;

namespace {

enum Item {
    itemSite = 18050,
    itemStructure = 18060,
    itemStructureKind = 18065,
    itemWorkStart = 18070,
    itemWorkEnd = 18080,
    itemProcessEnd = 18090,
    itemRemarks = 18100,
    itemChangeOutline = 18105,
    itemFurtherStructure = 18230,
    itemFurtherStructureKind = 18235,
    itemProcessEndAgain = 18240,
    itemStructureName = 18250,
    itemApplicant = 18900,
};

enum { siteFields = 3, structureFields = 9, kindFields = 3 };

struct Work : PersonsWork {
    Work(ZnOldFormReader& reader, ZnModelAppStruct& app) : PersonsWork(reader), app(app) {}
    ZnModelAppStruct& app;
    // The first structure, which its structure and kind records both build on: the kinds that
    // they give add up.
    ZnModelStruct structure;
    ZnModelStructList structures;
};

// Fields 1 to 8 into structure; its number becomes the reader's building number. The
// construction kind adds to the kinds that the structure has.
void FillStructure(Work& work, ZnModelStruct& structure, const CStringArray& f)
{
    structure.m_leadingValue = Int(f[1]);
    structure.m_kindCode.SetCode(f[2]);
    structure.m_kindText = f[3];
    structure.m_height = Real(f[4]);
    structure.m_structureDetail = f[5];
    structure.SetConstKind(f[6], f[7]);
    structure.m_remarks = f[8];
    work.reader.SetBuildingNo(structure.m_leadingValue);
}

std::vector<Row<Work>> Rows()
{
    std::vector<Row<Work>> rows = PersonRows<Work>(18);
    const std::vector<Row<Work>> own = {
        {itemSite, siteFields,
         [](Work& w, const CStringArray& f) {
             w.app.m_lotAddress = AddressText(f[1]);
             w.app.m_displayAddress = AddressText(f[2]);
         }},
        {itemStructure, structureFields,
         [](Work& w, const CStringArray& f) {
             FillStructure(w, w.structure, f);
             w.app.m_structure = w.structure;
         }},
        {itemStructureKind, kindFields,
         [](Work& w, const CStringArray& f) {
             w.structure.SetConstKind(f[1], f[2]);
             w.app.m_structure = w.structure;
         }},
        {itemWorkStart, textFields, [](Work& w, const CStringArray& f) { w.app.m_constStartDate = Date(f[1]); }},
        {itemWorkEnd, textFields, [](Work& w, const CStringArray& f) { w.app.m_constEndDate = Date(f[1]); }},
        {itemProcessEnd, processDateFields, [](Work& w, const CStringArray& f) { w.app.SetInspDate(ProcessDate(f)); }},
        {itemRemarks, textFields, [](Work& w, const CStringArray& f) { w.app.m_note = f[1]; }},
        {itemChangeOutline, textFields, [](Work& w, const CStringArray& f) { w.app.m_changeSummary = f[1]; }},
        {itemFurtherStructure, structureFields,
         [](Work& w, const CStringArray& f) {
             ZnModelStruct structure;
             FillStructure(w, structure, f);
             w.structures.AddCopy(structure);
         }},
        {itemFurtherStructureKind, kindFields,
         [](Work& w, const CStringArray& f) {
             if (!w.structures.IsEmpty())
                 w.structures.GetTail()->SetConstKind(f[1], f[2]);
         }},
        {itemProcessEndAgain, processDateFields,
         [](Work& w, const CStringArray& f) { w.app.SetInspDate(ProcessDate(f)); }},
        {itemStructureName, applicantFields, [](Work& w, const CStringArray& f) { w.app.SetName(Name(f)); }},
        ApplicantRow<Work>(itemApplicant),
    };
    rows.insert(rows.end(), own.begin(), own.end());
    return rows;
}

} // namespace

void ZnOldStructForm::Read(ZnOldFormReader& reader, ZnModelAppStruct& app)
{
    static const std::vector<Row<Work>> rows = Rows();
    Work work(reader, app);
    ReadFormItems(reader, rows, work);
    work.HandOver(app);
    app.SetStructList(work.structures);
}
