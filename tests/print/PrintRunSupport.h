// Stand-ins that record what the print library does: a device context that records the document
// and page events and the text lines, and a renderer that records each text and line at its page
// position. Each event is one readable line.
#pragma once

#include "platform/files/WinPath.h"
#include "platform/wnd/CDC.h"
#include "print/VhDrawImp.h"
#include "print/VhDrawLine.h"
#include "print/VhDrawString.h"
#include "tests/support/TempFolder.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace printtest {

inline std::string Format(const char* format, double a, double b)
{
    char text[200];
    snprintf(text, sizeof text, format, a, b);
    return text;
}

class RecordingDC : public CDC {
public:
    int StartDoc(LPDOCINFO info) override
    {
        events.push_back(std::string("StartDoc ") + info->lpszDocName);
        return refuseDocs ? SP_ERROR : 1;
    }
    int EndDoc() override
    {
        events.push_back("EndDoc");
        return 1;
    }
    int StartPage() override
    {
        events.push_back("StartPage");
        return 1;
    }
    int EndPage() override
    {
        events.push_back("EndPage");
        return 1;
    }
    LONG TabbedTextOut(int x, int y, LPCTSTR text, int count, int, int*, int) override
    {
        events.push_back(Format("Text (%g, %g) ", x, y) + std::string(text, count));
        return 0;
    }

    // The number of events equal to that one.
    int Count(const std::string& event) const
    {
        int count = 0;
        for (const std::string& e : events)
            count += e == event;
        return count;
    }

    bool refuseDocs = false;
    std::vector<std::string> events;
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

} // namespace printtest
