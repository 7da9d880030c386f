// The editor of the consultants on building equipment (AppSetsubishaTbl): the name, the registration number,
// the employer and the address block.
#pragma once

#include "editors/ZnDlgAppCMTableEditor.h"
#include "storage/ZnAppSetsubishaTblDAO.h"

class ZnDlgAppCMSetsubisha : public ZnDlgAppCMTableEditor<ZnAppSetsubishaTblDAO> {
public:
    ZnDlgAppCMSetsubisha();
};
