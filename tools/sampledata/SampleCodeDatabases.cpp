#include "tools/sampledata/SampleCodeDatabases.h"

#include "platform/CDaoDatabase.h"
#include "storage/AppDatabaseSchemas.h"

extern const char* const sampleComCodeRows;
extern const char* const sampleComChiikiRows;

namespace {

// The schema and the rows in one transaction, written to disk once rather than row by row.
void MakeDatabase(const std::string& path, const char* schema, const char* rows)
{
    DaoCreateDatabase(path.c_str(), std::string("BEGIN;\n") + schema + rows + "COMMIT;\n");
}

} // namespace

void MakeSampleComCode(const std::string& path) { MakeDatabase(path, comCodeSchema, sampleComCodeRows); }

void MakeSampleComChiiki(const std::string& path) { MakeDatabase(path, comChiikiSchema, sampleComChiikiRows); }
