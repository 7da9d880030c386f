#include "storage/ZnAppChiikiShiteiQ2TblDAO.h"

IMPLEMENT_DYNAMIC(ZnAppChiikiShiteiQ2TblDAO, ZnAppTblDAO)

ZnAppChiikiShiteiQ2TblDAO::ZnAppChiikiShiteiQ2TblDAO(CDaoDatabase* database) : ZnAppTblDAO(database, comChiikiMdb, 3) {}

CString ZnAppChiikiShiteiQ2TblDAO::GetDefaultSQL() { return "[AppChiikiShiteiQ2Tbl]"; }

void ZnAppChiikiShiteiQ2TblDAO::DoFieldExchange(CDaoFieldExchange* pFX)
{
    pFX->SetFieldType(CDaoFieldExchange::outputColumn);
    DFX_Bool(pFX, "[ShokiSentakuFlg]", m_ShokiSentakuFlg);
    DFX_Text(pFX, "[ChiikiMei]", m_ChiikiMei);
    DFX_Long(pFX, "[ChiikiBangou]", m_ChiikiBangou);
}
