// The sample code databases of the application folder, as SQLite files made from the project's
// schemas and the rows kept beside this file: COM_CODE.mdb with the code tables and
// COM_CHIIKI.mdb with the regions and prefectures. They stand in for the official files, which
// the project does not have.
#pragma once

#include <string>

// Each creates the file at a path as the database layer names files (a Windows path; a Linux path
// of ASCII names serves as well), never replacing an existing file (the database layer's error
// 3204), and fills it; a failure raises the database layer's error and leaves no file.
void MakeSampleComCode(const std::string& path);
void MakeSampleComChiiki(const std::string& path);

// A database file made the same way from a schema and its rows (SQLite SQL), in one transaction.
void MakeSampleDatabase(const std::string& path, const char* schema, const char* rows);
