// The floppy output of a demolition notification (建築物除却届): the form file Keikaku\Ksq001.250.
#pragma once

#include "writers/forms/ZnTextFormWriter.h"

class ZnModelAppDemNotif;

class ZnAppDocFDOut54 : public ZnTextFormWriter {
    DECLARE_DYNAMIC(ZnAppDocFDOut54)
public:
    ZnAppDocFDOut54() = default;

    // Prepares the medium under root, writes the index files of form 250 (submissionIndex is the
    // page's 書式種類 selection) and the form file of the active document's notification, then
    // runs the converter on root and reports completion. A failing step ends the output after its
    // own message; a form file that cannot be opened or written is told, with no converter run
    // and no completion message.
    void OutputFD(CString root, int submissionIndex);

    // The form's text: the notification's records in their order, the floor area by the
    // formatter's own rounding.
    static TextForm ComposeForm(const ZnModelAppDemNotif& notification);
};
