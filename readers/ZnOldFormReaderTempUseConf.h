// The reader of a temporary-use application into a ZnModelAppTempUseConf: the form "#220"
// ("Ksq001.220", codes 100401 to 100406) or "#230" ("Ksq001.230", codes 100411 to 100416). The
// two forms number their items apart (220xx and 230xx); either file is read with both.
#pragma once

#include "readers/ZnOldFormReader.h"

class ZnOldFormReaderTempUseConf : public ZnOldFormReader {
public:
    // A new ZnModelAppTempUseConf, or null when the form file does not open or the document-kind
    // code belongs to neither form. The further owners reach it in the order of their records.
    ZnModelApp* Read() override;
    // With a data version in the index: 1 for "6.00", "6.20" or "6.40". Without one: 1 when the
    // form file holds a building confirmation record of at least four fields.
    int IsVersionOK() override;

private:
    // The form file of the document-kind code, or "" for a code of neither form.
    CString FormPath() const;
};
