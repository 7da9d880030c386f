// The schema patch of APP_USER_REGIST.mdb, and the small helpers over the table definitions that
// it uses. Each helper owns one database object through a pointer that it sets and clears.
#pragma once

#include "platform/database/AfxDao.h"

// Adds the text column TourokuBangou (size 60, zero-length values allowed) to AppSetsubishaTbl of
// the database at path when the table lacks it, keeping every row. Returns 1 when the column was
// added, 0 when it was already there (or could not be looked up), -1 when nothing was done
// because of a failure: an empty path, the database or the table not opened or the column not
// added (each of these but the first with a message; so on a read-only database). The database
// is closed again in every case.
int PatchUserRegistMdb(CString path);

// Opens a new database object on path into *database (closing and deleting one held there
// first): 1 when opened; 0 for a missing file (with a message only when reportMissing is not 0);
// -1 for any other failure, with a message. On failure *database is null.
int OpenMdb(CDaoDatabase** database, CString path, int reportMissing);

// Opens the definition of a table of an open database into *tableDef (closing and deleting one
// held there first): 1 when opened; else 0, with a message when the table could not be opened,
// and *tableDef null.
int OpenTableDef(CDaoDatabase* database, CDaoTableDef** tableDef, CString name);

// 1 when the table has a column of that name, or when looking it up failed for another reason
// than the column being missing; 0 when it is missing or tableDef is null.
int FieldExists(CDaoTableDef* tableDef, CString name);

// Adds a column described by info: 1 when added; else 0, with a message unless tableDef is null.
int CreateFieldChecked(CDaoTableDef* tableDef, CDaoFieldInfo& info);

// Close the object when it is open, delete it and set the pointer to null; null is left alone.
void CloseMdb(CDaoDatabase** database);
void CloseTableDef(CDaoTableDef** tableDef);
