// The schemas of the application's own database files (SQLite SQL, UTF-8), built into the
// program: new databases and the empty templates that the program copies are made from them.
#pragma once

extern const char* const appBukkenSchema;     // APP_BUKKEN.mdb
extern const char* const appUserRegistSchema; // APP_USER_REGIST.mdb
extern const char* const comChiikiSchema;     // COM_CHIIKI.mdb
extern const char* const comCodeSchema;       // COM_CODE.mdb
