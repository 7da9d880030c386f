// What the writers of the floppy's text forms share: the floppy output of a form (ZnFloppyOutput)
// whose data file is Keikaku\Ksq001.<form number>, opened, written whole and closed, with the
// converter run on the output root and the completion message at its end. Each writer reads the
// active document and builds its TextForm.
#pragma once

#include "model/VhObject.h"
#include "writers/ZnWriteOutcome.h"
#include "writers/fdoutput/ZnFloppyOutput.h"
#include "writers/forms/TextForm.h"

#include <cstdio>

class ZnModelApp;

class ZnTextFormWriter : public VhObject {
    DECLARE_DYNAMIC(ZnTextFormWriter)
public:
    // The form file's Windows path: root + "\Keikaku\Ksq001." + formNo.
    static CString FormPath(LPCTSTR root, LPCTSTR formNo);

protected:
    ZnTextFormWriter() = default;

    // The floppy output of the form formNo under root (ZnFloppyOutput) with the index files of
    // formNo for the whole document and the form file at its path (FormPath), written by
    // writeForm; its completion is title + "のFD出力が終了しました" with the information icon
    // (ZnFloppyOutput::TellDone).
    static void OutputForm(LPCTSTR root, int submissionIndex, LPCTSTR formNo, LPCTSTR title,
                           const ZnFloppyOutput::Part& writeForm);
    // Opens the form file for writing in text mode; null when it cannot be opened. Tests put a
    // failure in here.
    virtual FILE* OpenFormFile(const CString& path);
    // Opens the form file at path; null after showing openFailedText with the stop icon.
    FILE* OpenForm(const CString& path, LPCTSTR openFailedText);
    // Writes the form's text to the file opened by OpenForm and closes it: written, or cut off
    // when it could not be written whole (a full medium; the cut-off file is removed).
    static ZnWriteOutcome CloseForm(FILE* file, const CString& path, const TextForm& form);
    // OpenForm, then CloseForm; told when the file could not be opened.
    ZnWriteOutcome WriteFormFile(const CString& path, LPCTSTR openFailedText, const TextForm& form);

    // The active document's application root and its form model as Model; null when the slot
    // holds none.
    static const ZnModelApp* ActiveApp();
    template <typename Model> static const Model* ActiveForm() { return dynamic_cast<const Model*>(ActiveFormModel()); }

private:
    static const CObject* ActiveFormModel();
};
