// Reads a building's completion inspection (form #210, "Ksq001.210" alone) into a
// ZnModelAppCompInspConf with the building confirmation it refers to.
#pragma once

#include "readers/ZnOldInspFormReader.h"

class ZnOldFormReaderCompInspConf : public ZnOldInspFormReader {
    DECLARE_DYNAMIC(ZnOldFormReaderCompInspConf)
public:
    ZnModelApp* Read() override;
    int IsVersionOK() override;
};
