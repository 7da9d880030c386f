#include "tests/writers/stub/ZpStub.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

ZpStubRecord record;

int Result(int which)
{
    int results[3] = {1, 1, 0};
    if (const char* text = std::getenv("ZP_STUB_RESULTS"))
        std::sscanf(text, "%d,%d,%d", &results[0], &results[1], &results[2]);
    return results[which];
}

} // namespace

extern "C" ZP_API ZpStubRecord* ZpStubRecorded()
{
    return &record;
}

extern "C" int ZpInit(ZpUserFunctions* functions)
{
    ++record.initCalls;
    record.functions = *functions;
    return Result(0);
}

extern "C" int ZpSetOptions(ZpOptions* options)
{
    ++record.optionsCalls;
    std::memcpy(&record.options, options, sizeof record.options);
    record.rootDir = options->rootDir ? options->rootDir : "";
    return Result(1);
}

#ifndef ZP_STUB_WITHOUT_ARCHIVE
extern "C" int ZpArchive(ZpCommand command)
{
    ++record.archiveCalls;
    record.nameCount = command.nameCount;
    record.archiveName = command.archiveName;
    record.firstName = command.nameCount > 0 ? command.names[0] : "";
    return Result(2);
}
#endif
