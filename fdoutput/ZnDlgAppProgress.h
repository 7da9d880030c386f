// The progress note (6622) shown while a writer runs: "処理中．．．".
#pragma once

#include "fdoutput/ZnDlgAppNote.h"
#include "res/FloppyOutputIds.h"

class ZnDlgAppProgress : public ZnDlgAppNote {
public:
    ZnDlgAppProgress() : ZnDlgAppNote(IDD_FDOUT_PROGRESS) {}
};
