// The reader of a demolition notification's form "Ksq001.250" into a ZnModelAppDemNotif.
#pragma once

#include "readers/ZnOldFormReader.h"

class ZnOldFormReaderDemNotif : public ZnOldFormReader {
public:
    // A new ZnModelAppDemNotif, or null when the form file does not open.
    ZnModelApp* Read() override;
    // 1 when the index's data version is empty or exactly "6.40"; opens no file.
    int IsVersionOK() override;

    // The version test that the construction notification shares.
    static int AcceptsNotifVersion(const CString& version);
};
