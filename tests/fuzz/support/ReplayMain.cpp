// The main of a fuzz target built without libFuzzer: feeds each file of the folders and files
// named on the command line to the target once, in name order, so that ctest replays a corpus
// under the sanitizers, in the test home (TestHome) rather than the user's.
#include "tests/support/TestHome.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

std::vector<std::filesystem::path> InputsOf(const std::filesystem::path& named)
{
    std::vector<std::filesystem::path> inputs;
    if (std::filesystem::is_directory(named)) {
        for (const auto& entry : std::filesystem::directory_iterator(named))
            if (entry.is_regular_file())
                inputs.push_back(entry.path());
        std::sort(inputs.begin(), inputs.end());
    } else {
        inputs.push_back(named);
    }
    return inputs;
}

} // namespace

int main(int argc, char** argv)
{
    testsupport::TestHome home;
    std::vector<std::filesystem::path> inputs; // found before a target's set-up may change the working folder
    for (int i = 1; i < argc; ++i)
        for (const std::filesystem::path& input : InputsOf(std::filesystem::absolute(argv[i])))
            inputs.push_back(input);
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    size_t count = 0;
    for (const std::filesystem::path& input : inputs) {
        std::ifstream file(input, std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "cannot read %s\n", input.c_str());
            return 1;
        }
        std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        std::printf("%s\n", input.filename().c_str());
        std::fflush(stdout);
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
        ++count;
    }
    std::printf("%zu inputs replayed\n", count);
    return count > 0 ? 0 : 1;
}
