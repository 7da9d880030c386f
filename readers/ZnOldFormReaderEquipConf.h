// The reader of the confirmation application for building equipment other than lifts: the form "Ksq001.170".
#pragma once

#include "readers/ZnOldKindFormReader.h"

class ZnOldFormReaderEquipConf : public ZnOldKindFormReader {
public:
    ZnOldFormReaderEquipConf();
    // A new ZnModelAppEquipConf, or null when a form does not open.
    ZnModelApp* Read() override;
};
