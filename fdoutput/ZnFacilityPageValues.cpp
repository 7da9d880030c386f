#include "fdoutput/ZnFacilityPageValues.h"

ZnFDOutPageValues ZnFacilityPageValues::Make(int objectKind, const Forms& confirmation, const Forms& planChange,
                                             std::vector<CString> (*check)(const ZnFDOutCheckInput& input),
                                             void (*output)(const ZnFDOutRequest& request), PlanChangeColumns columns,
                                             const std::vector<UINT>& hiddenOnPlanChange)
{
    std::vector<ZnFDOutColumn> planChangeColumns =
        columns == widePlanChangeColumns
            ? std::vector<ZnFDOutColumn>{{"更新日", 76}, {"受付番号", 170}, {"確認済証番号", 100}}
            : std::vector<ZnFDOutColumn>{{"更新日", 76}, {"受付番号", 130}, {"確認済証番号", 84}};
    return {objectKind,
            nullptr,
            false,
            false,
            {{1000,
              0,
              confirmation.formNo,
              confirmation.makeFormModel,
              confirmation.makeSubFormModel,
              {{"コメント", 50}, {"更新日", 76}, {"受付番号", 130}, {"確認済証番号", 90}},
              3,
              1,
              {},
              true,
              check,
              output},
             {1008, 0, planChange.formNo, planChange.makeFormModel, planChange.makeSubFormModel, planChangeColumns, 2,
              -1, hiddenOnPlanChange, false, check, output}}};
}
