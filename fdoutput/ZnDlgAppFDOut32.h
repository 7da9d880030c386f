// The floppy-output page of the interim and completion inspections of lifts (selection 1012),
// building equipment (1014), structures under Article 88(1) (1016) and lifts of structures (1020):
// the options dialog in place of the confirm dialog chooses the check, one floppy or several, and
// the data sets (confirmation numbers) written.
#pragma once

#include "fdoutput/ZnDlgAppFDInspPage.h"
#include "fdoutput/ZnDlgAppFDOutOption.h"

class ZnDlgAppFDOut32 : public ZnDlgAppFDInspPage {
public:
    explicit ZnDlgAppFDOut32(CWnd* pParent = nullptr);

    // The page's values for object kinds 2 to 5.
    static const ZnFDOutPageValues& Values(int objectKind);
    // The data file of number n on a floppy that holds several numbers: the medium's data file
    // name with "_" and n before its extension (Keikaku\申請書データ_2.xml).
    static CString NumberedDataFilePath(const CString& root, int number);

    ZnDlgAppFDOutOption m_dlgOption;

protected:
    // Selection, output folder, options, the check when chosen, then the output.
    void OnFDOut() override;
    // Every selected number on one floppy or each on its own (the user asked for each next one),
    // then the page's own completion.
    void WriteFloppy(const ZnFDOutRequest& request) override;

private:
    // The floppies of the selected numbers under root: one for every group with a data file per
    // number (NumberedDataFilePath), or one per number, for its group, with the medium's data file.
    std::vector<ZnFloppyOutput::Floppy> Floppies(const CString& root) const;
};
