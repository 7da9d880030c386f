// Reads a building's interim inspection (form #280, "Ksq001.280") into a ZnModelAppRegInspConf
// with the building confirmation it refers to.
#pragma once

#include "readers/ZnOldInspFormReader.h"

class ZnOldFormReaderRegInspConf : public ZnOldInspFormReader {
    DECLARE_DYNAMIC(ZnOldFormReaderRegInspConf)
public:
    ZnModelApp* Read() override;
    int IsVersionOK() override;
};
