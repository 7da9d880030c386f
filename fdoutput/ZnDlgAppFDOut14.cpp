#include "fdoutput/ZnDlgAppFDOut14.h"

#include "fdoutput/ZnFacilityFloppy.h"
#include "fdoutput/ZnFacilityPageValues.h"
#include "fdoutput/ZnStructInputCheck.h"
#include "model/ZnModelAppStructConf.h"
#include "model/ZnModelAppStructMod.h"
#include "res/FloppyOutputIds.h"
#include "res/FormViewIds.h"
#include "writers/xml/ZnAppDocFDOut14.h"

namespace {

void OutputStruct(const ZnFDOutRequest& request) { ZnFacilityFloppy::Write(request, "180", ZnAppDocFDOut14::WriteXml); }

} // namespace

ZnDlgAppFDOut14::ZnDlgAppFDOut14(CWnd* pParent)
    : ZnDlgAppFDCountingPage(IDD_FDOUT14, pParent, Values(), FurtherStructures)
{
}

const ZnFDOutPageValues& ZnDlgAppFDOut14::Values()
{
    static const ZnFDOutPageValues values =
        ZnFacilityPageValues::Make(4, {180, MakeEmptyModel<ZnModelAppStruct>, MakeEmptyModel<ZnModelAppStructConf>},
                                   {440, MakeEmptyModel<ZnModelAppStruct>, MakeEmptyModel<ZnModelAppStructMod>},
                                   ZnStructInputCheck::Run, OutputStruct, ZnFacilityPageValues::narrowPlanChangeColumns,
                                   {IDC_FD12_LABEL_FURTHER, IDC_FD12_LABEL_UNIT, IDC_FD12_EDIT_COUNT});
    return values;
}
