// Reads an old property folder into one form reader per form of its index, ready for Read.
#pragma once

#include "readers/ZnOldBukkenFolder.h"

class ZnOldBukkenFolderLoader : public ZnOldBukkenFolder {
    DECLARE_DYNAMIC(ZnOldBukkenFolderLoader)
public:
    // Appends to list the readers of the index's document kind, each with the base path, the
    // form folder, the path of the index read and the index values; they belong to the caller. 1 when the index gave at
    // least one row; 0, with list as it was, when the folder has no index (and the temporary
    // index gives none) or the index has no row. A kind without a reader gives 1 and nothing.
    int Load(ZnOldBukkenReaderList* list) override;
};
