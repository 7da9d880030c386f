// The printed list of an input check's findings, which the check-result dialog prints: a CELL
// layout of the findings and an empty CELL data file in the temporary folder, handed to the print
// library with the printer that the user chose in the print dialog, and removed afterwards.
#pragma once

#include "platform/core/CString.h"

#include <cstdio>
#include <memory>
#include <vector>

class CDC;
class CPrintDialog;

class ZnCheckListPrint {
public:
    // Entries on one page: rows 3 to 58 of the layout's 59-row grid, below the page's title.
    static const int kEntriesPerPage = 56;

    virtual ~ZnCheckListPrint() = default;

    // The text as the text of a CELL TEXT line can hold it: the layout has no escape, and its
    // reader splits a line at every comma before it reads the quotes, so "," becomes "，", the
    // double quote "”", and a line break (CR or LF) a blank. Double-byte characters are never
    // touched, whatever their second byte.
    static CString CellText(const CString& text);
    // Writes the CELL layout of the entries under the title to a text-mode stream, one line each:
    // the area and grid, then per page a head ("FORMFEED" before every page but the first, the
    // title at cell 0,0) and up to kEntriesPerPage entries from row 3 on, then "FORMFEED".
    static void WriteLayout(FILE* file, const CString& title, const std::vector<CString>& entries);

    // Prints the entries under the title: "エラーはありません。" when there is none; else the print
    // dialog, and on OK the two temporary files and the print on the chosen printer. A file that
    // cannot be made is told with the error icon and ends the print. The outcome of the printing
    // itself is the print library's to report. No temporary file is left behind.
    void Print(const CString& title, const std::vector<CString>& entries);

protected:
    // A new temporary file open for writing in text mode, its Windows path in path; null when it
    // cannot be made.
    virtual FILE* CreateTempFile(CString& path);
    // The device context of the printer chosen in the dialog, with its paper and the copies
    // chosen; null when it cannot be made.
    virtual std::unique_ptr<CDC> CreatePrinterDC(CPrintDialog& dialog);
    // Prints the CELL layout file with its data file through the print library's command
    // (MDirectPrint) on the device context; without one nothing is printed.
    virtual void PrintCommand(const CString& command, CDC* dc);
};
