// What a floppy-output page gives of its own, as a table that the shared page code reads: the
// object kind, and per document type that the page serves its document-kind code, form number,
// the model classes put into the active document's slots, the list columns after the first, the
// controls hidden, the check and the output step.
#pragma once

#include "fdoutput/ZnFDOutCheckInput.h"
#include "platform/core/CString.h"
#include "platform/core/WinTypes.h"

#include <vector>

class ZnModel;

struct ZnFDOutColumn {
    const char* title;
    int width;
};

// What the output step of a page writes from: the 出力先 folder, the 書式種類 choice (0 今回, 1 修正)
// and the paths of the two attachment bitmaps ("" on a page without them).
struct ZnFDOutRequest {
    CString root;
    int submissionIndex = 0;
    CString siteMapPath;
    CString layoutPath;
};

struct ZnFDOutTypeValues {
    // The document type served (1000, 1002, 1005, 1008), or kAnyDocType for a page that serves
    // whatever type is selected.
    int docType;
    // The document-kind code listed; 0 takes the code of the page's object kind for the selected
    // document type (ZnAppDocFDOut00::GetDocKindCode).
    int docKindCode;
    int formNo;
    // New empty objects for the form-model and sub-form-model slots; a null maker leaves the slot
    // empty.
    ZnModel* (*makeFormModel)();
    ZnModel* (*makeSubFormModel)();
    // The list's columns after the document column; the document column leaves them their widths
    // added up (346 on most pages, 290 on some plan-change pages).
    std::vector<ZnFDOutColumn> columns;
    // The column of the list that shows the reception number.
    int receptionColumn;
    // The column that shows the loaded application's comment in row 0, or -1.
    int commentColumn;
    // Controls of the page hidden for this type.
    std::vector<UINT> hiddenControls;
    // Whether the page loads the form's own document file (else the selected row's file, which a
    // click on a row loads again).
    bool loadsFormFile;
    // The findings of the input check on the loaded document, in order.
    std::vector<CString> (*check)(const ZnFDOutCheckInput& input);
    // Writes the loaded document; the writer tells its own failures and completion.
    void (*output)(const ZnFDOutRequest& request);
};

struct ZnFDOutPageValues {
    static const int kAnyDocType = -1;

    int objectKind;
    // The object-kind title of the check-result dialog; null takes the object kind's name
    // (ZnAppDocFDOut00::GetObjectKindName).
    const char* checkTitle;
    // Whether the application object's document title is the application's name of the
    // document-kind code (else the title of the selected type and the object kind).
    bool titleFromKindName;
    // Whether the 書式種類 choices are put in when the page is shown (else when it is made).
    bool formatOnShow;
    std::vector<ZnFDOutTypeValues> types;

    // The values of a document type, or null for a type that the page does not serve.
    const ZnFDOutTypeValues* ForType(int docType) const
    {
        for (const ZnFDOutTypeValues& values : types)
            if (values.docType == docType || values.docType == kAnyDocType)
                return &values;
        return nullptr;
    }
    // The pixels that the document column leaves to the others on a page that serves no type.
    static constexpr int kOtherColumnsWidth = 346;
};

// A new empty model object of a class, for the makers of the table.
template <class Model> ZnModel* MakeEmptyModel() { return new Model; }
