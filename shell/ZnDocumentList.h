// The list of a property's documents as the property screens show it: one row per register row of
// AppBukkenShousaiTbl, with the document's name, update date, reception number and confirmation
// or pass number.
#pragma once

#include "platform/core/CString.h"

class CListCtrl;

class ZnDocumentList {
public:
    // Refills list with the documents of property bukkenIndex in the register at registerPath
    // (the default register when it is empty): the highest BukkenShousaiIndex at the top, each
    // row carrying its BukkenShousaiIndex. A register that cannot be read raises its exception,
    // the list then emptied.
    static void Fill(CListCtrl& list, const CString& registerPath, int bukkenIndex);
};
