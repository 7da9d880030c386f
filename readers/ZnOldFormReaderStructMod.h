// The reader of the plan-change application for a structure under Article 88 paragraph 1: the page "Ksq001.440", then
// the form "Ksq001.180".
#pragma once

#include "readers/ZnOldKindFormReader.h"

class ZnOldFormReaderStructMod : public ZnOldKindFormReader {
public:
    ZnOldFormReaderStructMod();
    // A new ZnModelAppStructMod, or null when a form does not open.
    ZnModelApp* Read() override;
};
