#include "storage/ZnAppComTblAccess.h"

#include "platform/core/ChoiceList.h"
#include "platform/files/WinPath.h"
#include "storage/ZnRunLog.h"
#include "storage/ZnShellState.h"

IMPLEMENT_DYNAMIC(ZnAppComTblAccess, VhObject)

namespace {

// How a slot's recordset is prepared after it is opened.
enum Preparation {
    allRows,         // as opened
    applicationRows, // the rows shown in the application program, in display order
    correctedNames,  // after the name corrections of the housing-finance table
    filteredRows     // the slot's filter, in display order
};

struct SlotTable {
    const char* table;
    Preparation preparation;
    const char* filter;
};

const SlotTable slotTables[ZnAppComTblAccess::slotCount] = {
    {"KenchikushiTourokuShubetsuTbl", allRows, nullptr},
    {"JimushoTourokuShubetsuTbl", allRows, nullptr},
    {"KensetsugyouKyokaTbl", allRows, nullptr},
    {"KenchikushiShikakuTbl", allRows, nullptr},
    {"JimushoShikakuTbl", allRows, nullptr},
    {"YoutoChiikiTbl", applicationRows, nullptr},
    {"TatemonoYoutoTbl", applicationRows, nullptr},
    {"ShoukoukiShubetsuTbl", allRows, nullptr},
    {"ShoukoukiYoutoTbl", allRows, nullptr},
    {"KouzouShubetsuTbl", applicationRows, nullptr},
    {"TaikaShubetsuTbl", allRows, nullptr},
    {"Rei13_2KenchikubutsuKubunTbl", allRows, nullptr},
    {"KousakubutsuShuruiHou88_1Tbl", allRows, nullptr},
    {"KousakubutsuYoutoHou88_2Tbl", allRows, nullptr},
    {"ShigaichiTbl", allRows, nullptr},
    {"KenchikunushiShubetsuKoujitodokeTbl", allRows, nullptr},
    {"GyoushuKoujitodokeTbl", applicationRows, nullptr},
    {"ToshikeikakuKuikiKoujitodokeTbl", applicationRows, nullptr},
    {"KoujiShubetsuKoujitodokeTbl", allRows, nullptr},
    {"TayoutoKubunKoujitodokeTbl", allRows, nullptr},
    {"KoujibubunKouzouKoujitodokeTbl", allRows, nullptr},
    {"JuutakuKoujiShubetsuKoujitodokeTbl", allRows, nullptr},
    {"JuutakuShikinKoujitodokeTbl", correctedNames, nullptr},
    {"JuutakuKouhouKoujitodokeTbl", allRows, nullptr},
    {"JuutakuShuruiKoujitodokeTbl", allRows, nullptr},
    {"JokyakuGeninTbl", allRows, nullptr},
    {"JokyakuKenchikubutsuKouzouTbl", allRows, nullptr},
    {"JokyakuKenchikubutsuJuutakuKankeiTbl", allRows, nullptr},
    {"GengouTbl", allRows, nullptr},
    {"ShuyouyoutoKubunKoujitodokeTbl", allRows, nullptr},
    {"ShuyouyoutoKubunKoujitodokeTbl", filteredRows, "[Bangou]<6"},
    {"ShuyouyoutoKubunKoujitodokeTbl", filteredRows, "[Bangou]>=11"},
    {"TatemonoYoutoKoujitodokeTbl", allRows, nullptr},
};

// The current names of the two public housing-finance bodies, which older files hold under their
// former names.
const char* const nameCorrections[] = {
    "UPDATE JuutakuShikinKoujitodokeTbl SET SeishikiMeishou='独立行政法人住宅金融支援機構',"
    "TanshukuMeishou='独立行政法人住宅金融支援機構' WHERE Code='07003'",
    "UPDATE JuutakuShikinKoujitodokeTbl SET SeishikiMeishou='独立行政法人都市再生機構',"
    "TanshukuMeishou='独立行政法人都市再生機構' WHERE Code='07004'",
};

// The run log's line for corrections that the file refused, with what came of them.
void LogNamesNotUpdated(CDaoException* e, const char* outcome)
{
    CString message;
    message.Format("コードテーブル【JuutakuShikinKoujitodokeTbl】の名称を更新できませんでした（%ld：%s）。%s",
                   static_cast<long>(e->m_pErrorInfo->m_lErrorCode),
                   static_cast<LPCTSTR>(e->m_pErrorInfo->m_strDescription), outcome);
    ZnRunLog::Write(ZnRunLog::levelWarn, message, "ZnAppComTblAccess", "Init()");
}

// Makes the name corrections in what this process read of an Access file; false where that cannot
// be done either.
bool CorrectNamesInCopy(CDaoDatabase& database)
{
    try {
        for (const char* sql : nameCorrections)
            DaoExecuteOnAccessCopy(database, sql);
        return true;
    } catch (CDaoException* e) {
        e->Delete();
        return false;
    }
}

// Runs the name corrections on the code database. Where the file cannot take them (an Access file
// is read only and refuses with 3027), they are made in what the code tables read of it, so that
// the lists show the corrected names while the file stays as it is; true then, and the slot's
// recordset must read its rows again. No failure stops start-up: each goes to the run log.
bool CorrectHousingFinanceNames(CDaoDatabase& database)
{
    try {
        for (const char* sql : nameCorrections)
            database.Execute(sql, dbFailOnError);
        return false;
    } catch (CDaoException* e) {
        bool corrected = e->m_pErrorInfo->m_lErrorCode == daoErrReadOnly && CorrectNamesInCopy(database);
        LogNamesNotUpdated(e, corrected ? "読み込んだ名称を訂正して使います。" : "");
        e->Delete();
        return corrected;
    }
}

// Moves to the first row whose column equals value byte for byte; false, at the end, when none
// does or the recordset is null or empty.
bool FindRow(ZnRsetComCodeTbl* recordset, CString ZnRsetComCodeTbl::*column, const CString& value)
{
    if (!recordset || recordset->IsBOF())
        return false;
    for (recordset->MoveFirst(); !recordset->IsEOF(); recordset->MoveNext())
        if ((recordset->*column).Bytes() == value.Bytes())
            return true;
    return false;
}

// Appends the formal name of every row to the combo box, from the first row on.
void AppendNames(ZnRsetComCodeTbl& recordset, ChoiceList& combo)
{
    if (recordset.IsBOF())
        return;
    for (recordset.MoveFirst(); !recordset.IsEOF(); recordset.MoveNext())
        combo.InsertString(-1, recordset.m_SeishikiMeishou);
}

// Empties the combo box and gives it the empty item that stands for no choice.
void StartCombo(ChoiceList& combo)
{
    combo.ResetContent();
    combo.InsertString(-1, "");
}

} // namespace

ZnAppComTblAccess::ZnAppComTblAccess() : m_mngComTbl(nullptr), m_pRset() {}

ZnAppComTblAccess::~ZnAppComTblAccess() { Close(); }

void ZnAppComTblAccess::Init()
{
    Close();
    ZnShellState* shell = ZnShellState::Current();
    CString folder = shell ? shell->GetAppFolder() : CString();
    if (!folder.IsEmpty() && !EndsWithBackslash(folder))
        folder += "\\";
    m_mngComTbl.SetComTblFolder(folder);
    m_mngComTbl.Init(0);
    for (int slot = 0; slot < slotCount; ++slot) {
        CString sql;
        m_pRset[slot] = m_mngComTbl.CreateRecordset(slotTables[slot].table, sql, 1);
        if (m_pRset[slot])
            Prepare(slot);
    }
}

void ZnAppComTblAccess::Prepare(int slot)
{
    ZnRsetComCodeTbl& recordset = *m_pRset[slot];
    const SlotTable& table = slotTables[slot];
    switch (table.preparation) {
    case allRows:
        break;
    case correctedNames:
        if (CorrectHousingFinanceNames(*recordset.m_pDatabase))
            recordset.Requery();
        break;
    case applicationRows:
        recordset.AddHyoujijunSort(1);
        recordset.AddHyoujiFlgFilter(ZnRsetComCodeTbl::hyoujiFlgApp, 1);
        recordset.Requery();
        break;
    case filteredRows:
        recordset.AddHyoujijunSort(1);
        recordset.m_strFilter = table.filter;
        recordset.Requery();
        break;
    }
}

void ZnAppComTblAccess::Close()
{
    for (ZnRsetComCodeTbl*& recordset : m_pRset) {
        delete recordset;
        recordset = nullptr;
    }
    m_mngComTbl.Close();
}

void ZnAppComTblAccess::SetRegionFilter(int region)
{
    CString office;
    office.Format("[Bangou]=%d", region);
    FilterRegionSlots(office + " or [Bangou]=9999", office);
}

void ZnAppComTblAccess::SetRegionExcludeFilter(int region)
{
    CString office;
    office.Format("[Bangou]<>%d", region);
    FilterRegionSlots(office + " and [Bangou]<>9999", office);
}

void ZnAppComTblAccess::FilterRegionSlots(const CString& filter, const CString& officeFilter)
{
    for (int slot : {slotKenchikushiTourokuShubetsu, slotJimushoTourokuShubetsu, slotKensetsugyouKyoka}) {
        ZnRsetComCodeTbl* recordset = m_pRset[slot];
        if (!recordset)
            continue;
        recordset->ClearFilter();
        recordset->ClearSort();
        recordset->AddHyoujijunSort(1);
        recordset->m_strFilter = slot == slotJimushoTourokuShubetsu ? officeFilter : filter;
        recordset->Requery();
    }
}

void ZnAppComTblAccess::FillCombo(ZnRsetComCodeTbl* recordset, ChoiceList* combo)
{
    if (!recordset || !combo || recordset->IsBOF())
        return;
    StartCombo(*combo);
    AppendNames(*recordset, *combo);
}

void ZnAppComTblAccess::FillComboByChiiki(ZnRsetComCodeTbl* recordset, ChoiceList* combo)
{
    if (!recordset || !combo)
        return;
    ZnShellState* shell = ZnShellState::Current();
    int region = shell ? shell->GetChiikiBangou() : 0;
    // The box is emptied whatever the region holds, so that no entry of an earlier fill stays.
    StartCombo(*combo);
    SetRegionFilter(region);
    AppendNames(*recordset, *combo);
    SetRegionExcludeFilter(region);
    AppendNames(*recordset, *combo);
    FilterRegionSlots(CString(), CString());
}

CString ZnAppComTblAccess::GetCodeByName(ZnRsetComCodeTbl* recordset, const CString& name)
{
    return FindRow(recordset, &ZnRsetComCodeTbl::m_SeishikiMeishou, name) ? recordset->m_Code : CString();
}

CString ZnAppComTblAccess::GetNameByCode(ZnRsetComCodeTbl* recordset, const CString& code)
{
    return FindRow(recordset, &ZnRsetComCodeTbl::m_Code, code) ? recordset->m_SeishikiMeishou : CString();
}

CString ZnAppComTblAccess::GetShortNameByCode(ZnRsetComCodeTbl* recordset, const CString& code)
{
    return FindRow(recordset, &ZnRsetComCodeTbl::m_Code, code) ? recordset->m_TanshukuMeishou : CString();
}
