#include "shell/ZnDateText.h"

CString ZnDateText(const COleDateTime& date)
{
    CString text;
    text.Format("%i/%i/%i", date.GetYear(), date.GetMonth(), date.GetDay());
    return text;
}
