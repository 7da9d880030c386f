#include "storage/ZnAppChiikiShiteiTblDAO.h"

IMPLEMENT_DYNAMIC(ZnAppChiikiShiteiTblDAO, ZnAppTblDAO)

ZnAppChiikiShiteiTblDAO::ZnAppChiikiShiteiTblDAO(CDaoDatabase* database) : ZnAppTblDAO(database, comChiikiMdb, 7) {}

CString ZnAppChiikiShiteiTblDAO::GetDefaultSQL() { return "[AppChiikiShiteiTbl]"; }

void ZnAppChiikiShiteiTblDAO::DoFieldExchange(CDaoFieldExchange* pFX)
{
    pFX->SetFieldType(CDaoFieldExchange::outputColumn);
    DFX_Long(pFX, "[ChiikiBangou]", m_ChiikiBangou);
    DFX_Long(pFX, "[ChiikiRenban]", m_ChiikiRenban);
    DFX_Text(pFX, "[ChiikiMei]", m_ChiikiMei);
    DFX_Long(pFX, "[TodoufukenBangou]", m_TodoufukenBangou);
    DFX_Text(pFX, "[Todoufuken]", m_Todoufuken);
    DFX_Bool(pFX, "[ShokiSentakuFlg]", m_ShokiSentakuFlg);
    DFX_Text(pFX, "[Bikou]", m_Bikou);
}

CString ZnAppChiikiShiteiTblDAO::GetTodoufuken(int todoufukenBangou)
{
    DefaultOpen open(*this);
    for (; !IsEOF(); MoveNext())
        if (m_TodoufukenBangou == todoufukenBangou)
            return m_Todoufuken;
    return CString();
}

int ZnAppChiikiShiteiTblDAO::GetTodoufukenBangou(const CString& name)
{
    DefaultOpen open(*this);
    for (; !IsEOF(); MoveNext())
        if (m_Todoufuken.Bytes() == name.Bytes())
            return m_TodoufukenBangou;
    return -1;
}
