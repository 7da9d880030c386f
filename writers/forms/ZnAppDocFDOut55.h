// The floppy output of a safety-measures plan notification (安全上の措置等に関する計画届): the
// form file Keikaku\Ksq001.260.
#pragma once

#include "writers/forms/ZnTextFormWriter.h"

class ZnModelApp;
class ZnModelAppSafeNotif;

class ZnAppDocFDOut55 : public ZnTextFormWriter {
    DECLARE_DYNAMIC(ZnAppDocFDOut55)
public:
    ZnAppDocFDOut55() = default;

    // Prepares the medium under root, writes the index files of form 260 and the form file of the
    // active document (owner, agent, further owners and signer from its application root), then
    // runs the converter on root and reports completion; as ZnAppDocFDOut54::OutputFD on failures.
    void OutputFD(CString root, int submissionIndex);

    // The form's text; quantities are cut to hundredths, not rounded.
    static TextForm ComposeForm(const ZnModelApp& app, const ZnModelAppSafeNotif& notification);
};
