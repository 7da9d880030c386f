// Reads and writes two large settings hives, then deletes them:
//   deep    a key 3,000 levels deep (a 6 KB path), as a hive that names every key above it in a
//           line of its own holds it: 3,000 key lines, about 9 MB;
//   limits  a key 512 levels deep, each name 255 characters, each level with 8 values in a line
//           of its own, and 10,000 values in the deepest key: about 35 MB.
// Each figure is the best of the runs: reading the file (RegHiveFile::Load) and writing the hive's
// text (RegHive::Format).
#include "bench/BenchFolder.h"
#include "platform/registry/RegHiveFile.h"
#include "tools/usage/ToolCall.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

const char kRoot[] = "HKEY_CURRENT_USER";

template <typename Body> double Seconds(Body body)
{
    auto start = std::chrono::steady_clock::now();
    body();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Every key of a chain below the root, each in a line of its own with its full path, and the
// values that valuesAt gives each level.
template <typename Values> std::string ChainHive(int depth, const std::string& name, Values valuesAt)
{
    std::string text = "REGEDIT4\n\n";
    std::string path = kRoot;
    for (int level = 1; level <= depth; ++level) {
        path += "\\" + name;
        text += "[" + path + "]\n" + valuesAt(level) + "\n";
    }
    return text;
}

std::string DeepHive()
{
    return ChainHive(3000, "k", [](int level) { return level == 3000 ? std::string("\"v\"=\"x\"\n") : std::string(); });
}

std::string LimitsHive()
{
    return ChainHive(512, std::string(255, 'n'), [](int level) {
        std::string values;
        for (int i = 0; i < (level == 512 ? 10000 : 8); ++i)
            values += "\"Value" + std::to_string(i) + "\"=\"C:\\\\Folder\\\\" + std::to_string(level) + "\"\n";
        return values;
    });
}

const char kUsage[] = "usage: hive_bench deep|limits [WORK FOLDER] [RUNS]\n"
                      "Reads and writes a settings hive of 3,000 levels (deep) or at the hives' limits (limits),\n"
                      "best of RUNS (3), in a folder of its own below WORK FOLDER (the temporary folder),\n"
                      "removed at the end.\n";

int Bench(const ToolCall& call)
{
    std::string shape = call.Word(0, {"deep", "limits"}, nullptr);
    int runs = call.Number(2, 3);
    BenchFolder work(call.Text(1, ""), "hivebench");
    setenv("ZN_REGISTRY_DIR", work.Path().c_str(), 1);
    std::string text = shape == "deep" ? DeepHive() : LimitsHive();
    std::ofstream(work.Path() / "user.reg", std::ios::binary) << text;

    RegHiveFile file("user.reg");
    double read = 1e9, write = 1e9;
    size_t written = 0;
    int damaged = 0;
    for (int run = 0; run < runs; ++run) {
        RegHive hive;
        read = std::min(read, Seconds([&] { file.Load(hive); }));
        write = std::min(write, Seconds([&] { written = hive.Format().size(); }));
        damaged = hive.DamagedLines();
    }
    std::printf("%s: %.1f MB read in %.3f s; written again: %.1f MB in %.3f s; %d lines kept unread; best of %d\n",
                shape.c_str(), text.size() / 1e6, read, written / 1e6, write, damaged, runs);
    return 0;
}

} // namespace

int main(int argc, char** argv) { return ToolCall::Run(argc, argv, kUsage, 3, Bench); }
