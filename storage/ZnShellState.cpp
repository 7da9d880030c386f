#include "storage/ZnShellState.h"

namespace {

ZnShellState* current = nullptr;

} // namespace

ZnShellState* ZnShellState::Current() { return current; }

void ZnShellState::SetCurrent(ZnShellState* state) { current = state; }
