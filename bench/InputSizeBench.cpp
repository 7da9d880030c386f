// Times the readers of inputs up to a floppy's size at two sizes, about 1.4 MB and a quarter of
// that (the images of cell-images: the largest taken and a quarter of it), to show that the time
// grows with the input (about four times for four times the input):
//
// - cell: a CELL layout of N TEXT_KEY lines, one a cell and 56 cells a page, over a data file of
//   N entries (1.4 MB) that the keys ask for in reverse order; printed onto a recording device
//   context.
// - cell-colliding: the same layout over N keys of 16 bytes that share one hash code in the C++
//   library's string hash (std::hash<std::string> of libstdc++), so that a hash table of the keys
//   would hold them all in one bucket, whatever its size.
// - object-records: an accepted floppy of a structure confirmation (100006) with N "#190"
//   records, stored into a document of N number groups.
// - building-records: an accepted building confirmation floppy (100001) of 999 buildings with N
//   "#110" records (its lift count lets them be read), stored into a document of 999 groups.
// - building-objects: an accepted building confirmation floppy with N "#161" records, stored into
//   a document of N lift groups.
// - grids: a drawing archive of N grids, each turned 45 degrees at a pitch just sparser than the
//   density limit, so that one alone spreads its node marks over the whole page; loaded and drawn
//   onto a 600-dpi A4 printer's device context that keeps nothing, which times the renderer's own
//   work. The marks that one page may hold bound that work, whatever N is.
// - cell-images: a CELL layout of one page of four cells, each importing a 1-bit BMP of its own of
//   N pixels: at full size the most an image may have, a whole A3 page at 600 dpi (7,016 x 9,921,
//   8.7 MB), at quarter size 3,508 x 4,960; printed onto a recording device context, which must
//   hold the four images.
//
// Each case writes its input, then times the reading and the storing or printing alone, in a child
// process whose peak memory is printed beside the time. Every case runs at both sizes unless one is
// asked for, and the ratio of the times is printed. The inputs go into a folder of the program's
// own below the work folder (the temporary folder), removed afterwards.
//
//   input_size_bench [WORK FOLDER] [CASE] [SIZE]

#include "bench/BenchChild.h"
#include "bench/BenchFolder.h"
#include "fdimport/ZnUketukeFile.h"
#include "fdimport/ZnUketukeNumbers.h"
#include "model/ZnModelAppLocalData.h"
#include "platform/files/WinPath.h"
#include "platform/wnd/CRecordingDC.h"
#include "print/MPrintFilesetCell.h"
#include "print/VhDrawComposition.h"
#include "print/VhDrawGrid.h"
#include "print/VhDrawImp.h"
#include "print/VhMath.h"
#include "tools/usage/ToolCall.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

// A case writes its input of n items below a folder and gives the work to time, which tells
// whether it did all it should.
struct Case {
    const char* name;
    int fullItems; // the items of an input of about 1.4 MB
    std::function<std::function<bool()>(const std::string& folder, int items)> prepare;
};

CString Windows(const std::string& path) { return CString(LinuxPathToWin(path)); }

// Prints the CELL layout onto a 600-dpi A4 recording device context: the number of its
// StretchBlt calls, or -1 when the layout was not printed.
int PrintCell(const std::string& layout, const std::string& data)
{
    CRecordingDC dc(AfxPaperDevice(TRUE, 600, 210, 297));
    MPrintFilesetCell cell(Windows(layout), Windows(data));
    cell.SetPrintToDevice(1);
    bool printed = cell.Begin(&dc, 0) && cell.Print();
    cell.Finish();
    int images = 0;
    for (const std::string& call : dc.GetCalls())
        images += call.compare(0, 11, "StretchBlt(") == 0;
    return printed ? images : -1;
}

// A layout that asks for each key once, in reverse order, over a data file of the keys.
std::function<bool()> PrepareCell(const std::string& folder, const std::vector<std::string>& keys)
{
    std::string layout = folder + "/bench.lay", data = folder + "/bench.kpd";
    std::ofstream out(layout), values(data);
    out << "AREA 20,20,15,15\nVCS 0,0,90,59\nROW_NUM 59\nCOLUMN_NUM 90\n";
    for (size_t i = 0; i < keys.size(); ++i) {
        values << "\"" << keys[i] << "\"\t\"value of " << keys[i] << "\"\n";
        if (i && i % 56 == 0)
            out << "FORMFEED\n";
        out << "ACTIVE_CELL " << i % 56 + 2 << ",2\nTEXT_KEY \"" << keys[keys.size() - 1 - i] << "\"\n";
    }
    return [layout, data] { return PrintCell(layout, data) == 0; };
}

// A 1-bit bottom-up BMP of that size, black and white stripes, written a row at a time.
void WriteMonochromeBmp(const std::string& path, uint32_t width, uint32_t height)
{
    uint32_t stride = (width + 31) / 32 * 4, bitsStart = 14 + 40 + 8;
    auto le32 = [](uint32_t v) { return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; };
    std::ofstream out(path, std::ios::binary);
    out << "BM" << le32(bitsStart + stride * height) << le32(0) << le32(bitsStart);
    out << le32(40) << le32(width) << le32(height) << std::string{1, 0, 1, 0} << le32(0) << le32(stride * height)
        << le32(0) << le32(0) << le32(2) << le32(0);
    out << le32(0) << le32(0xFFFFFF);
    std::string row(stride, '\x0F');
    for (uint32_t y = 0; y < height; ++y)
        out << row;
}

// One page of four cells, each importing its own 1-bit image of that many pixels, shaped as an A3
// page at 600 dpi (7,016 x 9,921 at most).
std::function<bool()> PrepareImages(const std::string& folder, int pixels)
{
    uint32_t width = uint32_t(std::lround(7016 * std::sqrt(pixels / (7016.0 * 9921)))), height = pixels / width;
    std::string layout = folder + "/bench.lay", data = folder + "/bench.kpd";
    std::ofstream out(layout);
    out << "VCS 0,0,210,297\nROW_NUM 297\nCOLUMN_NUM 210\n";
    const char* const cells[] = {"10,10,145,100", "10,110,145,200", "150,10,285,100", "150,110,285,200"};
    for (int i = 0; i < 4; ++i) {
        std::string image = folder + "/image" + std::to_string(i) + ".bmp";
        WriteMonochromeBmp(image, width, height);
        out << "ACTIVE_CELL " << cells[i] << "\nIMPORT_IMAGE \"" << LinuxPathToWin(image) << "\"\n";
    }
    return [layout, data] { return PrintCell(layout, data) == 4; };
}

std::function<bool()> PrepareGrids(const std::string& folder, int items)
{
    CString path = Windows(folder + "/bench.drw");
    VhDrawComposition drawing;
    for (int i = 0; i < items; ++i) {
        auto* grid = new VhDrawGrid;
        grid->GetShape().SetPitch(VhPoint(5.01, 5.01));
        grid->GetShape().SetAngle(VhGetPi() / 4);
        drawing.Add(grid);
    }
    CFile out(path, CFile::modeCreate | CFile::modeWrite);
    CArchive store(&out, CArchive::store);
    drawing.Serialize(store);
    store.Close();
    out.Close();
    return [path] {
        CFile in(path, CFile::modeRead);
        CArchive load(&in, CArchive::load);
        VhDrawComposition loaded;
        loaded.Serialize(load);
        CDC dc;
        dc.SetDevice(AfxPaperDevice(TRUE, 600, 210, 297));
        VhDrawImp imp(&dc);
        return loaded.Draw(&imp, nullptr) == 1;
    };
}

std::vector<std::string> NumberedKeys(int count)
{
    std::vector<std::string> keys;
    for (int i = 0; i < count; ++i)
        keys.push_back("key" + std::to_string(i));
    return keys;
}

// libstdc++'s string hash on 64 bits starts from kSeed ^ (length * kMultiplier) and mixes each
// 8-byte block of the text into its state by a step that can be undone: state = (state ^
// Mixed(block)) * kMultiplier. For keys of two blocks, any first block can be followed by the one
// second block that brings the state to a chosen value.
const uint64_t kMultiplier = 0xc6a4a7935bd1e995ULL;
const uint64_t kSeed = 0xc70f6907ULL;

uint64_t ShiftMix(uint64_t value) { return value ^ (value >> 47); } // its own inverse

uint64_t Mixed(uint64_t block) { return ShiftMix(block * kMultiplier) * kMultiplier; }

uint64_t Unmixed(uint64_t mixed, uint64_t inverse) { return ShiftMix(mixed * inverse) * inverse; }

// The multiplicative inverse of an odd number modulo 2^64 (Newton's iteration).
uint64_t Inverse(uint64_t odd)
{
    uint64_t inverse = odd;
    for (int i = 0; i < 6; ++i)
        inverse *= 2 - odd * inverse;
    return inverse;
}

// A byte that a key of a data file and of a TEXT_KEY line may hold as it is.
bool PlainKeyByte(unsigned char byte) { return byte > ' ' && byte < 0x7F && byte != '"' && byte != ','; }

// count different keys of 16 plain bytes whose std::hash<std::string> is one value: the first
// block counts through letters and digits, the second is solved for and kept when it is plain.
std::vector<std::string> CollidingKeys(int count)
{
    static const char kDigits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    const uint64_t inverse = Inverse(kMultiplier);
    const uint64_t afterLength = kSeed ^ (16 * kMultiplier);
    // The state before the last multiplication that every key reaches: that of "0000000000000000".
    uint64_t zeros;
    std::memcpy(&zeros, "00000000", 8);
    const uint64_t target = ((afterLength ^ Mixed(zeros)) * kMultiplier) ^ Mixed(zeros);
    std::vector<std::string> keys;
    char key[16];
    for (uint64_t n = 0; keys.size() < size_t(count); ++n) {
        for (uint64_t i = 0, rest = n; i < 8; ++i, rest /= 62)
            key[i] = kDigits[rest % 62];
        uint64_t first;
        std::memcpy(&first, key, 8);
        uint64_t second = Unmixed(((afterLength ^ Mixed(first)) * kMultiplier) ^ target, inverse);
        std::memcpy(key + 8, &second, 8);
        bool plain = true;
        for (int i = 8; i < 16 && plain; ++i)
            plain = PlainKeyByte(static_cast<unsigned char>(key[i]));
        if (plain)
            keys.emplace_back(key, 16);
    }
    std::hash<std::string> hash;
    for (const std::string& other : keys)
        if (hash(other) != hash(keys.front())) {
            std::fprintf(stderr, "this C++ library's string hash is not the one the keys were made for\n");
            break;
        }
    return keys;
}

void FillGroups(ZnModelNumGroupList& list, int count)
{
    ZnModelNumGroup group;
    for (int i = 0; i < count; ++i)
        list.AddCopy(group);
}

// An accepted floppy below folder: the header of code and counts, then records of tag.
std::function<bool()> PrepareFloppy(const std::string& folder, int code, const std::string& counts, const char* tag,
                                    int records, int docKind, ZnModelNumGroupList ZnModelAppLocalData::*list,
                                    int groups)
{
    std::filesystem::create_directories(folder + "/Uketuke");
    std::ofstream out(folder + "/Uketuke/uke001.000", std::ios::binary);
    out << "#000,\"property\",\"\",\"\",\"\",\"\",\"" << code << "\"," << counts << "\r\n";
    char line[64];
    for (int i = 0; i < records; ++i) {
        std::snprintf(line, sizeof line, "%s,\"\",\"\",\"170401\",\"R%07d\"\r\n", tag, i);
        out << line;
    }
    out.close();
    std::string root = folder;
    return [root, docKind, list, groups] {
        ZnModelAppLocalData local;
        FillGroups(local.*list, groups);
        ZnUketukeFile file;
        ZnUketukeNumbers numbers;
        return file.Read(Windows(root)) && numbers.Store(file, docKind, false, local) == ZnUketukeNumbers::stored;
    };
}

std::string Count(int value) { return "\"" + std::to_string(value) + "\""; }

std::string Counts(int main, int lifts) { return Count(main) + "," + Count(lifts) + ",\"0\",\"0\",\"0\""; }

const Case kCases[] = {
    {"cell", 45000, [](const std::string& folder, int n) { return PrepareCell(folder, NumberedKeys(n)); }},
    {"cell-colliding", 45000, [](const std::string& folder, int n) { return PrepareCell(folder, CollidingKeys(n)); }},
    {"object-records", 44000,
     [](const std::string& folder, int n) {
         return PrepareFloppy(folder, 100006, Counts(n, 0), "#190", n, 100006,
                              &ZnModelAppLocalData::m_buildingNumGroups, n);
     }},
    {"building-records", 44000,
     [](const std::string& folder, int n) {
         return PrepareFloppy(folder, 100001, Counts(999, n), "#110", n, 100001,
                              &ZnModelAppLocalData::m_buildingNumGroups, 999);
     }},
    {"building-objects", 44000,
     [](const std::string& folder, int n) {
         return PrepareFloppy(folder, 100001, Counts(0, n), "#161", n, 100001, &ZnModelAppLocalData::m_liftNumGroups,
                              n);
     }},
    {"grids", 4300, PrepareGrids},
    {"cell-images", 7016 * 9921, PrepareImages},
};

// Writes the case's input of that many items into a folder below the work folder, runs the work
// in a child and deletes the input: the child's run and the input's bytes.
std::pair<ChildRun, uintmax_t> Run(const Case& c, int items, const std::string& folder)
{
    std::string own = folder + "/" + c.name + "-" + std::to_string(items);
    std::filesystem::create_directories(own);
    std::function<bool()> work = c.prepare(own, items);
    uintmax_t bytes = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(own))
        if (entry.is_regular_file())
            bytes += entry.file_size();
    ChildRun run = RunInChild(work);
    if (!run.succeeded)
        std::fprintf(stderr, "%s of %d items did not do all it should\n", c.name, items);
    std::filesystem::remove_all(own);
    return {run, bytes};
}

// The usage, naming every case of the table.
std::string Usage()
{
    std::string usage =
        "usage: input_size_bench [WORK FOLDER] [CASE] [SIZE]\n"
        "Times the readers of inputs of about 1.4 MB and of a quarter of that, and their peak memory, in\n"
        "a folder of its own below WORK FOLDER (the temporary folder), removed at the end.\n"
        "  CASE: ";
    for (const Case& c : kCases)
        usage += std::string(c.name) + ", ";
    return usage + "or all (all)\n  SIZE: full, quarter or both (both)\n";
}

int Bench(const ToolCall& call)
{
    std::vector<std::string> names{"all"};
    for (const Case& c : kCases)
        names.push_back(c.name);
    std::string only = call.Word(1, names, "all");
    std::string size = call.Word(2, {"full", "quarter", "both"}, "both");
    BenchFolder work(call.Text(0, ""), "input_size_bench");
    for (const Case& c : kCases) {
        if (only != "all" && only != c.name)
            continue;
        double quarter = 0, full = 0;
        for (int items : {c.fullItems / 4, c.fullItems}) {
            bool isFull = items == c.fullItems;
            if (size != "both" && isFull != (size == "full"))
                continue;
            auto [run, bytes] = Run(c, items, work.Path().string());
            (isFull ? full : quarter) = run.seconds;
            std::printf("%-18s %8d items %9ju bytes %9.3f s %8.1f MB\n", c.name, items, bytes, run.seconds,
                        run.peakKilobytes / 1024.0);
            std::fflush(stdout);
        }
        if (size == "both")
            std::printf("%-18s full / quarter: %.1f\n", c.name, quarter > 0 ? full / quarter : 0.0);
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    const std::string usage = Usage();
    return ToolCall::Run(argc, argv, usage.c_str(), 3, Bench);
}
