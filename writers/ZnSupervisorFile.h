// The supervisor file ~002.xml of a construction notification's floppy: the construction
// supervisor in CP932, written beside the notification's form in the folder Keikaku.
#pragma once

#include "platform/core/CString.h"
#include "writers/ZnWriteOutcome.h"

class ZnModelDesigner;

namespace ZnSupervisorFile {

// The file's path: root + "\Keikaku\~002.xml".
CString Path(LPCTSTR root);
// Writes the file (Path) in text mode: the declaration and the element 申請書, holding the
// supervisor's name, office name, postal code, address and telephone, each escaped
// (XmlText::Escape), when a supervisor is given (null: none). When the file cannot be opened,
// says so, writes nothing and gives told; cutOff (and the file removed) when the medium could not
// hold it.
ZnWriteOutcome Write(LPCTSTR root, const ZnModelDesigner* supervisor);

} // namespace ZnSupervisorFile
