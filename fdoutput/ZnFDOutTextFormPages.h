// The values of the floppy-output pages whose documents the writers write as text forms: the
// temporary-use approval applications and the construction, demolition and safety-plan notices.
// The five pages are twins: whatever document type is selected, each lists its one document kind,
// puts an empty form object of its class into the second slot and clears the third, always loads
// the property's form file of its form number (a click on a row loads nothing), shows no comment
// column, takes its check-result title and its current-document title from its kind, fills the
// 書式種類 choices when it is made, and writes through its writer with the output folder and that
// choice.
#pragma once

#include "fdoutput/ZnFDOutPageValues.h"

class ZnFDOutTextFormPages {
public:
    enum Page { TempUseAgency, TempUseOfficial, ConstNotif, DemNotif, SafeNotif };

    static const ZnFDOutPageValues& Values(Page page);
};
