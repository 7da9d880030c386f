// New application databases made from the empty templates of the application folder, which the
// program copies; a template that this build could not write (an Access file copied from a
// Windows installation) gives way to the project's own schema.
#pragma once

#include "platform/core/CString.h"

// Whether a file (or a folder) of that Windows path exists, its names compared without case.
bool ZnPathExists(const CString& path);

// Whether the database at path can be changed by this build (not an Access file, which is read
// only). FALSE also for one that cannot be opened.
bool ZnDatabaseCanUpdate(const CString& path);

// What becomes of a database to be made from its template.
enum class ZnTemplateOutcome { ready, templateMissing, copyFailed, createFailed };

// Makes the database fileName (with its leading backslash) in folder when it is missing there, as
// ZnMakeDatabaseFromTemplate does, and says nothing: the outcome tells the caller what to report,
// and *error (when given) takes the database layer's text of a failed new database. A failed copy
// or new database leaves no file of that name behind.
ZnTemplateOutcome ZnPrepareDatabaseFromTemplate(const CString& appFolder, const CString& fileName,
                                                const CString& folder, const char* schema, CString* error = nullptr);

// Makes the database fileName (with its leading backslash, as ZnAppMDB names it) in folder when
// it is missing there: a copy of the template of that name in appFolder, or, when the template
// is an Access file, a new database from schema. An existing database is left alone. Returns
// true when the database is there afterwards; false after a message that names the file: the
// template missing, or the copy or the new database failing (nothing is left half-written).
bool ZnMakeDatabaseFromTemplate(const CString& appFolder, const CString& fileName, const CString& folder,
                                const char* schema);
