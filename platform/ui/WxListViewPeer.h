// A list view's wx list in report view: the object's columns (heading, width) and rows.
// Selecting a row goes to the object as a person's click on it (NM_CLICK); clearing the
// selection as a click on the empty part. In a list that lets several rows be selected, the rows
// that a click (with Ctrl or Shift) leaves selected go to the object as they are. Rows are brought in line by the run
// that changed (a row inserted at the top moves no other row), so that refilling a long list stays cheap.
#pragma once

#include "platform/ui/WxPeer.h"

#include <vector>

class CListCtrl;
class wxListCtrl;
class wxListEvent;

class WxListViewPeer : public WxPeer {
public:
    WxListViewPeer(WxUiHost& host, CListCtrl& list, wxWindow* parent);

protected:
    void MirrorText(CWnd&) override {}
    void MirrorState(CWnd& wnd, UINT aspects) override;
    bool HasItems() const override { return true; }

private:
    struct Column {
        CString heading;
        int width;
        bool operator==(const Column& other) const { return heading == other.heading && width == other.width; }
    };
    typedef std::vector<CString> Row;

    wxListCtrl* List() const;
    void MirrorColumns(const std::vector<Column>& columns);
    void MirrorRows(const std::vector<Row>& rows);
    void ShowRow(long index, const Row& row, bool insert);
    void MirrorSelection(const CListCtrl& list);
    void OnSelected(wxListEvent& event);
    void OnDeselected(wxListEvent& event);
    // Whether the list lets several rows be selected (a click with Ctrl or Shift).
    bool IsMultipleSelection() const;
    // After a person's click on a row of such a list, the rows that wx shows selected become the
    // object's selection.
    void TakeSelectionAfterClick(int row);

    std::vector<Column> m_columns; // what the list shows
    std::vector<Row> m_rows;
};
