#include "fdoutput/ZnDlgAppFDOut12.h"

#include "fdoutput/ZnFacilityFloppy.h"
#include "fdoutput/ZnFacilityPageValues.h"
#include "fdoutput/ZnLiftInputCheck.h"
#include "model/ZnModelAppLiftConf.h"
#include "model/ZnModelAppLiftMod.h"
#include "res/FloppyOutputIds.h"
#include "res/FormViewIds.h"
#include "writers/xml/ZnAppDocFDOut12.h"

namespace {

void OutputLift(const ZnFDOutRequest& request) { ZnFacilityFloppy::Write(request, "160", ZnAppDocFDOut12::WriteXml); }

} // namespace

ZnDlgAppFDOut12::ZnDlgAppFDOut12(CWnd* pParent) : ZnDlgAppFDCountingPage(IDD_FDOUT12, pParent, Values(), FurtherLifts)
{
}

const ZnFDOutPageValues& ZnDlgAppFDOut12::Values()
{
    static const ZnFDOutPageValues values =
        ZnFacilityPageValues::Make(2, {160, MakeEmptyModel<ZnModelAppLift>, MakeEmptyModel<ZnModelAppLiftConf>},
                                   {420, MakeEmptyModel<ZnModelAppLift>, MakeEmptyModel<ZnModelAppLiftMod>},
                                   ZnLiftInputCheck::Run, OutputLift, ZnFacilityPageValues::widePlanChangeColumns,
                                   {IDC_FD12_LABEL_FURTHER, IDC_FD12_LABEL_UNIT, IDC_FD12_EDIT_COUNT});
    return values;
}
