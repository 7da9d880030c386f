// The titles and document-kind codes of the current selection: the document type, the object
// kind and the document mode read from the current shell (ZnShellState::Current(), which must be
// installed), and the titles of stored document-kind codes.
#pragma once

#include "platform/core/CString.h"

class ZnModelAppTempUseConf;

namespace ZnDocTitles {

// The title of the selected document type: the notification title in mode 32787, else the
// application title; "" for a type other than 1000, 1002, 1005 and 1008.
CString GetDocTypeTitle();
// "_建築物_" and its sisters for object kinds 1 to 6; "" for any other number.
CString GetObjectKindName(int objectNo);
// GetDocTypeTitle followed by GetObjectKindName(objectNo).
CString GetDocTitle(int objectNo);
// The document-kind code of object kind objectNo for the selected document type:
// 100000 + 100 x procedure + objectNo, procedure 0 for a type that is none of the four.
int GetDocKindCode(int objectNo);
// The title of a stored document-kind code (decimal text): for a code "100p0k" with procedure p
// from 0 to 3 the procedure's title in the current mode (applications in mode 32786, else
// notifications) followed by the object-kind name of its last digit; for any other code the
// application's name for it (variant 1), "" when it has none.
CString GetDocTitleFromCode(const CString& code);
// Sets the document-kind code of the active document's application root from the form digit of
// a temporary-use application and the selected object kind (1028 or 1024); returns 1, or 0 with
// nothing changed for another kind, a digit outside 0 to 5, or no application.
int SetTempUseDocKindCode(const ZnModelAppTempUseConf* tempUse);

} // namespace ZnDocTitles
