// The reader of the plan-change application for building equipment other than lifts: the page "Ksq001.430", then the
// form "Ksq001.170".
#pragma once

#include "readers/ZnOldKindFormReader.h"

class ZnOldFormReaderEquipMod : public ZnOldKindFormReader {
public:
    ZnOldFormReaderEquipMod();
    // A new ZnModelAppEquipMod, or null when a form does not open.
    ZnModelApp* Read() override;
};
