// The phrase list of the short-text dialogs: one untitled column with every phrase of AppTanbunTbl.
#pragma once

#include "platform/wnd/CListCtrl.h"

// Gives the list its one untitled column, as wide as the list less a scroll-bar thumb.
void ZnInitTanbunList(CListCtrl& list);
// Refills the list from the table. The table reads in descending order and each phrase goes to
// the top, so the list shows the phrases in ascending order.
void ZnFillTanbunList(CListCtrl& list);
// The phrase of the first selected row; empty when none is selected.
CString ZnSelectedTanbun(const CListCtrl& list);
