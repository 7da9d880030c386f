// A property is never made in a drive root: the drive's "App_Doc1" folder takes its place, after
// the user agreed to it.
#pragma once

#include "platform/core/CString.h"

class CWnd;

// When folder is a drive root (three characters or fewer, such as "C:\" or "D:"), asks with the
// confirmation 5607 (the drive has an "App_Doc1" folder) or 5606 (it has none, and it is made)
// whether to use that folder instead, and on OK puts its path into folder. false when the user
// declined, or when the folder could not be made ("申請用ディレクトリの作成に失敗しました。" is
// shown; folder then holds its path). Any other folder gives true and stays as it is.
bool RedirectDriveRoot(CString& folder, CWnd* parent);
