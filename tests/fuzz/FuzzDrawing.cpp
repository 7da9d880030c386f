// A drawing archive loaded, drawn on two pages of a recording printer and measured.
//
// The input is the archive of one drawing: a composition of drawables, loaded through CArchive as
// the drawing tests load it; CArchiveException refuses it (any other exception is a finding). What
// loads is drawn through one renderer on two pages of an A4 printer at 72 dpi, a page small enough
// for the sanitizer build to replay grids of a whole page's budget quickly, and its extent taken.
// Both pages must hold the same calls, and as many at most as the page's grid budget allows (five
// calls a mark) and the input's bytes could ask for besides, however many grids the drawing holds.
#include "platform/files/CArchive.h"
#include "platform/wnd/CRecordingDC.h"
#include "print/VhDrawComposition.h"
#include "print/VhDrawImp.h"
#include "tests/fuzz/support/FuzzCheck.h"

#include <string>
#include <vector>

namespace {

// Loads the drawing; false when the archive refused it.
bool Load(const uint8_t* data, size_t size, VhDrawComposition& drawing)
{
    CMemFile file(data, static_cast<UINT>(size));
    try {
        CArchive archive(&file, CArchive::load | CArchive::bNoFlushOnDelete);
        archive.m_strFileName = "fuzz.drw";
        drawing.Serialize(archive);
        archive.Close();
        return true;
    } catch (CArchiveException* e) {
        e->Delete();
        return false;
    }
}

// The calls of the page that begins after record first, up to its EndPage.
std::vector<std::string> PageCalls(const CRecordingDC& dc, size_t first)
{
    const std::vector<DcRecord>& records = dc.GetRecords();
    fuzzcheck::Require(first < records.size() && records[first].call == "StartPage", "the page starts");
    std::vector<std::string> calls;
    for (size_t i = first + 1; i < records.size() && records[i].call != "EndPage"; ++i)
        calls.push_back(records[i].Call());
    return calls;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    VhDrawComposition drawing;
    if (!Load(data, size, drawing))
        return 0;

    CRecordingDC dc(AfxPaperDevice(TRUE, 72, 210, 297));
    RECT clip;
    dc.GetClipBox(&clip);
    VhDrawImp imp(&dc);
    dc.StartDoc("drawing");
    size_t pageStarts[2];
    for (size_t& start : pageStarts) {
        start = dc.GetRecords().size();
        dc.StartPage();
        drawing.Draw(&imp, nullptr);
        dc.EndPage();
    }
    dc.EndDoc();
    std::vector<std::string> first = PageCalls(dc, pageStarts[0]);
    fuzzcheck::Require(first == PageCalls(dc, pageStarts[1]), "both pages hold the same calls");
    fuzzcheck::Require(first.size() <= 5 * VhDrawImp::GridBudget(clip) + size,
                       "a page's calls stay within its grid budget and what the input's bytes ask for");

    VhFigureRect extent;
    drawing.GetExtent(nullptr, &extent);
    return 0;
}
