// The editor of the constructors (AppSekoushaTbl): the name, the construction-business permit kind, chosen
// from a code list and stored as its code, the registration number, the trade name and the address block.
#pragma once

#include "editors/ZnDlgAppCMTableEditor.h"
#include "storage/ZnAppSekoushaTblDAO.h"

class ZnDlgAppCMSekousha : public ZnDlgAppCMTableEditor<ZnAppSekoushaTblDAO> {
public:
    ZnDlgAppCMSekousha();
};
