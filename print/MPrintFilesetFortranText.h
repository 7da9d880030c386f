// A text file of Fortran records: each record's first byte is its carriage control, which is not
// printed; '1' begins a new page, any other control prints on the next line.
#pragma once

#include "print/MPrintFilesetText.h"

class MPrintFilesetFortranText : public MPrintFilesetText {
    DECLARE_DYNAMIC(MPrintFilesetFortranText)
public:
    // options may be empty or null: the remembered Fortran options apply.
    MPrintFilesetFortranText(LPCTSTR fileName, LPCTSTR options);

    void PrepareLine(CString& line) override;
    int NeedsNewPage(const CString& line) override;

    static CString& RememberedFortranOptions();
};
