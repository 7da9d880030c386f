#include "tools/sampledata/SampleCodeDatabases.h"

#include "platform/database/CDaoDatabase.h"
#include "storage/AppDatabaseSchemas.h"

extern const char* const sampleComCodeRows;
extern const char* const sampleComChiikiRows;

// The schema and the rows in one transaction, written to disk once rather than row by row.
void MakeSampleDatabase(const std::string& path, const char* schema, const char* rows)
{
    DaoCreateDatabase(path.c_str(), std::string("BEGIN;\n") + schema + rows + "COMMIT;\n");
}

void MakeSampleComCode(const std::string& path) { MakeSampleDatabase(path, comCodeSchema, sampleComCodeRows); }

void MakeSampleComChiiki(const std::string& path) { MakeSampleDatabase(path, comChiikiSchema, sampleComChiikiRows); }
