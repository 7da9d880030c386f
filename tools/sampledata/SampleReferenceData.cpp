#include "tools/sampledata/SampleReferenceData.h"

#include "storage/AppDatabaseSchemas.h"
#include "tools/sampledata/SampleCodeDatabases.h"

extern const char* const sampleAppUserRegistRows;

void MakeSampleUserRegist(const std::string& path)
{
    MakeSampleDatabase(path, appUserRegistSchema, sampleAppUserRegistRows);
}
