// Reads the old floppy form of a building confirmation ("#110": Ksq001.110, Ksq001.120 and the
// building pages) into a new ZnModelAppBuildConf. The inspection readers set one up themselves:
// base path, form folder, document-kind code, the number of buildings (index column 7) and the
// row numbers of the buildings.
#pragma once

#include "readers/ZnOldFormReaderBuild.h"

class ZnOldFormReaderBuildConf : public ZnOldFormReaderBuild {
    DECLARE_DYNAMIC(ZnOldFormReaderBuildConf)
public:
    // The new document, or null when page 110, page 120 or a page-130 file does not open.
    ZnModelApp* Read() override;
};
