// The document kinds of a property: for each document-kind code, the classes of the objects in
// the document's model slots and the extension of the document's file in the property folder.
//
// A document file is the archive of the document's non-null slot objects one after another, in
// slot order: the application root (always a ZnModelApp), the form object (the family's base
// class or the document itself) and the sub-form object (the kind class of a two-object
// document). A load fills the objects that stand in the slots, so the loader first puts fresh
// objects of the kind's classes there.
//
// The table names its classes rather than referring to them, so that classes added later need
// no change here; CreateSlotObject resolves a name when a document is loaded.
#pragma once

#include "model/ZnModel.h"

struct ZnModelDocKind {
    int code;             // such as 100001
    LPCSTR formClass;     // the second slot's class
    LPCSTR subFormClass;  // the third slot's class; null when the kind has one object
    LPCSTR fileExtension; // such as ".110"; "" when documents of the kind have none of their own
};

namespace ZnModelDocKinds {

// The number of model slots of a document; the fourth is not part of any document kind.
const int slotCount = 4;

// The row of a document-kind code, or null for a code the table does not hold.
const ZnModelDocKind* Find(int code);

// Every row, in ascending code order; count receives the number of rows.
const ZnModelDocKind* GetAll(int& count);

// A new default object of the named model class, owned by the caller; null when the name is
// null or names no registered class derived from ZnModel.
ZnModel* CreateSlotObject(LPCSTR className);

// Stores or loads a document file: the Serialize of each non-null slot object, in slot order.
void SerializeSlots(CArchive& ar, ZnModel* const* slots, int count);

} // namespace ZnModelDocKinds
