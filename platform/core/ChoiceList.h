// The items of a list to choose from, as code without windows fills it: a recordset fills a
// dialog's combo box through this, without knowing the window classes.
#pragma once

#include "platform/core/WinTypes.h"

class ChoiceList {
public:
    virtual void ResetContent() = 0;
    // Index -1 appends. The new item's index, or a negative value when it cannot be inserted.
    virtual int InsertString(int nIndex, LPCTSTR lpszString) = 0;
    virtual int SetItemData(int nIndex, DWORD_PTR dwItemData) = 0;

protected:
    ~ChoiceList() = default;
};
