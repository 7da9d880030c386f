// The values that the lift, building-equipment, structure and structure-lift pages share: a
// confirmation application (type 1000) loads the form file of its number and shows the comment of
// the first document; a plan change (type 1008) loads the selected row's file, which a click on a
// row loads again. The pages differ in their object kind, form numbers, model classes, check,
// output step, the plan change's columns and the controls that a plan change hides.
#pragma once

#include "fdoutput/ZnFDOutPageValues.h"

class ZnFacilityPageValues {
public:
    // A document type's form number and the classes of its second and third slots.
    struct Forms {
        int formNo;
        ZnModel* (*makeFormModel)();
        ZnModel* (*makeSubFormModel)();
    };
    // The plan change's columns after the document column: 更新日 76, 受付番号 170, 確認済証番号 100
    // (wide, as the building page has them), or 76, 130, 84.
    enum PlanChangeColumns { widePlanChangeColumns, narrowPlanChangeColumns };

    static ZnFDOutPageValues Make(int objectKind, const Forms& confirmation, const Forms& planChange,
                                  std::vector<CString> (*check)(const ZnFDOutCheckInput& input),
                                  void (*output)(const ZnFDOutRequest& request), PlanChangeColumns columns,
                                  const std::vector<UINT>& hiddenOnPlanChange);
};
