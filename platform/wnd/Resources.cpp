#include "platform/wnd/Resources.h"

#include "platform/core/Cp932.h"
#include "platform/wnd/UiHost.h"

namespace {
// Head of the registration chain; zero-initialised before any static constructor runs.
const AfxResourceSet* firstSet = nullptr;

template <typename T, typename Member> const T* FindIn(UINT id, Member array, size_t AfxResourceSet::*count)
{
    for (const AfxResourceSet* set = firstSet; set; set = set->next)
        for (size_t i = 0; i < set->*count; ++i)
            if ((set->*array)[i].id == id)
                return &(set->*array)[i];
    return nullptr;
}

int MulDivRounded(int value, int numerator, int denominator)
{
    long long product = static_cast<long long>(value) * numerator;
    return static_cast<int>(product >= 0 ? (product + denominator / 2) / denominator
                                         : (product - denominator / 2) / denominator);
}
} // namespace

AfxResourceSet::AfxResourceSet(const DialogResource* dialogs, size_t dialogCount, const MenuResource* menus,
                               size_t menuCount, const StringResource* strings, size_t stringCount)
    : dialogs(dialogs), dialogCount(dialogCount), menus(menus), menuCount(menuCount), strings(strings),
      stringCount(stringCount), next(nullptr)
{
    // Appended, so that the first registration of an id wins.
    if (!firstSet) {
        firstSet = this;
        return;
    }
    const AfxResourceSet* last = firstSet;
    while (last->next)
        last = last->next;
    last->next = this;
}

const DialogResource* AfxFindDialogResource(UINT id)
{
    return FindIn<DialogResource>(id, &AfxResourceSet::dialogs, &AfxResourceSet::dialogCount);
}

const MenuResource* AfxFindMenuResource(UINT id)
{
    return FindIn<MenuResource>(id, &AfxResourceSet::menus, &AfxResourceSet::menuCount);
}

const char* AfxFindStringResource(UINT id)
{
    const StringResource* entry = FindIn<StringResource>(id, &AfxResourceSet::strings, &AfxResourceSet::stringCount);
    return entry ? entry->text : nullptr;
}

BOOL AfxLoadString(UINT id, CString& text)
{
    const char* found = AfxFindStringResource(id);
    text = AfxResourceText(found);
    return found != nullptr;
}

CString AfxResourceText(const char* utf8) { return CString(cp932::FromUtf8(utf8 ? utf8 : "")); }

SIZE AfxFixedDialogBaseUnits(const DialogResource& dialog)
{
    int height = MulDivRounded(dialog.pointSize ? dialog.pointSize : 8, 96, 72);
    return SIZE{height / 2, height};
}

void AfxMapDialogRect(const DialogResource& dialog, RECT& rect)
{
    SIZE units = UiHost::Current().DialogBaseUnits(dialog);
    int baseX = static_cast<int>(units.cx);
    int baseY = static_cast<int>(units.cy);
    rect.left = MulDivRounded(rect.left, baseX, 4);
    rect.right = MulDivRounded(rect.right, baseX, 4);
    rect.top = MulDivRounded(rect.top, baseY, 8);
    rect.bottom = MulDivRounded(rect.bottom, baseY, 8);
}
