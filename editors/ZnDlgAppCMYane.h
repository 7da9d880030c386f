// The editor of the roof finishes (AppYaneTbl): one phrase, the key.
#pragma once

#include "editors/ZnDlgAppCMTableEditor.h"
#include "storage/ZnAppYaneTblDAO.h"

class ZnDlgAppCMYane : public ZnDlgAppCMTableEditor<ZnAppYaneTblDAO> {
public:
    ZnDlgAppCMYane();
};
