// The reader of the confirmation application for a structure under Article 88 paragraph 1: the form "Ksq001.180".
#pragma once

#include "readers/ZnOldKindFormReader.h"

class ZnOldFormReaderStructConf : public ZnOldKindFormReader {
public:
    ZnOldFormReaderStructConf();
    // A new ZnModelAppStructConf, or null when a form does not open.
    ZnModelApp* Read() override;
};
