#include "platform/core/AfxMessageBox.h"

#include "platform/core/Cp932.h"

#include <cstdio>

namespace {

int AnswerUnattended(LPCTSTR lpszText, UINT nType, UINT)
{
    std::fprintf(stderr, "[] %s\n", cp932::ToUtf8(lpszText ? lpszText : "").c_str());
    return AfxDefaultMessageBoxButton(nType);
}

AfxMessageBoxHandler installedHandler = nullptr;

} // namespace

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    return (installedHandler ? installedHandler : AnswerUnattended)(lpszText, nType, nIDHelp);
}

void AfxSetMessageBoxHandler(AfxMessageBoxHandler handler) { installedHandler = handler; }

std::vector<int> AfxMessageBoxButtons(UINT type)
{
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE:
        return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL:
        return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO:
        return {IDYES, IDNO};
    case MB_RETRYCANCEL:
        return {IDRETRY, IDCANCEL};
    default:
        return {IDOK};
    }
}

int AfxDefaultMessageBoxButton(UINT type)
{
    std::vector<int> buttons = AfxMessageBoxButtons(type);
    size_t index = (type & MB_DEFMASK) >> 8;
    return index < buttons.size() ? buttons[index] : buttons.front();
}
