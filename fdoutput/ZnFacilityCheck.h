// The rules that the input checks of the lift, building-equipment and structure pages share. A
// check builds one of these on its input, applies its rules in the order of its messages and takes
// the findings (ZnCheckFindings); a failed rule adds its message and the check goes on. Slots read here that hold no
// object of the expected class are taken as empty objects (ZnSlotView).
#pragma once

#include "fdoutput/ZnCheckFindings.h"
#include "fdoutput/ZnFDOutCheckInput.h"
#include "model/ZnModelAppPlanChange.h"
#include "model/ZnModelList.h"
#include "platform/core/CString.h"

#include <vector>

class ZnFacilityCheck : public ZnCheckFindings {
public:
    // The document type whose third slot holds the plan change.
    static const int planChangeDocType = 1008;

    explicit ZnFacilityCheck(const ZnFDOutCheckInput& input) : m_input(input) {}

    // The message when the first building owner of the first slot has no name.
    void OwnerName(LPCTSTR message);

    // The message followed by the item's number ("%d") for the first item and then for each further
    // item, head to tail, whose kind code is empty; null entries are passed over.
    template <class Item> void ItemKindCodes(const Item& first, const ZnModelList<Item>& further, LPCTSTR message)
    {
        ItemKindCode(first, message);
        for (POSITION pos = further.GetHeadPosition(); pos;)
            if (const Item* item = further.GetNext(pos))
                ItemKindCode(*item, message);
    }

    // The planned start, the planned completion and the specified-process end of the form, in that order.
    template <class Form> void Schedule(const Form& form)
    {
        AddIfInvalid(form.GetConstStartDate(), "工事着手予定年月日の日付が正しくありません。");
        AddIfInvalid(form.GetConstEndDate(), "工事完了予定年月日の日付が正しくありません。");
        AddIfInvalid(form.GetSpecStageDate().GetDate(), "特定工程工事終了予定年月日の日付が正しくありません。");
    }

    // The issue date of the building's confirmation record.
    void BuildingConfirmation(const ZnModelNum& record);

    // For a plan change only: the issue date of the confirmation just before the change, read from
    // the third slot as the family's plan-change form.
    template <class Family> void PlanChange()
    {
        if (m_input.docType != planChangeDocType)
            return;
        ZnSlotView<ZnModelAppPlanChange<Family>> planChange(m_input.subForm);
        AddIfInvalid(planChange->GetPrevConfNum().GetDate(), "計画変更の確認済証交付年月日の日付が正しくありません。");
    }

private:
    template <class Item> void ItemKindCode(const Item& item, LPCTSTR message)
    {
        if (item.GetKindCode().GetCode().IsEmpty())
            Add(ZnCheckRules::Numbered(message, item.GetLeadingValue(), ""));
    }

    const ZnFDOutCheckInput& m_input;
};
