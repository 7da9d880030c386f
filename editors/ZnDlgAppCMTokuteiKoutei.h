// The editor of the specified construction processes (AppTokuteiKouteiTbl): one phrase, the key. It says 特定工程名
// throughout, while the panel button that opens it says 指定工程名.
#pragma once

#include "editors/ZnDlgAppCMTableEditor.h"
#include "storage/ZnAppTokuteiKouteiTblDAO.h"

class ZnDlgAppCMTokuteiKoutei : public ZnDlgAppCMTableEditor<ZnAppTokuteiKouteiTblDAO> {
public:
    ZnDlgAppCMTokuteiKoutei();
};
