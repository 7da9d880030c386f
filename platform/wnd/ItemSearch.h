// The searches that list boxes and combo boxes share over their items (anything with a
// CString member `text`): letters compare without case.
#pragma once

#include "platform/CString.h"

#include <cstring>

// The first item after startAfter (from the top when startAfter is not an index), wrapping
// round, whose text begins with text, or equals it when exact; -1 when none.
template <class Items> int AfxFindItemText(const Items& items, int startAfter, LPCTSTR text, bool exact)
{
    int count = static_cast<int>(items.size());
    if (!text || count == 0)
        return -1;
    int first = (startAfter >= 0 && startAfter < count) ? startAfter + 1 : 0;
    int length = static_cast<int>(std::strlen(text));
    for (int step = 0; step < count; ++step) {
        int index = (first + step) % count;
        const CString& item = items[index].text;
        if ((exact ? item : item.Left(length)).CompareNoCase(text) == 0)
            return index;
    }
    return -1;
}

// Where a sorted list puts a new text: after every item that does not sort after it.
template <class Items> int AfxSortedInsertIndex(const Items& items, LPCTSTR text)
{
    int index = 0;
    while (index < static_cast<int>(items.size()) && items[index].text.CompareNoCase(text) <= 0)
        ++index;
    return index;
}
