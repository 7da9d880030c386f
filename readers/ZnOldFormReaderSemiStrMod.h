// The reader of the plan-change application for a structure under Article 88 paragraph 2: the page "Ksq001.450", then
// the form "Ksq001.190".
#pragma once

#include "readers/ZnOldKindFormReader.h"

class ZnOldFormReaderSemiStrMod : public ZnOldKindFormReader {
public:
    ZnOldFormReaderSemiStrMod();
    // A new ZnModelAppSemiStrMod, or null when a form does not open.
    ZnModelApp* Read() override;
};
