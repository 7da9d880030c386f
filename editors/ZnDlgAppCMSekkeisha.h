// The editor of the agents, designers and supervisors (AppSekkeishaTbl): the architect's and the office's
// qualification and registration kind, chosen from code lists and stored as codes, their registration numbers, the
// name, the office name and the address block.
#pragma once

#include "editors/ZnDlgAppCMTableEditor.h"
#include "storage/ZnAppSekkeishaTblDAO.h"

class ZnDlgAppCMSekkeisha : public ZnDlgAppCMTableEditor<ZnAppSekkeishaTblDAO> {
public:
    ZnDlgAppCMSekkeisha();
};
