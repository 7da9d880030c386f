#include "fdoutput/ZnDlgAppFDOut13.h"

#include "fdoutput/ZnEquipInputCheck.h"
#include "fdoutput/ZnFacilityFloppy.h"
#include "fdoutput/ZnFacilityPageValues.h"
#include "model/ZnModelAppEquipConf.h"
#include "model/ZnModelAppEquipMod.h"
#include "res/FormViewIds.h"
#include "writers/xml/ZnAppDocFDOut13.h"

namespace {

void OutputEquip(const ZnFDOutRequest& request) { ZnFacilityFloppy::Write(request, "170", ZnAppDocFDOut13::WriteXml); }

} // namespace

ZnDlgAppFDOut13::ZnDlgAppFDOut13(CWnd* pParent) : ZnDlgAppFDPage(IDD_FDOUT13, pParent, Values()) {}

const ZnFDOutPageValues& ZnDlgAppFDOut13::Values()
{
    static const ZnFDOutPageValues values = ZnFacilityPageValues::Make(
        3, {170, MakeEmptyModel<ZnModelAppEquip>, MakeEmptyModel<ZnModelAppEquipConf>},
        {430, MakeEmptyModel<ZnModelAppEquip>, MakeEmptyModel<ZnModelAppEquipMod>}, ZnEquipInputCheck::Run, OutputEquip,
        ZnFacilityPageValues::narrowPlanChangeColumns, {});
    return values;
}
