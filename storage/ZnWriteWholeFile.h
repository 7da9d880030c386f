// Writing a file so that one it replaces is never lost to a failed write.
#pragma once

#include "platform/core/CString.h"

#include <string>

// Writes bytes into the file at path, a file of folder, through a temporary file in folder that
// takes path's name only once written whole and closed: true then. False when it could not be
// written whole (a full disk), with what path named as it was and no temporary file left.
bool ZnWriteWholeFile(const CString& folder, const CString& path, const std::string& bytes);
