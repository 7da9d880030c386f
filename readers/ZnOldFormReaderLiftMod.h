// The reader of the plan-change application for a lift (計画変更確認申請書（昇降機）): the page "Ksq001.420", then the
// form "Ksq001.160".
#pragma once

#include "readers/ZnOldKindFormReader.h"

class ZnOldFormReaderLiftMod : public ZnOldKindFormReader {
public:
    ZnOldFormReaderLiftMod();
    // A new ZnModelAppLiftMod, or null when a form does not open.
    ZnModelApp* Read() override;
};
