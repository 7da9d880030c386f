// The management-information file 申請書管理情報.xml that the migration export writes beside each
// exported document's data file, in UTF-8.
#pragma once

#include "platform/core/CString.h"
#include "writers/ZnWriteOutcome.h"

namespace ZnManagementInfoFile {

// Writes the file at path: the elements 枝番 and 帳票番号 ("%d"), 作成日 (the creation date as a
// value, XmlText::Value), the empty 受付番号 and 処分番号 and データチェック済みフラグ "0". When the
// file cannot be opened, says so in a message box, writes nothing and gives told; cutOff (and
// the file removed) when the medium could not hold it.
ZnWriteOutcome Write(LPCTSTR path, int formSheetNo, int branchNo, LPCTSTR creationDate);

} // namespace ZnManagementInfoFile
