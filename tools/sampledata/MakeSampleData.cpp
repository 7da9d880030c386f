// make_sample_data FOLDER: writes the sample data set (SampleDataSet.h) into a folder that does
// not hold one yet, creating the folder when it is missing.
#include "platform/core/CException.h"
#include "platform/core/Cp932.h"
#include "tools/sampledata/SampleDataSet.h"
#include "tools/sampledata/ToolUsage.h"

#include <cstdio>
#include <exception>

namespace {
const char kUsage[] = "usage: make_sample_data FOLDER\n"
                      "Writes the sample data set (property register, document files, reference data,\n"
                      "code databases) into FOLDER, which is made when missing and must not hold one yet.\n";
} // namespace

int main(int argc, char** argv)
{
    if (int status = CheckToolArguments(argc, argv, kUsage); status >= 0)
        return status;
    if (argc != 2)
        return ShowWrongCall(kUsage);
    try {
        sampledata::MakeSampleDataSet(argv[1]);
    } catch (CException* e) {
        std::fprintf(stderr, "%s: %s\n", argv[0], cp932::ToUtf8(e->Describe().Bytes()).c_str());
        e->Delete();
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", argv[0], e.what());
        return 1;
    }
    return 0;
}
