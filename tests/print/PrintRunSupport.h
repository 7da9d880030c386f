// Stand-ins that record what the print library does: a device context that records the document
// and page events and the text lines, and a renderer that records each text and line at its page
// position. Each event is one readable line.
#pragma once

#include "platform/core/Cp932.h"
#include "platform/files/WinPath.h"
#include "platform/wnd/CRecordingDC.h"
#include "print/VhDrawImp.h"
#include "print/VhDrawLine.h"
#include "print/VhDrawString.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestSupport.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace printtest {

inline std::string Format(const char* format, double a, double b)
{
    char text[200];
    snprintf(text, sizeof text, format, a, b);
    return text;
}

// A 600-dpi A4 printer with physical offsets (100, 120) that keeps, besides its records, each
// call and event as one line in events ("StartDoc name", "StartPage", "TextOut(0,0,"a",1)"...).
class RecordingDC : public CRecordingDC {
public:
    RecordingDC() : CRecordingDC(AfxPaperDevice(TRUE, 600, 210, 297, POINT{100, 120})) {}

    // The number of events equal to that one.
    int Count(const std::string& event) const
    {
        int count = 0;
        for (const std::string& e : events)
            count += e == event;
        return count;
    }

    std::vector<std::string> events;

protected:
    void Output(const DcOutput& output) override
    {
        CRecordingDC::Output(output);
        Keep();
    }
    int OnStartDoc(const DOCINFO& info) override { return Kept(CRecordingDC::OnStartDoc(info)); }
    int OnStartPage() override { return Kept(CRecordingDC::OnStartPage()); }
    int OnEndPage() override { return Kept(CRecordingDC::OnEndPage()); }
    int OnEndDoc() override { return Kept(CRecordingDC::OnEndDoc()); }
    void OnResetDC() override
    {
        CRecordingDC::OnResetDC();
        Keep();
    }

private:
    void Keep() { events.push_back(GetRecords().back().Call()); }
    int Kept(int result)
    {
        if (result > 0)
            Keep();
        return result;
    }
};

// Records each text as "Text (x, y) h=.. w=.. align=.. style=.. color=.. text" and each line as
// "Line (x1, y1)-(x2, y2) type=.. width=..", in page units rounded to 0.01.
class RecordingImp : public VhDrawImp {
public:
    // Records into events (those of a device context, so that both are in one order).
    explicit RecordingImp(std::vector<std::string>& events) : events(events) {}

    int DrawString(const VhDrawString* draw, const VhTrans* trans) override
    {
        const VhFigureString& figure = draw->GetShape();
        VhPoint position = figure.GetPosition();
        VhTrans combined = trans ? *trans : VhTrans();
        combined.Apply(position);
        double height = std::round(figure.GetHeight() * std::fabs(combined.GetAt(1, 1)) * 100) / 100;
        double width = std::round(figure.GetWidth() * std::fabs(combined.GetAt(0, 0)) * 100) / 100;
        char text[400];
        snprintf(text, sizeof text, "Text %s h=%g w=%g align=%d style=%d color=%d %s", Point(position).c_str(),
                 height, width, figure.GetAlignment(), draw->m_fontStyle, draw->GetColor(),
                 (LPCTSTR)figure.GetText());
        events.push_back(text);
        return 1;
    }
    int DrawLine(const VhDrawLine* draw, const VhTrans* trans) override
    {
        VhPoint end1 = draw->GetShape().GetEnd1(), end2 = draw->GetShape().GetEnd2();
        if (trans) {
            trans->Apply(end1);
            trans->Apply(end2);
        }
        char text[200];
        snprintf(text, sizeof text, "Line %s-%s type=%d width=%d", Point(end1).c_str(), Point(end2).c_str(),
                 draw->GetLineType(), draw->GetLineWidth());
        events.push_back(text);
        return 1;
    }

    static std::string Point(const VhPoint& point)
    {
        return Format("(%g, %g)", std::round(point.x * 100) / 100 + 0.0, std::round(point.y * 100) / 100 + 0.0);
    }

    std::vector<std::string>& events;
};

// The Windows path (drive C: is the root folder) of an ASCII Linux path.
inline CString WinPath(const std::string& linuxPath)
{
    CString path = ("C:" + linuxPath).c_str();
    path.Replace('/', '\\');
    return path;
}

// Writes bytes to a file of the folder and gives its path.
inline std::string WriteFile(const testsupport::TempFolder& folder, const std::string& name, const std::string& bytes)
{
    std::string path = folder.Path(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

inline std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

using testsupport::Utf8;

// The number of page objects ("/Type /Page", not "/Pages") of a PDF.
inline int PdfPageCount(const std::string& pdf)
{
    int count = 0;
    for (size_t at = pdf.find("/Type /Page"); at != std::string::npos; at = pdf.find("/Type /Page", at + 1))
        count += pdf.compare(at, 12, "/Type /Pages") != 0;
    return count;
}

// A 24-bit bottom-up BMP of that size: the pixels (0xRRGGBB, top row first) where given, the rest black.
inline std::string Bmp24(int width, int height, const std::vector<uint32_t>& pixels = {})
{
    int stride = (width * 3 + 3) / 4 * 4;
    uint32_t size = 54 + stride * height;
    auto le32 = [](uint32_t v) { return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; };
    std::string bytes = "BM" + le32(size) + le32(0) + le32(54);
    bytes += le32(40) + le32(width) + le32(height) + std::string{1, 0, 24, 0} + le32(0) + le32(stride * height);
    bytes += le32(0) + le32(0) + le32(0) + le32(0);
    std::string bits(stride * height, '\0');
    for (size_t i = 0; i < pixels.size() && i < size_t(width) * height; ++i) {
        size_t at = size_t(height - 1 - int(i) / width) * stride + i % width * 3;
        bits[at] = char(pixels[i]);
        bits[at + 1] = char(pixels[i] >> 8);
        bits[at + 2] = char(pixels[i] >> 16);
    }
    return bytes + bits;
}

} // namespace printtest
