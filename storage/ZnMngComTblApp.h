// The application's code-table manager: the code tables of the base, one more registry table
// (the application's start-up record) and no recordset for the placeholder table "XXXXXXTbl".
#pragma once

#include "storage/ZnMngComTbl.h"

class ZnMngComTblApp : public ZnMngComTbl {
    DECLARE_DYNAMIC(ZnMngComTblApp)
public:
    explicit ZnMngComTblApp(CDaoWorkspace* workspace = nullptr) : ZnMngComTbl(workspace) {}

    // The base's registry tables and StartupAppTbl.
    void RegInit(int create) override;
    // Null for the table "XXXXXXTbl"; otherwise the base's recordset.
    ZnRsetComCodeTbl* NewRecordset(ZnMngComTblAttr* attr, CDaoDatabase* database) override;
    // StartupAppTbl gives the start-up record; every other table is the base's.
    ZnRegistry* CreateRegObject(ZnMngComRegAttr* attr) override;
};
