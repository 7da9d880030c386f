// Reading a stored document of the current property into model objects of the caller's own,
// through the archive as the document's open reads a file into its slots, without touching the
// active document.
#pragma once

#include "platform/core/CString.h"

class ZnModel;

enum ReadStoredDocumentResult { storedDocumentRead, storedDocumentMissing, storedDocumentUnreadable };

// The file of form formNo in the current property's folder: the object folder + "\" + property
// name + "\" + the shell's form file name (such as Ka001.240).
CString StoredDocumentPath(int formNo);

// Reads the file of form formNo (StoredDocumentPath) into the objects of models, each through its
// Serialize in the order given, skipping nulls, as a document file holds its slots; the caller
// owns the objects and puts fresh ones of the document's classes there. An empty file leaves them
// as they are. storedDocumentMissing when there is no such file (nothing is shown);
// storedDocumentUnreadable when it cannot be opened or read: the framework's message for that is
// shown with the exclamation icon, as the document's open shows it, and the objects may hold
// part of the file.
int ReadStoredDocument(int formNo, ZnModel* const* models, int count);
// The same for the document file at path.
int ReadDocumentFile(const CString& path, ZnModel* const* models, int count);
