// make_sample_data FOLDER: writes the sample data set (SampleDataSet.h) into a folder that does
// not hold one yet, creating the folder when it is missing.
#include "tools/sampledata/SampleDataSet.h"
#include "tools/usage/ToolCall.h"

namespace {
const char kUsage[] = "usage: make_sample_data FOLDER\n"
                      "Writes the sample data set (property register, document files, reference data,\n"
                      "code databases) into FOLDER, which is made when missing and must not hold one yet.\n";
} // namespace

int main(int argc, char** argv)
{
    return ToolCall::Run(argc, argv, kUsage, 1, [](const ToolCall& call) {
        sampledata::MakeSampleDataSet(call.Text(0, nullptr));
        return 0;
    });
}
