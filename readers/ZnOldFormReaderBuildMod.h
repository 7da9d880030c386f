// Reads the old floppy form of a building plan change ("#410") into a new ZnModelAppBuildMod:
// page 410 (the confirmation that the change amends and the summary of the change), then the
// pages of the building confirmation form.
#pragma once

#include "readers/ZnOldFormReaderBuild.h"

class ZnOldFormReaderBuildMod : public ZnOldFormReaderBuild {
    DECLARE_DYNAMIC(ZnOldFormReaderBuildMod)
public:
    // The new document, or null when page 410, page 110, page 120 or a page-130 file does not
    // open.
    ZnModelApp* Read() override;
};
