// The reader of the confirmation application for a lift of a structure (確認申請書（工作物の昇降機）): the lift form
// "Ksq001.160".
#pragma once

#include "readers/ZnOldKindFormReader.h"

class ZnOldFormReaderStrLiftConf : public ZnOldKindFormReader {
public:
    ZnOldFormReaderStrLiftConf();
    // A new ZnModelAppStrLiftConf, or null when a form does not open.
    ZnModelApp* Read() override;
};
