// make_sample_codes FOLDER: writes the sample COM_CODE.mdb and COM_CHIIKI.mdb into an application
// folder that does not hold them yet.
#include "platform/database/CDaoException.h"
#include "tools/sampledata/SampleCodeDatabases.h"
#include "tools/usage/ToolCall.h"

#include <cstdio>

namespace {
const char kUsage[] = "usage: make_sample_codes FOLDER\n"
                      "Writes the sample COM_CODE.mdb and COM_CHIIKI.mdb into the application folder FOLDER,\n"
                      "which must not hold them yet.\n";
} // namespace

int main(int argc, char** argv)
{
    return ToolCall::Run(argc, argv, kUsage, 1, [&](const ToolCall& call) {
        std::string folder = call.Text(0, nullptr);
        try {
            MakeSampleComCode(folder + "/COM_CODE.mdb");
            MakeSampleComChiiki(folder + "/COM_CHIIKI.mdb");
        } catch (CDaoException* e) {
            std::fprintf(stderr, "%s: error %ld\n", argv[0], static_cast<long>(e->m_pErrorInfo->m_lErrorCode));
            e->Delete();
            return 1;
        }
        return 0;
    });
}
