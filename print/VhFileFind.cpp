#include "print/VhFileFind.h"

IMPLEMENT_DYNAMIC(VhFileFind, CFileFind)

bool VhFileFind::Exists(LPCTSTR path)
{
    BOOL found = FindFile(path);
    if (found)
        while (FindNextFile()) {
        }
    Close();
    return found != FALSE;
}
