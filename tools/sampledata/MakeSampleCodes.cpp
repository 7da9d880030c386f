// make_sample_codes FOLDER: writes the sample COM_CODE.mdb and COM_CHIIKI.mdb into an application
// folder that does not hold them yet.
#include "platform/database/CDaoException.h"
#include "tools/sampledata/SampleCodeDatabases.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    std::string folder = argv[1];
    try {
        MakeSampleComCode(folder + "/COM_CODE.mdb");
        MakeSampleComChiiki(folder + "/COM_CHIIKI.mdb");
    } catch (CDaoException* e) {
        std::fprintf(stderr, "%s: error %ld\n", argv[0], static_cast<long>(e->m_pErrorInfo->m_lErrorCode));
        e->Delete();
        return 1;
    }
    return 0;
}
