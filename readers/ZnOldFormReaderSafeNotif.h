// The reader of a safety-plan notification's form "Ksq001.260" into a ZnModelAppSafeNotif.
#pragma once

#include "readers/ZnOldFormReader.h"

class ZnOldFormReaderSafeNotif : public ZnOldFormReader {
public:
    // A new ZnModelAppSafeNotif, or null when the form file does not open. The further owners
    // reach it in the order of their records.
    ZnModelApp* Read() override;
    // With a data version in the index: 1 for "6.00", "6.20" or "6.40". Without one: 1 when the
    // form file holds a building confirmation record of at least four fields.
    int IsVersionOK() override;

private:
    CString FormPath() const;
};
