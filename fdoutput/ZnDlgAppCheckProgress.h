// The progress note (6641) shown while an input check runs: "データチェック中".
#pragma once

#include "fdoutput/ZnDlgAppNote.h"
#include "res/FloppyOutputIds.h"

class ZnDlgAppCheckProgress : public ZnDlgAppNote {
public:
    ZnDlgAppCheckProgress() : ZnDlgAppNote(IDD_CHECK_PROGRESS) {}
};
