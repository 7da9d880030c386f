// What the two inspection floppy-output pages share: the object kind and row title chosen by the
// frame's object-kind selection, the interim (1002) and completion (1005) inspection documents of
// that kind listed and loaded from the selected row (a click reloads it), the selection message
// with the error icon, the inspection's floppy output (ZnFloppyOutput with the inspection's form
// number, ZnAppDocFDOut30::FormNo), its data files and the page's own completion message.
#pragma once

#include "fdoutput/ZnDlgAppFDPage.h"
#include "writers/fdoutput/ZnFloppyOutput.h"

// An object kind that a page serves: the frame's selection that chooses it and its row title.
struct ZnFDInspKind {
    int selection;
    int objectKind;
    const char* rowTitle;
};

class ZnDlgAppFDInspPage : public ZnDlgAppFDPage {
public:
    // The row title shown (14049).
    CString m_strRowTitle;

protected:
    ZnDlgAppFDInspPage(UINT nIDTemplate, CWnd* pParent, const ZnFDOutPageValues& values, const ZnFDInspKind& kind);

    // The page's values for an object kind: both inspection types with their model classes and
    // form numbers (kind + 280, kind + 210), the columns 更新日, 受付番号 and 確認済証番号, and the
    // given check.
    static ZnFDOutPageValues MakeValues(int objectKind, std::vector<CString> (*check)(const ZnFDOutCheckInput&));
    // The kind of the frame's current selection among kinds, else the first of them.
    static const ZnFDInspKind& SelectedKind(const ZnFDInspKind* kinds, int count);

    // The row title with the page's other data.
    void DoDataExchange(CDataExchange* pDX) override;

    // The floppy data file at path of the inspection's data set of a confirmation number (1 the
    // first, n from 2 the further ones): ZnAppDocFDOut30::WriteXml.
    static ZnFloppyOutput::DataFile InspectionFile(int number, const CString& path);
    // The page's own completion: the document title and "のFD出力が終了しました" in the page's own
    // message box (OK, no icon).
    ZnFloppyOutput::Completion PageCompletion();
};
