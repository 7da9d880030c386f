// The framework's text for a document file that could not be loaded or saved, which the document
// shows when its open or save fails and the loaders of stored documents show as the document does.
#pragma once

#include "platform/core/CException.h"

// The text for the failure e (null: none known) of loading, or with saving of saving, the file at
// path: a malformed archive, too little memory, a file that is missing, on a path that is not
// valid, that cannot be read or written, or a full disk; else that the document could not be
// opened or saved.
CString FileFailureText(LPCTSTR path, CException* e, BOOL saving);
