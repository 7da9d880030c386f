// make_sample_data FOLDER: writes the sample data set (SampleDataSet.h) into a folder that does
// not hold one yet, creating the folder when it is missing.
#include "platform/core/CException.h"
#include "platform/core/Cp932.h"
#include "tools/sampledata/SampleDataSet.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
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
