// The editor of the addresses and lot numbers (AppChimeiChibanTbl): the address block without the telephone, keyed by
// the address itself, so that choosing a prefecture on an empty form starts the key.
#pragma once

#include "editors/ZnDlgAppCMTableEditor.h"
#include "storage/ZnAppChimeiChibanTblDAO.h"

class ZnDlgAppCMChimeiChiban : public ZnDlgAppCMTableEditor<ZnAppChimeiChibanTblDAO> {
public:
    ZnDlgAppCMChimeiChiban();
};
