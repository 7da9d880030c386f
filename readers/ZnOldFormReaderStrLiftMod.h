// The reader of the plan-change application for a lift of a structure: the page "Ksq001.420", then the lift form
// "Ksq001.160".
#pragma once

#include "readers/ZnOldKindFormReader.h"

class ZnOldFormReaderStrLiftMod : public ZnOldKindFormReader {
public:
    ZnOldFormReaderStrLiftMod();
    // A new ZnModelAppStrLiftMod, or null when a form does not open.
    ZnModelApp* Read() override;
};
