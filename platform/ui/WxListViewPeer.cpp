#include "platform/ui/WxListViewPeer.h"

#include "platform/ui/WxIds.h"
#include "platform/ui/WxText.h"
#include "platform/wnd/CListCtrl.h"
#include "platform/wnd/UserInput.h"

#include <wx/listctrl.h>

namespace {
long ListStyle(DWORD style, DWORD exStyle)
{
    long list = wxLC_REPORT;
    if (style & LVS_SINGLESEL)
        list |= wxLC_SINGLE_SEL;
    // A list-mode view shows its items without a header: here one column of a report view.
    if ((style & LVS_NOCOLUMNHEADER) || (style & LVS_TYPEMASK) == LVS_LIST)
        list |= wxLC_NO_HEADER;
    list |= ((style & WS_BORDER) || (exStyle & WS_EX_CLIENTEDGE)) ? wxBORDER_SUNKEN : wxBORDER_NONE;
    return list;
}

void Click(CWnd& wnd, int row) { UserInput::ClickListItem(static_cast<CListCtrl&>(wnd), row); }
} // namespace

WxListViewPeer::WxListViewPeer(WxUiHost& host, CListCtrl& list, wxWindow* parent) : WxPeer(host, list.m_hWnd)
{
    wxListCtrl* view = new wxListCtrl(parent, WxIds::ToWx(list.GetDlgCtrlID()), wxDefaultPosition, wxDefaultSize,
                                      ListStyle(list.GetStyle(), list.GetExStyle()));
    view->Bind(wxEVT_LIST_ITEM_SELECTED, &WxListViewPeer::OnSelected, this);
    view->Bind(wxEVT_LIST_ITEM_DESELECTED, &WxListViewPeer::OnDeselected, this);
    Attach(view);
}

wxListCtrl* WxListViewPeer::List() const { return static_cast<wxListCtrl*>(Window()); }

void WxListViewPeer::MirrorState(CWnd& wnd, UINT aspects)
{
    const CListCtrl& list = static_cast<const CListCtrl&>(wnd);
    if (aspects & WndContent) {
        std::vector<Column> columns;
        for (int i = 0; i < list.GetColumnCount(); ++i)
            columns.push_back(Column{list.GetColumnHeading(i), list.GetColumnWidth(i)});
        std::vector<Row> rows(list.GetItemCount(), Row(std::max(list.GetColumnCount(), 1)));
        for (int i = 0; i < list.GetItemCount(); ++i)
            for (size_t column = 0; column < rows[i].size(); ++column)
                rows[i][column] = list.GetItemText(i, static_cast<int>(column));
        MirrorColumns(columns);
        MirrorRows(rows);
    }
    if (aspects & (WndContent | WndSelection))
        MirrorSelection(list);
}

void WxListViewPeer::MirrorColumns(const std::vector<Column>& columns)
{
    if (columns == m_columns)
        return;
    List()->ClearAll();
    m_rows.clear();
    for (size_t i = 0; i < columns.size(); ++i)
        List()->InsertColumn(static_cast<long>(i), WxText::ToWx(columns[i].heading), wxLIST_FORMAT_LEFT,
                             columns[i].width);
    m_columns = columns;
}

void WxListViewPeer::MirrorRows(const std::vector<Row>& rows)
{
    // The rows that both lists begin and end with stay; the run between them is replaced.
    size_t lead = 0;
    while (lead < rows.size() && lead < m_rows.size() && rows[lead] == m_rows[lead])
        ++lead;
    size_t trail = 0;
    while (lead + trail < rows.size() && lead + trail < m_rows.size() &&
           rows[rows.size() - 1 - trail] == m_rows[m_rows.size() - 1 - trail])
        ++trail;
    size_t removed = m_rows.size() - lead - trail;
    size_t added = rows.size() - lead - trail;
    for (size_t i = 0; i < std::min(removed, added); ++i)
        ShowRow(static_cast<long>(lead + i), rows[lead + i], false);
    for (size_t i = added; i < removed; ++i)
        List()->DeleteItem(static_cast<long>(lead + added));
    for (size_t i = removed; i < added; ++i)
        ShowRow(static_cast<long>(lead + i), rows[lead + i], true);
    m_rows = rows;
}

void WxListViewPeer::ShowRow(long index, const Row& row, bool insert)
{
    if (insert)
        List()->InsertItem(index, WxText::ToWx(row[0]));
    else
        List()->SetItemText(index, WxText::ToWx(row[0]));
    for (size_t column = 1; column < row.size() && column < m_columns.size(); ++column)
        List()->SetItem(index, static_cast<long>(column), WxText::ToWx(row[column]));
}

void WxListViewPeer::MirrorSelection(const CListCtrl& list)
{
    const long states = wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED;
    for (int i = 0; i < list.GetItemCount() && i < List()->GetItemCount(); ++i) {
        UINT state = list.GetItemState(i, LVIS_SELECTED | LVIS_FOCUSED);
        long wanted =
            ((state & LVIS_SELECTED) ? wxLIST_STATE_SELECTED : 0) | ((state & LVIS_FOCUSED) ? wxLIST_STATE_FOCUSED : 0);
        if (List()->GetItemState(i, states) != wanted)
            List()->SetItemState(i, wanted, states);
    }
}

void WxListViewPeer::OnSelected(wxListEvent& event)
{
    int row = static_cast<int>(event.GetIndex());
    if (IsMultipleSelection())
        return TakeSelectionAfterClick(row);
    FromPerson([row](CWnd& wnd) { Click(wnd, row); });
}

void WxListViewPeer::OnDeselected(wxListEvent& event)
{
    if (Mirroring())
        return;
    if (IsMultipleSelection())
        return TakeSelectionAfterClick(static_cast<int>(event.GetIndex()));
    // Selecting another row first clears this one: only a selection still empty once wx has
    // finished with the click is a click on the empty part.
    // The peer lives as long as the object's window does.
    HWND self = Handle();
    List()->CallAfter([this, self] {
        if (CWnd::FromHandle(self) && List()->GetSelectedItemCount() == 0)
            FromPerson([](CWnd& wnd) { Click(wnd, -1); });
    });
}

bool WxListViewPeer::IsMultipleSelection() const { return !List()->HasFlag(wxLC_SINGLE_SEL); }

void WxListViewPeer::TakeSelectionAfterClick(int row)
{
    if (Mirroring())
        return;
    // One click may raise several events: the selection is taken once wx has finished with it,
    // and only when it differs from the object's.
    HWND self = Handle();
    List()->CallAfter([this, self, row] {
        if (!CWnd::FromHandle(self))
            return;
        std::vector<int> rows;
        for (long i = List()->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED); i != -1;
             i = List()->GetNextItem(i, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED))
            rows.push_back(static_cast<int>(i));
        FromPerson([rows, row](CWnd& wnd) {
            CListCtrl& list = static_cast<CListCtrl&>(wnd);
            std::vector<int> held;
            for (int i = list.GetNextItem(-1, LVNI_SELECTED); i != -1; i = list.GetNextItem(i, LVNI_SELECTED))
                held.push_back(i);
            if (held != rows)
                UserInput::SelectListItems(list, rows, row);
        });
    });
}
