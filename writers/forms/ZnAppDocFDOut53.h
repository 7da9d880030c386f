// The floppy output of a construction notification (建築工事届): the form file
// Keikaku\Ksq001.240 and the supervisor file Keikaku\~002.xml beside it.
#pragma once

#include "writers/forms/ZnTextFormWriter.h"

class ZnModelApp;
class ZnModelAppConstNotif;

class ZnAppDocFDOut53 : public ZnTextFormWriter {
    DECLARE_DYNAMIC(ZnAppDocFDOut53)
public:
    ZnAppDocFDOut53() = default;

    // Prepares the medium under root, writes the index files of form 240, then the form
    // (WriteForm); when the form file stands whole, runs the converter on root and reports
    // completion.
    void OutputFD(CString root, int submissionIndex);
    // Writes the form file and the supervisor file of the active document's notification into
    // root\Keikaku, which must exist. A form file that cannot be opened is told
    // ("様式ファイル（建築工事届）のオープンに失敗しました。") and nothing is written; one that cannot be
    // written whole is removed and told. A supervisor file that cannot be opened is told and the
    // form finished all the same; one that the medium cannot hold is removed and told, and the
    // form is not written. True when the form file stands whole.
    bool WriteForm(CString root);

    // The form's text: areas rounded half up to hundredths, building numbers "%02d".
    static TextForm ComposeForm(const ZnModelApp& app, const ZnModelAppConstNotif& notification);

private:
    // The two files of WriteForm, with the form file's outcome; a supervisor file cut off by a
    // full medium is told, and the form file is closed empty and reported told, for its caller
    // (ZnFloppyOutput::WriteDataFile) to remove.
    ZnWriteOutcome WriteFormFiles(const CString& root);
};
