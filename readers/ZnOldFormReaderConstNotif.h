// The reader of a construction notification's form "Ksq001.240" into a ZnModelAppConstNotif:
// the notification, one entry per building with its dwelling part, the demolition part and the
// owner, the filer and the demolition contractor.
#pragma once

#include "readers/ZnOldFormReader.h"

class ZnOldFormReaderConstNotif : public ZnOldFormReader {
public:
    // A new ZnModelAppConstNotif, or null when the form file does not open. The buildings reach
    // it in the order of their records; the demolition part as it stood at the last contractor
    // record, and not at all without one.
    ZnModelApp* Read() override;
    // The demolition notification's test: 1 when the data version is empty or exactly "6.40".
    int IsVersionOK() override;
};
