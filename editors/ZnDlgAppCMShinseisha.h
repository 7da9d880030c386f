// The editor of the applicants (AppShinseishaTbl): the name, which may hold line breaks, and its reading.
#pragma once

#include "editors/ZnDlgAppCMTableEditor.h"
#include "storage/ZnAppShinseishaTblDAO.h"

class ZnDlgAppCMShinseisha : public ZnDlgAppCMTableEditor<ZnAppShinseishaTblDAO> {
public:
    ZnDlgAppCMShinseisha();
};
