// What a floppy-output page gives of its own, as a table that the shared page code reads: the
// object kind, and per document type that the page serves its form number, the model classes put
// into the active document's slots, the list columns after the first and the controls hidden.
#pragma once

#include "platform/core/CString.h"
#include "platform/core/WinTypes.h"

#include <vector>

class ZnModel;

struct ZnFDOutColumn {
    const char* title;
    int width;
};

struct ZnFDOutTypeValues {
    int docType;
    int formNo;
    // New empty objects for the form-model and sub-form-model slots.
    ZnModel* (*makeFormModel)();
    ZnModel* (*makeSubFormModel)();
    // The list's columns after the document column; their widths add up to what the first leaves.
    std::vector<ZnFDOutColumn> columns;
    // The column of the list that shows the reception number.
    int receptionColumn;
    // Controls of the page hidden for this type.
    std::vector<UINT> hiddenControls;
    // Whether the page loads the form's own document file (else the selected row's file).
    bool loadsFormFile;
};

struct ZnFDOutPageValues {
    int objectKind;
    std::vector<ZnFDOutTypeValues> types;

    // The values of a document type, or null for a type that the page does not serve.
    const ZnFDOutTypeValues* ForType(int docType) const
    {
        for (const ZnFDOutTypeValues& values : types)
            if (values.docType == docType)
                return &values;
        return nullptr;
    }
    // The pixels that the document column leaves to the others: every type's columns add up to it.
    static constexpr int kOtherColumnsWidth = 346;
};
