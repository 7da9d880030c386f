// Which reader reads the form of a document kind: one row per reader, chosen by the document-kind
// code of the old index. A code may have several rows (a building confirmation brings its
// construction notification); their readers are made in the order of the rows. A code without a
// row has no reader. Each reader adds its rows to the table in the source file.
#pragma once

#include "platform/files/Afx.h"

#include <vector>

class ZnOldFormReader;

class ZnOldFormReaderTable {
public:
    struct Row {
        int firstCode; // the range of document-kind codes, both ends included
        int lastCode;
        LPCTSTR formId;          // "#" and the form number
        LPCTSTR targetClassName; // the class of the document the reader makes
        LPCTSTR appTypeCode;     // the code the reader writes into its document; null: the index's
        ZnOldFormReader* (*create)();
    };

    // A new reader of the given class, for the rows' create.
    template <typename Reader> static ZnOldFormReader* Create() { return new Reader; }

    // The readers of the old forms.
    static const std::vector<Row>& Rows();

    // Appends to readers a new reader for every row of table whose range holds the code
    // (atoi of codeText), in table order, with the row's form id, target class name and
    // application-type code (codeText unless the row names one) and index position 1. The
    // readers belong to the caller.
    static void AppendReaders(const std::vector<Row>& table, const CString& codeText, CPtrArray& readers);
    // A new reader of the first row of table whose target class name is targetClassName, with the
    // row's form id and target class name and index position 1, for a reader that reads another
    // form's document as a part of its own; null when no row makes that class. The caller owns it.
    static ZnOldFormReader* CreateReaderOf(const std::vector<Row>& table, LPCTSTR targetClassName);
};
