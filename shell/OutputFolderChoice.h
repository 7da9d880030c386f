// The "参照" of the floppy screens: the folder picker, whose chosen folder becomes the output folder
// that the application keeps.
#pragma once

#include "platform/core/CString.h"

class CWnd;

// Runs the folder picker owned by owner. On OK puts the chosen folder into folder, makes it the
// application's output folder and returns true; a cancelled picker changes nothing.
bool ChooseOutputFolder(CWnd* owner, CString& folder);
