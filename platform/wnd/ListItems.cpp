#include "platform/wnd/ListItems.h"

#include <cstring>

int ListItems::Insert(int index, LPCTSTR text)
{
    if (index == -1)
        index = Count();
    if (index < 0 || index > Count())
        return -1;
    m_items.insert(m_items.begin() + index, ListItem{CString(text), 0, false});
    return index;
}

int ListItems::Add(LPCTSTR text, bool sorted)
{
    int index = Count();
    if (sorted) {
        index = 0;
        while (index < Count() && m_items[index].text.CompareNoCase(text) <= 0)
            ++index;
    }
    return Insert(index, text);
}

int ListItems::Delete(int index)
{
    if (!Valid(index))
        return -1;
    m_items.erase(m_items.begin() + index);
    return Count();
}

int ListItems::CopyText(int index, LPTSTR buffer) const
{
    if (!Valid(index) || !buffer)
        return -1;
    const CString& text = m_items[index].text;
    std::memcpy(buffer, static_cast<LPCTSTR>(text), text.GetLength() + 1);
    return text.GetLength();
}

int ListItems::SetData(int index, DWORD_PTR data)
{
    if (!Valid(index))
        return -1;
    m_items[index].data = data;
    return 0;
}

int ListItems::Find(int startAfter, LPCTSTR text, bool exact) const
{
    int count = Count();
    if (!text || count == 0)
        return -1;
    int first = Valid(startAfter) ? startAfter + 1 : 0;
    int length = static_cast<int>(std::strlen(text));
    for (int step = 0; step < count; ++step) {
        int index = (first + step) % count;
        const CString& item = m_items[index].text;
        if ((exact ? item : item.Left(length)).CompareNoCase(text) == 0)
            return index;
    }
    return -1;
}
