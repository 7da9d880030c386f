// A stand-in for the zip library that records what its entries are given. Its answers come from
// the environment variable ZP_STUB_RESULTS, "init,options,archive" ("1,1,0" when unset), so that
// a test can set them without holding the library loaded itself.
#pragma once

#include "zipnorva/ZpApi.h"

#include <string>

struct ZpStubRecord {
    int initCalls = 0;
    int optionsCalls = 0;
    int archiveCalls = 0;
    ZpUserFunctions functions = {};
    ZpOptions options = {}; // a byte copy; its rootDir points to the caller's buffer
    std::string rootDir;
    int nameCount = 0;
    std::string archiveName;
    std::string firstName;
};

typedef ZpStubRecord* (*ZpStubRecordEntry)();
