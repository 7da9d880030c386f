// A file search used only to ask whether a path names an existing file.
#pragma once

#include "platform/files/CFileFind.h"

class VhFileFind : public CFileFind {
    DECLARE_DYNAMIC(VhFileFind)
public:
    // Whether anything matches the path (a wildcard path counts when any file matches it).
    bool Exists(LPCTSTR path);
};
