// The editor of the exterior wall and eaves-soffit finishes (AppGaihekiTbl): one phrase, the key.
#pragma once

#include "editors/ZnDlgAppCMTableEditor.h"
#include "storage/ZnAppGaihekiTblDAO.h"

class ZnDlgAppCMGaiheki : public ZnDlgAppCMTableEditor<ZnAppGaihekiTblDAO> {
public:
    ZnDlgAppCMGaiheki();
};
