#include "fdoutput/ZnDlgAppFDOut15.h"

#include "fdoutput/ZnFacilityFloppy.h"
#include "fdoutput/ZnFacilityPageValues.h"
#include "fdoutput/ZnLiftInputCheck.h"
#include "model/ZnModelAppStrLiftConf.h"
#include "model/ZnModelAppStrLiftMod.h"
#include "res/FloppyOutputIds.h"
#include "res/FormViewIds.h"
#include "writers/xml/ZnAppDocFDOut15.h"

namespace {

void OutputStrLift(const ZnFDOutRequest& request)
{
    ZnFacilityFloppy::Write(request, "161", ZnAppDocFDOut15::WriteXml);
}

} // namespace

ZnDlgAppFDOut15::ZnDlgAppFDOut15(CWnd* pParent) : ZnDlgAppFDCountingPage(IDD_FDOUT15, pParent, Values(), FurtherLifts)
{
}

const ZnFDOutPageValues& ZnDlgAppFDOut15::Values()
{
    static const ZnFDOutPageValues values =
        ZnFacilityPageValues::Make(5, {161, MakeEmptyModel<ZnModelAppLift>, MakeEmptyModel<ZnModelAppStrLiftConf>},
                                   {421, MakeEmptyModel<ZnModelAppLift>, MakeEmptyModel<ZnModelAppStrLiftMod>},
                                   ZnLiftInputCheck::Run, OutputStrLift, ZnFacilityPageValues::narrowPlanChangeColumns,
                                   {IDC_FD12_LABEL_FURTHER, IDC_FD12_LABEL_UNIT, IDC_FD12_EDIT_COUNT});
    return values;
}
