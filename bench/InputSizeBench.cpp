// Times the readers of inputs up to a floppy's size at two sizes, about 1.4 MB and a quarter of
// that, to show that the time grows with the input (about four times for four times the input):
//
// - cell: a CELL layout of N TEXT_KEY lines, one a cell and 56 cells a page, over a data file of
//   N entries (1.4 MB) that the keys ask for in reverse order; printed onto a recording device
//   context.
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
//
// Each case writes its input, then times the reading and the storing or printing alone. Without
// --case every case runs at both sizes and the ratio of the times is printed. The inputs go into
// a folder of the program's own, made below --folder or else the temporary folder (TMPDIR, else
// /tmp), and removed afterwards.
//
//   input_size_bench [--case NAME] [--size full|quarter] [--folder FOLDER]

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

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

namespace {

const char kUsage[] = "usage: input_size_bench [--case NAME] [--size full|quarter] [--folder FOLDER]\n"
                      "  NAME: cell, object-records, building-records or building-objects (default: all)\n"
                      "  --size: the input of about 1.4 MB or a quarter of it (default: both)\n"
                      "  --folder: where the inputs are written (default: a temporary folder)\n";

// A case writes its input of n items below a folder and gives the work to time.
struct Case {
    const char* name;
    int fullItems; // the items of an input of about 1.4 MB
    std::function<std::function<void()>(const std::string& folder, int items)> prepare;
};

CString Windows(const std::string& path) { return CString(LinuxPathToWin(path)); }

std::function<void()> PrepareCell(const std::string& folder, int items)
{
    std::string layout = folder + "/bench.lay", data = folder + "/bench.kpd";
    std::ofstream out(layout), values(data);
    out << "AREA 20,20,15,15\nVCS 0,0,90,59\nROW_NUM 59\nCOLUMN_NUM 90\n";
    for (int i = 0; i < items; ++i) {
        values << "\"key" << i << "\"\t\"value of key" << i << "\"\n";
        if (i && i % 56 == 0)
            out << "FORMFEED\n";
        out << "ACTIVE_CELL " << i % 56 + 2 << ",2\nTEXT_KEY \"key" << items - 1 - i << "\"\n";
    }
    return [layout, data] {
        CRecordingDC dc(AfxPaperDevice(TRUE, 600, 210, 297));
        MPrintFilesetCell cell(Windows(layout), Windows(data));
        cell.SetPrintToDevice(1);
        if (!(cell.Begin(&dc, 0) && cell.Print()))
            std::fprintf(stderr, "the layout was not printed\n");
        cell.Finish();
    };
}

std::function<void()> PrepareGrids(const std::string& folder, int items)
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
        loaded.Draw(&imp, nullptr);
    };
}

void FillGroups(ZnModelNumGroupList& list, int count)
{
    ZnModelNumGroup group;
    for (int i = 0; i < count; ++i)
        list.AddCopy(group);
}

// An accepted floppy below folder: the header of code and counts, then records of tag.
std::function<void()> PrepareFloppy(const std::string& folder, int code, const std::string& counts, const char* tag,
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
        if (!file.Read(Windows(root))) {
            std::fprintf(stderr, "the floppy was not read\n");
            return;
        }
        ZnUketukeNumbers numbers;
        if (numbers.Store(file, docKind, false, local) != ZnUketukeNumbers::stored)
            std::fprintf(stderr, "the numbers were not stored\n");
    };
}

std::string Count(int value) { return "\"" + std::to_string(value) + "\""; }

std::string Counts(int main, int lifts) { return Count(main) + "," + Count(lifts) + ",\"0\",\"0\",\"0\""; }

const Case kCases[] = {
    {"cell", 45000, PrepareCell},
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
};

// Writes the case's input of that many items into a folder below the work folder, times the
// work and deletes the input: the seconds and the input's bytes.
std::pair<double, uintmax_t> Run(const Case& c, int items, const std::string& folder)
{
    std::string own = folder + "/" + c.name + "-" + std::to_string(items);
    std::filesystem::create_directories(own);
    std::function<void()> work = c.prepare(own, items);
    uintmax_t bytes = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(own))
        if (entry.is_regular_file())
            bytes += entry.file_size();
    auto start = std::chrono::steady_clock::now();
    work();
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::filesystem::remove_all(own);
    return {seconds, bytes};
}

int Fail(const std::string& message)
{
    std::fprintf(stderr, "input_size_bench: %s\n%s", message.c_str(), kUsage);
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    std::string only, size, folder;
    for (int i = 1; i < argc; ++i) {
        std::string option = argv[i];
        if (option == "--help" || option == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        std::string* value = option == "--case"     ? &only
                             : option == "--size"   ? &size
                             : option == "--folder" ? &folder
                                                    : nullptr;
        if (!value)
            return Fail("unknown argument " + option);
        if (++i == argc)
            return Fail(option + " needs a value");
        *value = argv[i];
    }
    if (!size.empty() && size != "full" && size != "quarter")
        return Fail("unknown size " + size);
    bool known = only.empty();
    for (const Case& c : kCases)
        known = known || only == c.name;
    if (!known)
        return Fail("unknown case " + only);

    // A folder of the program's own, below the one given or the temporary folder.
    std::string base = folder;
    if (base.empty()) {
        const char* temporary = std::getenv("TMPDIR");
        base = temporary && *temporary ? temporary : "/tmp";
    }
    std::error_code error;
    if (!std::filesystem::is_directory(base, error))
        return Fail("no folder " + base);
    std::string work = std::filesystem::absolute(base).string() + "/input-size-bench-XXXXXX";
    if (!mkdtemp(&work[0]))
        return Fail("no folder can be made in " + base);
    int status = 0;
    try {
        for (const Case& c : kCases) {
            if (!only.empty() && only != c.name)
                continue;
            double quarter = 0, full = 0;
            for (int items : {c.fullItems / 4, c.fullItems}) {
                bool isFull = items == c.fullItems;
                if (!size.empty() && isFull != (size == "full"))
                    continue;
                auto [seconds, bytes] = Run(c, items, work);
                (isFull ? full : quarter) = seconds;
                std::printf("%-18s %6d items %9ju bytes %9.3f s\n", c.name, items, bytes, seconds);
            }
            if (size.empty())
                std::printf("%-18s full / quarter: %.1f\n", c.name, quarter > 0 ? full / quarter : 0.0);
        }
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "input_size_bench: %s\n", failure.what());
        status = 1;
    }
    std::filesystem::remove_all(work, error);
    return status;
}
