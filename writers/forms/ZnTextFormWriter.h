// What the writers of the floppy's text forms share: the medium and index files prepared, the form
// file Keikaku\Ksq001.<form number> opened, written whole and closed, and the closing steps (the
// converter run on the output root, then the completion message). Each writer reads the active
// document and builds its TextForm.
#pragma once

#include "model/VhObject.h"
#include "writers/forms/TextForm.h"

#include <cstdio>

class ZnAppDocFDOut00;
class ZnModelApp;

class ZnTextFormWriter : public VhObject {
    DECLARE_DYNAMIC(ZnTextFormWriter)
public:
    // The form file's Windows path: root + "\Keikaku\Ksq001." + formNo.
    static CString FormPath(LPCTSTR root, LPCTSTR formNo);

protected:
    ZnTextFormWriter() = default;

    // The medium under root prepared (PrepareMedia, "Keikaku") and the index files of formNo
    // written for the whole document; 1, or 0 after the failing step's own message.
    static int PrepareForm(ZnAppDocFDOut00& support, LPCTSTR root, int submissionIndex, LPCTSTR formNo);
    // Opens the form file for writing in text mode; null when it cannot be opened. Tests put a
    // failure in here.
    virtual FILE* OpenFormFile(const CString& path);
    // Opens the form file of formNo under root; null after showing openFailedText with the stop icon.
    FILE* OpenForm(LPCTSTR root, LPCTSTR formNo, LPCTSTR openFailedText);
    // Writes the form's text to the file opened by OpenForm and closes it. When it could not be
    // written whole (a full medium) the cut-off file is removed, the failure shown
    // ("ファイルの書き込み(<file name>)に失敗しました。") and false returned.
    static bool CloseForm(FILE* file, LPCTSTR root, LPCTSTR formNo, const TextForm& form);
    // OpenForm, then CloseForm: true when the form file stands whole.
    bool WriteFormFile(LPCTSTR root, LPCTSTR formNo, LPCTSTR openFailedText, const TextForm& form);
    // The closing steps of a written form: the converter run on root, then
    // title + "のFD出力が終了しました" with the information icon.
    static void ReportDone(LPCTSTR root, const CString& title);

    // The active document's application root and its form model as Model; null when the slot
    // holds none.
    static const ZnModelApp* ActiveApp();
    template <typename Model> static const Model* ActiveForm() { return dynamic_cast<const Model*>(ActiveFormModel()); }

private:
    static const CObject* ActiveFormModel();
};
