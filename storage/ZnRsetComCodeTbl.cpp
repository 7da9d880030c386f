#include "storage/ZnRsetComCodeTbl.h"

IMPLEMENT_DYNAMIC(ZnRsetComCodeTbl, CDaoRecordset)

namespace {

const int fieldCount = 14;

// The display-flag columns, by HyoujiFlg.
const char* const hyoujiFlgColumns[] = {"HyoujiFlgApp", "HyoujiFlgRecept", "HyoujiFlgRegist", "HyoujiFlgDbMng",
                                        "HyoujiFlgDbView"};

} // namespace

ZnRsetComCodeTbl::ZnRsetComCodeTbl(CDaoDatabase* database) : CDaoRecordset(database)
{
    m_nFields = fieldCount;
    m_nDefaultType = dbOpenDynaset;
}

void ZnRsetComCodeTbl::DoFieldExchange(CDaoFieldExchange* pFX)
{
    pFX->SetFieldType(CDaoFieldExchange::outputColumn);
    DFX_Text(pFX, "[TblCode]", m_TblCode);
    DFX_Long(pFX, "[Bangou]", m_Bangou);
    DFX_Text(pFX, "[Code]", m_Code);
    DFX_Short(pFX, "[Hyoujijun]", m_Hyoujijun);
    DFX_Bool(pFX, "[ShokiSentakuFlg]", m_ShokiSentakuFlg);
    DFX_Bool(pFX, "[HyoujiFlgApp]", m_HyoujiFlgApp);
    DFX_Bool(pFX, "[HyoujiFlgRecept]", m_HyoujiFlgRecept);
    DFX_Bool(pFX, "[HyoujiFlgRegist]", m_HyoujiFlgRegist);
    DFX_Bool(pFX, "[HyoujiFlgDbMng]", m_HyoujiFlgDbMng);
    DFX_Bool(pFX, "[HyoujiFlgDbView]", m_HyoujiFlgDbView);
    DFX_Text(pFX, "[SeishikiMeishou]", m_SeishikiMeishou);
    DFX_Text(pFX, "[TanshukuMeishou]", m_TanshukuMeishou);
    DFX_Text(pFX, "[DaichouTourokuMeishou]", m_DaichouTourokuMeishou);
    DFX_Text(pFX, "[Bikou]", m_Bikou);
}

void ZnRsetComCodeTbl::AddHyoujijunSort(int ascending)
{
    if (!m_strSort.IsEmpty())
        m_strSort += ", ";
    m_strSort += ascending == 1 ? "Hyoujijun ASC" : "Hyoujijun DESC";
}

void ZnRsetComCodeTbl::AddHyoujiFlgFilter(int flagIndex, int andMode)
{
    if (flagIndex < hyoujiFlgApp || flagIndex > hyoujiFlgDbView)
        return;
    if (!m_strFilter.IsEmpty())
        m_strFilter += andMode == 1 ? " AND " : " OR ";
    m_strFilter += hyoujiFlgColumns[flagIndex];
    m_strFilter += " = True";
}
