#include "print/MPrintFilesetCell.h"

#include "platform/files/CStdioFile.h"
#include "platform/wnd/CDC.h"
#include "print/MFileCellAttrib.h"
#include "print/MFileCellPage.h"
#include "print/MFileCellWords.h"
#include "print/VhDrawImp.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(MPrintFilesetCell, MPrintFileset)

using namespace cellwords;

namespace {

// The printer's paper codes (DMPAPER_A4, DMPAPER_B4, DMPAPER_A3) and orientations
// (DMORIENT_PORTRAIT, DMORIENT_LANDSCAPE) for the layout's size and orientation words.
short PrinterPaper(int paperSize)
{
    switch (paperSize) {
    case MFileCellAttrib::B4:
        return 12;
    case MFileCellAttrib::A3:
        return 8;
    default:
        return 9;
    }
}

short PrinterOrientation(int orientation) { return orientation == 1 ? 2 : 1; }

double Number(const std::vector<CString>& arguments, size_t index)
{
    return index < arguments.size() ? std::atof(arguments[index]) : 0.0;
}

int Integer(const std::vector<CString>& arguments, size_t index)
{
    return index < arguments.size() ? std::atoi(arguments[index]) : 0;
}

int Word(const std::vector<CString>& arguments, size_t index) { return WordCode(arguments.at(index), UnknownWord); }

// The fewest arguments each keyword needs; keywords that give missing values a default need none.
size_t LeastArguments(int code)
{
    switch (code) {
    case Paper:
    case TextAlign:
    case TextPosition:
    case LineStyle:
    case Line:
        return 2;
    case RowNum:
    case RowPitch:
    case ColumnNum:
    case ColumnPitch:
    case TextSize:
    case FontFace:
    case FontStyle:
    case FontColor:
    case TextKey:
    case Text:
    case ImportImage:
        return 1;
    default:
        return 0;
    }
}

} // namespace

// What one print run of the layout works on: the state and the page, area and cell being made.
struct MPrintFilesetCell::Run {
    std::unique_ptr<MFileCellAttrib> state;
    std::unique_ptr<MFileCellPage> page;
    std::unique_ptr<MFileCellArea> area;
    std::unique_ptr<MFileCell> cell;
};

MPrintFilesetCell::MPrintFilesetCell(LPCTSTR layoutFile, LPCTSTR dataFile)
    : MPrintFileset(layoutFile), m_dataFile(dataFile ? dataFile : "")
{
}

MPrintFilesetCell::~MPrintFilesetCell() = default;

CFile* MPrintFilesetCell::Open()
{
    auto file = std::make_unique<CStdioFile>();
    if (!file->Open(m_fileName, CFile::modeRead | CFile::typeText))
        return nullptr;
    ReadData();
    return file.release();
}

void MPrintFilesetCell::ReadData()
{
    m_firstOfKey.clear();
    m_data.clear();
    CStdioFile file;
    if (!file.Open(m_dataFile, CFile::modeRead | CFile::typeText))
        return;
    CString line, key, value;
    int code;
    while (file.ReadString(line))
        if (MFileCellData::ReadLine(line, key, value, code)) {
            m_data.push_back(std::make_unique<MFileCellData>(key, value, code));
            m_firstOfKey.emplace(key.Bytes(), m_data.back().get());
        }
}

int MPrintFilesetCell::FindData(const CString& key, CString& value, int& code) const
{
    auto found = m_firstOfKey.find(key.Bytes());
    if (found == m_firstOfKey.end())
        return 0;
    value = found->second->m_value;
    code = found->second->m_code;
    return 1;
}

int MPrintFilesetCell::ReadLayoutLine(CString& keyword, std::vector<CString>& arguments)
{
    auto* file = static_cast<CStdioFile*>(m_file.get());
    CString line;
    for (;;) {
        arguments.clear();
        if (!file->ReadString(line))
            return EndOfFile;
        if (line.IsEmpty() || line[0] == '#')
            continue;
        int end = line.FindOneOf(" \t");
        keyword = end < 0 ? line : line.Left(end);
        keyword.TrimLeft();
        keyword.TrimRight();
        int code = KeywordCode(keyword);
        if (code == NoKeyword)
            continue;
        CString rest = end < 0 ? CString() : line.Mid(end + 1);
        for (int start = 0; !rest.IsEmpty();) {
            int comma = rest.Find(',', start);
            CString argument = comma < 0 ? rest.Mid(start) : rest.Mid(start, comma - start);
            argument.TrimLeft();
            argument.TrimRight();
            arguments.push_back(argument);
            if (comma < 0)
                break;
            start = comma + 1;
        }
        return code;
    }
}

bool MPrintFilesetCell::Interpret(Run& run, int code, const std::vector<CString>& arguments)
{
    if (arguments.size() < LeastArguments(code))
        return false;
    MFileCellAttrib& state = *run.state;
    switch (code) {
    case Paper:
        state.m_paperSize = Word(arguments, 0);
        state.m_orientation = Word(arguments, 1);
        return true;
    case Area:
        state.SetArea(Number(arguments, 0), Number(arguments, 1), Number(arguments, 2), Number(arguments, 3));
        return true;
    case Vcs:
        return state.SetVcs(Number(arguments, 0), Number(arguments, 1), Number(arguments, 2), Number(arguments, 3));
    case RowNum:
        return state.SetRowCount(Integer(arguments, 0));
    case RowPitch:
        return state.SetRowPitch(Number(arguments, 0));
    case ColumnNum:
        return state.SetColumnCount(Integer(arguments, 0));
    case ColumnPitch:
        return state.SetColumnPitch(Number(arguments, 0));
    case ActiveCell:
        if (arguments.size() == 2)
            state.SetActiveCell(Integer(arguments, 0), Integer(arguments, 1), Integer(arguments, 0),
                                Integer(arguments, 1));
        else if (arguments.size() >= 4)
            state.SetActiveCell(Integer(arguments, 0), Integer(arguments, 1), Integer(arguments, 2),
                                Integer(arguments, 3));
        else
            return false;
        return true;
    case TextAlign:
        state.m_alignVertical = Word(arguments, 0);
        state.m_alignHorizontal = Word(arguments, 1);
        return true;
    case TextPosition:
        state.m_positionVertical = Word(arguments, 0);
        state.m_positionHorizontal = Word(arguments, 1);
        return true;
    case TextSize:
        state.m_textHeight = Number(arguments, 0);
        state.m_charWidth = arguments.size() >= 2 ? Number(arguments, 1) : state.m_textHeight;
        return true;
    case TextOffset:
        state.m_offsetX = Number(arguments, 0);
        state.m_offsetY = Number(arguments, 1);
        return true;
    case FontFace:
        state.m_fontFace = arguments[0];
        return true;
    case FontStyle:
        state.m_fontStyle = Word(arguments, 0);
        return true;
    case FontColor:
        state.m_fontColor = Integer(arguments, 0);
        return true;
    case LineStyle:
        state.m_lineWidth = Word(arguments, 0);
        state.m_lineStyle = Word(arguments, 1);
        return true;
    default:
        return InterpretDrawing(run, code, arguments);
    }
}

bool MPrintFilesetCell::InterpretDrawing(Run& run, int code, const std::vector<CString>& arguments)
{
    MFileCellAttrib& state = *run.state;
    switch (code) {
    case TextKey: {
        CString value;
        int dataCode = 0;
        if (!FindData(QuotedText(arguments[0]), value, dataCode) || value.IsEmpty())
            return true;
        int style = dataCode != 0 ? dataCode : state.m_fontStyle;
        int color = state.m_fontColor > 256 ? dataCode : state.m_fontColor;
        run.cell->AddText(value, style, color);
        return true;
    }
    case Text: {
        CString text = QuotedText(arguments[0]);
        if (!text.IsEmpty())
            run.cell->AddText(text);
        return true;
    }
    case Line:
        run.cell->AddLine(Word(arguments, 0), Word(arguments, 1));
        return true;
    case ImportImage:
        run.cell->AddImage(arguments[0]);
        return true;
    default: // FORMFEED and the end of the file act on the page
        return true;
    }
}

void MPrintFilesetCell::NewCell(Run& run)
{
    run.cell = std::make_unique<MFileCell>(run.state.get());
    run.cell->Setup();
}

void MPrintFilesetCell::NewAreaAndCell(Run& run)
{
    run.area = std::make_unique<MFileCellArea>(run.state.get());
    run.area->Setup();
    NewCell(run);
}

void MPrintFilesetCell::BeginPageObjects(Run& run)
{
    run.page = std::make_unique<MFileCellPage>(run.state.get());
    NewAreaAndCell(run);
}

void MPrintFilesetCell::CloseCellAndArea(Run& run)
{
    if (run.cell && run.cell->HasContent())
        run.area->AddCell(run.cell.release());
    run.cell.reset();
    if (run.area && run.area->GetCellCount() > 0)
        run.page->AddArea(run.area.release());
    run.area.reset();
}

void MPrintFilesetCell::FlushPage(Run& run)
{
    CloseCellAndArea(run);
    run.page->SetPrintToDevice(m_printToDevice);
    if (run.page->HasContent()) {
        StartPage();
        run.page->Draw();
        EndPage();
    }
    run.page.reset();
}

void MPrintFilesetCell::ApplyPaper(const MFileCellAttrib& state)
{
    SetPaper(PrinterOrientation(state.m_orientation), PrinterPaper(state.m_paperSize));
}

int MPrintFilesetCell::Print() { return PrintPages(0); }

int MPrintFilesetCell::PrintPage(int page) { return PrintPages(page < 1 ? 1 : page); }

int MPrintFilesetCell::PrintPages(int onlyPage)
{
    if (!m_file || !m_pDC)
        return 0;
    m_file->SeekToBegin();
    VhDrawImp ownRenderer(m_pDC);
    Run run;
    run.state = std::make_unique<MFileCellAttrib>(m_pDC, m_renderer ? m_renderer : &ownRenderer);
    BeginPageObjects(run);
    // The layout's geometry assumes its paper: set it before the first page.
    ApplyPaper(*run.state);
    int pageNumber = 1;
    CString keyword;
    std::vector<CString> arguments;
    for (;;) {
        int code = ReadLayoutLine(keyword, arguments);
        if (onlyPage && pageNumber < onlyPage) {
            if (code == EndOfFile)
                break;
            if (code == FormFeed)
                ++pageNumber;
            continue;
        }
        if (!Interpret(run, code, arguments))
            continue;
        if (code == Paper || code == FormFeed) {
            FlushPage(run);
            if (onlyPage && code == FormFeed)
                break;
            BeginPageObjects(run);
            ApplyPaper(*run.state);
        } else if (code == Area || code == Vcs) {
            CloseCellAndArea(run);
            NewAreaAndCell(run);
        } else if (code == ActiveCell) {
            if (run.cell->HasContent())
                run.area->AddCell(run.cell.release());
            NewCell(run);
        } else if (code == EndOfFile) {
            FlushPage(run);
            break;
        }
    }
    return 1;
}

void MPrintFilesetCell::StartPage()
{
    m_pDC->StartPage();
    SetPageMapping(*m_pDC);
}

void MPrintFilesetCell::SetPageMapping(CDC& dc)
{
    dc.SetMapMode(MM_LOMETRIC);
    dc.SetMapMode(MM_ANISOTROPIC);
    CSize extent = dc.GetViewportExt();
    dc.SetViewportExt(extent.cx, -extent.cy);
    dc.SetViewportOrg(-dc.GetDeviceCaps(PHYSICALOFFSETX), -dc.GetDeviceCaps(PHYSICALOFFSETY));
}

void MPrintFilesetCell::EndPage() { m_pDC->EndPage(); }
