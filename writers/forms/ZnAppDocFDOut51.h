// The floppy output of a temporary-use approval application (仮使用承認申請書): the form file
// Keikaku\Ksq001.220 of the application to the designated administrative agency (特定行政庁) and
// Keikaku\Ksq001.230 of the one to the building official (建築主事).
#pragma once

#include "writers/forms/ZnTextFormWriter.h"

class ZnModelApp;
class ZnModelAppTempUseConf;

class ZnAppDocFDOut51 : public ZnTextFormWriter {
    DECLARE_DYNAMIC(ZnAppDocFDOut51)
public:
    ZnAppDocFDOut51() = default;

    // Writes Ksq001.220 with its index files under root, then runs the converter on root and
    // reports completion. First the document-kind code is set from the selected object kind and
    // the application's form digit (SetTempUseDocKindCode); when none applies,
    // "仮使用承認申請書の種類が正しくありません。" is shown and the medium is left untouched.
    // Otherwise as ZnAppDocFDOut54::OutputFD.
    void OutputFDTokuteiGyouseichou(CString root, int submissionIndex);
    // The same for Ksq001.230, without the planned dates of the work.
    void OutputFDKenchikuShuji(CString root, int submissionIndex);

    // The form's text under form number 220 or 230, titled title.
    static TextForm ComposeForm(int formNo, const CString& title, const ZnModelApp& app,
                                const ZnModelAppTempUseConf& application);

private:
    void OutputFD(int formNo, CString root, int submissionIndex);
};
