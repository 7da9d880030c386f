// The reader of the confirmation application for a structure under Article 88 paragraph 2: the form "Ksq001.190".
#pragma once

#include "readers/ZnOldKindFormReader.h"

class ZnOldFormReaderSemiStrConf : public ZnOldKindFormReader {
public:
    ZnOldFormReaderSemiStrConf();
    // A new ZnModelAppSemiStrConf, or null when a form does not open.
    ZnModelApp* Read() override;
};
