#include "storage/ZnMngComTblApp.h"

#include "storage/ZnMngComRegAttr.h"
#include "storage/ZnMngComTblAttr.h"
#include "storage/ZnRegistryStartup.h"

IMPLEMENT_DYNAMIC(ZnMngComTblApp, ZnMngComTbl)

void ZnMngComTblApp::RegInit(int create)
{
    ZnMngComTbl::RegInit(create);
    AddRegTable(30212, "StartupAppTbl", "申請書作成起動情報", "App\\6.00.0.0", create);
}

ZnRsetComCodeTbl* ZnMngComTblApp::NewRecordset(ZnMngComTblAttr* attr, CDaoDatabase* database)
{
    if (attr && attr->m_strTable == "XXXXXXTbl")
        return nullptr;
    return ZnMngComTbl::NewRecordset(attr, database);
}

ZnRegistry* ZnMngComTblApp::CreateRegObject(ZnMngComRegAttr* attr)
{
    if (attr && attr->m_strTable == "StartupAppTbl")
        return WithAttrKeys(new ZnRegistryStartup("Startup", "WindowPlacement"), *attr);
    return ZnMngComTbl::CreateRegObject(attr);
}
