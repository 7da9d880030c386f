// Reads the interim inspection of a lift, building equipment or structure (form #280 in the
// numbered files "Ksq001.280", "Ksq002.280" …) into a ZnModelAppRegInspConf without an
// embedded confirmation. Every data version is accepted.
#pragma once

#include "readers/ZnOldInspFormReader.h"

class ZnOldFormReaderRegInspConfSub : public ZnOldInspFormReader {
    DECLARE_DYNAMIC(ZnOldFormReaderRegInspConfSub)
public:
    ZnModelApp* Read() override;
};
