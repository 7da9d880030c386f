// The floppy-output page of the interim and completion inspections of buildings (selection 1023)
// and of structures under Article 88(2) (selection 1018): the attachment bitmaps go onto the
// floppy, and the confirmation application that an inspection carries is written after it.
#pragma once

#include "fdoutput/ZnDlgAppFDInspPage.h"

class ZnDlgAppFDOut31 : public ZnDlgAppFDInspPage {
public:
    explicit ZnDlgAppFDOut31(CWnd* pParent = nullptr);

    // The page's values for object kind 1 or 6.
    static const ZnFDOutPageValues& Values(int objectKind);

protected:
    // Selection, attachments, output folder, confirm and check, then the output.
    void OnFDOut() override;
    // The floppy with the maps and the inspection's data file (number 1), then the application
    // that it carries, or the page's own completion.
    void WriteFloppy(const ZnFDOutRequest& request) override;

private:
    // A writer of the confirmation application that an inspection carries, after the inspection's
    // data file at path (ZnAppDocFDOut30::WriteBuildFaces, ZnAppDocFDOut30::WriteSemiStrXml).
    typedef void (*CarriedWriter)(CString path);
    // The writer of the confirmation application that the loaded inspection carries, when it
    // carries one that the object kind writes; null when it carries none.
    CarriedWriter CarriedApplicationWriter() const;
    // Loads the selected document again and gives the application object its values as at
    // opening: the carried application's writer has emptied the document.
    void ReloadAfterCarriedApplication();
};
