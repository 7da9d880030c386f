// The reader of the confirmation application for a lift (確認申請書（昇降機）): the form "Ksq001.160".
#pragma once

#include "readers/ZnOldKindFormReader.h"

class ZnOldFormReaderLiftConf : public ZnOldKindFormReader {
public:
    ZnOldFormReaderLiftConf();
    // A new ZnModelAppLiftConf, or null when a form does not open.
    ZnModelApp* Read() override;
};
