// What the number-entry panel chooses for the floppy panel's two buttons: the number row for the
// number input, the accepted floppy's root folder, and the property and document whose numbers
// are entered. A negative row or document is none.
#pragma once

#include "platform/core/CString.h"

struct ZnFdMenuChoice {
    static const int kNoSelection = -9999;

    int m_nSelectedRow = kNoSelection;  // the item data of the chosen number row
    CString m_strFloppyRoot;            // the folder that holds the accepted floppy's files
    int m_nBukkenIndex = 0;             // the property of the listed documents
    int m_nShousaiIndex = kNoSelection; // the document chosen with its details
};
