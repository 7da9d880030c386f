#include "platform/wnd/CRecordingDC.h"

#include "platform/wnd/GdiObjects.h"

#include <cstdio>
#include <sstream>

IMPLEMENT_DYNAMIC(CRecordingDC, CDC)

namespace {
const char* const callNames[] = {"MoveTo",  "LineTo",    "Polyline",  "Polygon",
                                 "Ellipse", "TextOut", "SetPixelV", "StretchBlt"};

// FNV-1a over the bytes of a StretchBlt's source pixels, row by row, as "#xxxxxxxx".
std::string Checksum(const DcOutput& output)
{
    uint32_t hash = 2166136261u;
    const RECT& source = output.source;
    for (int y = 0; y < source.bottom - source.top; ++y) {
        const uint32_t* row = output.SourceRow(y);
        for (int x = 0; x < source.right - source.left; ++x)
            for (int shift = 0; shift < 32; shift += 8)
                hash = (hash ^ ((row[x] >> shift) & 0xFF)) * 16777619u;
    }
    char text[12];
    std::snprintf(text, sizeof text, "#%08x", hash);
    return text;
}

std::string Colour(COLORREF color)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", GetRValue(color), GetGValue(color), GetBValue(color));
    return text;
}

std::string Points(const std::vector<POINT>& points, const char* separator)
{
    std::ostringstream out;
    for (size_t i = 0; i < points.size(); ++i)
        out << (i ? separator : "") << points[i].x << "," << points[i].y;
    return out.str();
}

std::string BrushText(const DcState& state)
{
    std::ostringstream out;
    if (state.brushStyle == BS_NULL)
        return "null";
    if (state.brushStyle == BS_SOLID)
        return "solid " + Colour(state.brushColor);
    out << "pattern";
    for (BYTE row : state.brushRows) {
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02x", row);
        out << hex;
    }
    return out.str();
}
} // namespace

std::string DcState::ToString() const
{
    std::ostringstream out;
    out << "pen " << penStyle << "/" << penWidth << "/" << Colour(penColor) << " brush " << BrushText(*this) << " rop "
        << rop2 << " bk " << bkMode << "/" << Colour(bkColor) << " text " << Colour(textColor) << " align " << textAlign
        << " map " << mapMode << " font " << font.lfHeight << "/" << font.lfWidth << "/" << font.lfEscapement << "/"
        << font.lfWeight << "/" << int(font.lfItalic) << int(font.lfUnderline) << int(font.lfStrikeOut) << "/"
        << int(font.lfCharSet) << "/" << int(font.lfPitchAndFamily) << "/" << font.lfFaceName;
    return out.str();
}

std::string DcRecord::Call() const
{
    if (call == "TextOut")
        return call + "(" + Points(logical, ",") + ",\"" + std::string(text, text.GetLength()) + "\"," +
               std::to_string(text.GetLength()) + ")";
    if (call == "StretchBlt" && logical.size() == 2)
        return call + "(" + std::to_string(logical[0].x) + "," + std::to_string(logical[0].y) + "," +
               std::to_string(logical[1].x - logical[0].x) + "," + std::to_string(logical[1].y - logical[0].y) + "," +
               std::string(text) + ")";
    if (call == "SetPixelV")
        return call + "(" + Points(logical, ",") + "," + Colour(color) + ")";
    if (call == "Polyline" || call == "Polygon")
        return call + "(" + Points(logical, " ") + ")";
    if (logical.empty())
        return call;
    return call + "(" + Points(logical, ",") + ")";
}

std::string DcRecord::ToString() const { return Call() + " device " + Points(device, " ") + " | " + state.ToString(); }

CRecordingDC::CRecordingDC(const DcDevice& device) { SetDevice(device); }

std::vector<std::string> CRecordingDC::GetCalls() const
{
    std::vector<std::string> calls;
    for (const DcRecord& record : m_records)
        calls.push_back(record.Call());
    return calls;
}

DcState CRecordingDC::GetState() const
{
    DcState state;
    HPEN pen = GetPenHandle();
    state.penStyle = pen->style;
    state.penWidth = pen->width;
    state.penColor = pen->color;
    HBRUSH brush = GetBrushHandle();
    state.brushStyle = brush->style;
    state.brushColor = brush->color;
    std::copy(std::begin(brush->rows), std::end(brush->rows), state.brushRows);
    state.font = GetFontHandle()->font;
    state.rop2 = GetROP2();
    state.bkMode = GetBkMode();
    state.bkColor = GetBkColor();
    state.textColor = GetTextColor();
    state.textAlign = GetTextAlign();
    state.mapMode = GetMapMode();
    return state;
}

void CRecordingDC::Output(const DcOutput& output)
{
    DcRecord record{callNames[output.call], output.logical, output.device, output.text, output.color, GetState()};
    if (output.call == DcOutput::StretchBlt) {
        const RECT& source = output.source;
        record.text.Format("%ld,%ld,%ld,%ld,%s", long(source.left), long(source.top), long(source.right - source.left),
                           long(source.bottom - source.top), Checksum(output).c_str());
    }
    m_records.push_back(record);
}

void CRecordingDC::AddEvent(const std::string& event)
{
    m_records.push_back(DcRecord{event, {}, {}, {}, 0, GetState()});
}

int CRecordingDC::OnStartDoc(const DOCINFO& info)
{
    if (m_failStartDoc) {
        m_failStartDoc = false;
        return SP_ERROR;
    }
    AddEvent(std::string("StartDoc ") + (info.lpszDocName ? info.lpszDocName : ""));
    return CDC::OnStartDoc(info);
}

int CRecordingDC::OnStartPage()
{
    AddEvent("StartPage");
    return 1;
}

int CRecordingDC::OnEndPage()
{
    AddEvent("EndPage");
    return 1;
}

int CRecordingDC::OnEndDoc()
{
    AddEvent("EndDoc");
    return 1;
}

void CRecordingDC::OnAbortDoc() { AddEvent("AbortDoc"); }

void CRecordingDC::OnResetDC()
{
    AddEvent("ResetDC " + std::to_string(GetPaperSize()) + " " + std::to_string(GetOrientation()));
}
