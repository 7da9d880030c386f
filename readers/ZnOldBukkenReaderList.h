// The readers that a loader finds in an old property folder, in the order of their forms. The
// list never deletes its readers: its holder does.
#pragma once

#include "platform/files/Afx.h"

class ZnOldBukkenReaderList : public CObList {
public:
    ZnOldBukkenReaderList() : CObList(10) {}
};
