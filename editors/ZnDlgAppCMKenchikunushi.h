// The editor of the building owners (AppKenchikunushiTbl): the name or authority, its reading and the address block.
#pragma once

#include "editors/ZnDlgAppCMTableEditor.h"
#include "storage/ZnAppKenchikunushiTblDAO.h"

class ZnDlgAppCMKenchikunushi : public ZnDlgAppCMTableEditor<ZnAppKenchikunushiTblDAO> {
public:
    ZnDlgAppCMKenchikunushi();
};
