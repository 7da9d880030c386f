#include "print/MPrintFilesetFortranText.h"

IMPLEMENT_DYNAMIC(MPrintFilesetFortranText, MPrintFilesetText)

MPrintFilesetFortranText::MPrintFilesetFortranText(LPCTSTR fileName, LPCTSTR options)
    : MPrintFilesetText(fileName, options, RememberedFortranOptions())
{
}

CString& MPrintFilesetFortranText::RememberedFortranOptions()
{
    static CString options;
    return options;
}

void MPrintFilesetFortranText::PrepareLine(CString& line)
{
    line = line.Mid(line.IsEmpty() ? 0 : 1);
    line.TrimRight();
}

int MPrintFilesetFortranText::NeedsNewPage(const CString& line)
{
    return MPrintFilesetText::NeedsNewPage(line) || (!line.IsEmpty() && line[0] == '1');
}
