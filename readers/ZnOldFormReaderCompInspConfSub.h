// Reads the completion inspection of a lift, building equipment or structure (form #210 in the
// numbered files "Ksq001.210", "Ksq002.210" …) into a ZnModelAppCompInspConf. A structure under
// Article 88(2) (100206) embeds its semi-structure confirmation ("Ksq001.190"), read with the
// number of form files as its building count; the other kinds embed nothing. Every data version is
// accepted.
#pragma once

#include "readers/ZnOldInspFormReader.h"

class ZnOldFormReaderCompInspConfSub : public ZnOldInspFormReader {
    DECLARE_DYNAMIC(ZnOldFormReaderCompInspConfSub)
public:
    ZnModelApp* Read() override;
};
