#include "platform/wnd/Imm.h"

#include "platform/wnd/CWnd.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <unordered_map>
#include <vector>

namespace {
struct InputContext {
    BOOL open = FALSE;
    DWORD conversion = IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE | IME_CMODE_ROMAN;
    DWORD sentence = IME_SMODE_PHRASEPREDICT;
    CString result;
    CString resultReading;
    int openStatusSets = 0;
};

struct ImmState {
    std::vector<std::unique_ptr<InputContext>> contexts; // the first is the default context
    std::unordered_map<HWND, HIMC> associations;
};

ImmState& State()
{
    static ImmState state;
    if (state.contexts.empty())
        state.contexts.push_back(std::make_unique<InputContext>());
    return state;
}

InputContext* Context(HIMC hIMC)
{
    for (const auto& context : State().contexts)
        if (reinterpret_cast<HIMC>(context.get()) == hIMC)
            return context.get();
    return nullptr;
}

HIMC Handle(InputContext* context) { return reinterpret_cast<HIMC>(context); }
} // namespace

HIMC ImmGetContext(HWND hWnd)
{
    if (!IsWindow(hWnd))
        return nullptr;
    ImmState& state = State();
    auto found = state.associations.find(hWnd);
    return found != state.associations.end() ? found->second : Handle(state.contexts.front().get());
}

BOOL ImmReleaseContext(HWND, HIMC hIMC) { return Context(hIMC) != nullptr; }

HIMC ImmCreateContext()
{
    State().contexts.push_back(std::make_unique<InputContext>());
    return Handle(State().contexts.back().get());
}

BOOL ImmDestroyContext(HIMC hIMC)
{
    ImmState& state = State();
    auto& contexts = state.contexts;
    auto found = std::find_if(contexts.begin() + 1, contexts.end(),
                              [hIMC](const auto& context) { return Handle(context.get()) == hIMC; });
    if (found == contexts.end())
        return FALSE;
    for (auto& association : state.associations)
        if (association.second == hIMC)
            association.second = nullptr;
    contexts.erase(found);
    return TRUE;
}

HIMC ImmAssociateContext(HWND hWnd, HIMC hIMC)
{
    if (!IsWindow(hWnd))
        return nullptr;
    HIMC previous = ImmGetContext(hWnd);
    State().associations[hWnd] = hIMC;
    return previous;
}

BOOL ImmGetOpenStatus(HIMC hIMC)
{
    InputContext* context = Context(hIMC);
    return context && context->open;
}

BOOL ImmSetOpenStatus(HIMC hIMC, BOOL fOpen)
{
    InputContext* context = Context(hIMC);
    if (!context)
        return FALSE;
    context->open = fOpen != 0;
    ++context->openStatusSets;
    return TRUE;
}

BOOL ImmGetConversionStatus(HIMC hIMC, DWORD* lpfdwConversion, DWORD* lpfdwSentence)
{
    InputContext* context = Context(hIMC);
    if (!context)
        return FALSE;
    if (lpfdwConversion)
        *lpfdwConversion = context->conversion;
    if (lpfdwSentence)
        *lpfdwSentence = context->sentence;
    return TRUE;
}

BOOL ImmSetConversionStatus(HIMC hIMC, DWORD fdwConversion, DWORD fdwSentence)
{
    InputContext* context = Context(hIMC);
    if (!context)
        return FALSE;
    context->conversion = fdwConversion;
    context->sentence = fdwSentence;
    return TRUE;
}

LONG ImmGetCompositionString(HIMC hIMC, DWORD dwIndex, LPVOID lpBuf, DWORD dwBufLen)
{
    InputContext* context = Context(hIMC);
    if (!context)
        return IMM_ERROR_GENERAL;
    const CString* text = dwIndex == GCS_RESULTSTR       ? &context->result
                          : dwIndex == GCS_RESULTREADSTR ? &context->resultReading
                                                         : nullptr;
    if (!text)
        return IMM_ERROR_NODATA;
    if (!lpBuf || dwBufLen == 0)
        return text->GetLength();
    DWORD count = std::min<DWORD>(dwBufLen, static_cast<DWORD>(text->GetLength()));
    std::memcpy(lpBuf, static_cast<LPCTSTR>(*text), count);
    return static_cast<LONG>(count);
}

void AfxImmSetCompositionResult(HIMC hIMC, const CString& result, const CString& reading)
{
    if (InputContext* context = Context(hIMC)) {
        context->result = result;
        context->resultReading = reading;
    }
}

int AfxImmGetOpenStatusSets(HIMC hIMC)
{
    InputContext* context = Context(hIMC);
    return context ? context->openStatusSets : 0;
}

void AfxImmReset()
{
    ImmState& state = State();
    state.contexts.clear();
    state.contexts.push_back(std::make_unique<InputContext>());
    state.associations.clear();
}
