#include "print/MPrintFilesetText.h"

#include "platform/files/CStdioFile.h"
#include "platform/files/WinPath.h"
#include "platform/core/Cp932.h"
#include "platform/wnd/CDC.h"
#include "platform/wnd/CFont.h"
#include "print/MPrintFilesetFortranText.h"
#include "print/VhMath.h"

#include <algorithm>
#include <cstdlib>

IMPLEMENT_DYNAMIC(MPrintFilesetText, MPrintFileset)

MPrintFilesetText::MPrintFilesetText(LPCTSTR fileName, LPCTSTR options)
    : MPrintFilesetText(fileName, options, RememberedTextOptions())
{
}

MPrintFilesetText::MPrintFilesetText(LPCTSTR fileName, LPCTSTR options, CString& remembered)
    : MPrintFileset(fileName)
{
    if (options && *options)
        remembered = options;
    ReadOptions(remembered);
    BuildLogFont();
}

MPrintFilesetText::~MPrintFilesetText() = default;

void MPrintFilesetText::BuildLogFont()
{
    m_logFont = LOGFONT{};
    // The size in twips, truncated; held at the 32-bit limit, however large the option.
    m_logFont.lfHeight = VhTruncToLong(-m_fontSize * 20);
    m_logFont.lfWeight = m_weight;
    m_logFont.lfItalic = static_cast<BYTE>(m_italic);
    m_logFont.lfUnderline = static_cast<BYTE>(m_underline);
    m_logFont.lfStrikeOut = static_cast<BYTE>(m_strikeOut);
    m_logFont.lfCharSet = DEFAULT_CHARSET;
    m_logFont.lfPitchAndFamily = FIXED_PITCH;
    // The face at most LF_FACESIZE - 1 bytes, never cut inside a double-byte character.
    const std::string& face = m_fontFace.Bytes();
    size_t length = 0;
    while (length < face.size()) {
        size_t next = length + cp932::CharLength(face.data(), length, face.size());
        if (next > LF_FACESIZE - 1)
            break;
        length = next;
    }
    face.copy(m_logFont.lfFaceName, length);
}

CString& MPrintFilesetText::RememberedTextOptions()
{
    static CString options;
    return options;
}

void MPrintFilesetText::ForgetRememberedOptions()
{
    RememberedTextOptions().Empty();
    MPrintFilesetFortranText::RememberedFortranOptions().Empty();
}

void MPrintFilesetText::ReadOptions(const CString& options)
{
    // Split only at single-byte separators: '_' is the trail byte of many double-byte characters.
    std::vector<std::string> tokens = SplitCp932(options.Bytes(), "_%");
    for (size_t i = 0; i + 1 < tokens.size(); ++i) {
        const std::string& name = tokens[i];
        const char* value = tokens[i + 1].c_str();
        if (name == "l") {
            int lines = std::atoi(value);
            if (lines >= 1) // a page of no lines would never end
                m_linesPerPage = lines;
        } else if (name == "f")
            m_fontFace = value;
        else if (name == "s")
            m_fontSize = std::atof(value);
        else if (name == "x")
            m_leftMargin = std::atof(value);
        else if (name == "y")
            m_topMargin = std::atof(value);
        else
            continue;
        ++i;
    }
}

CFile* MPrintFilesetText::Open()
{
    auto file = std::make_unique<CStdioFile>();
    if (!file->Open(m_fileName, CFile::modeRead | CFile::typeText))
        return nullptr;
    return file.release();
}

int MPrintFilesetText::Print()
{
    auto* file = dynamic_cast<CStdioFile*>(m_file.get());
    if (!file)
        return 0;
    StartTextPage();
    CString line;
    while (file->ReadString(line))
        PrintLine(line);
    EndTextPage();
    return 1;
}

void MPrintFilesetText::StartTextPage()
{
    if (m_status)
        PageLabel(m_currentPage, 0);
    m_y = 0;
    m_linesOnPage = 0;
    if (!m_pageOpen) {
        m_pDC->StartPage();
        m_pageOpen = 1;
        BeginPage();
    }
    ++m_currentPage;
}

void MPrintFilesetText::EndTextPage()
{
    if (m_pageOpen)
        m_pDC->EndPage();
    m_pageOpen = 0;
    OnEndPage();
}

void MPrintFilesetText::PrintLine(CString line)
{
    if (NeedsNewPage(line)) {
        EndTextPage();
        StartTextPage();
    }
    PrepareLine(line);
    m_pDC->TabbedTextOut(0, m_y, line, line.GetLength(), 0, nullptr, 0);
    ++m_linesOnPage;
    m_y -= m_lineHeight;
}

int MPrintFilesetText::NeedsNewPage(const CString& line)
{
    bool pageFull = m_linesOnPage > 0 && m_linesOnPage % m_linesPerPage == 0;
    return pageFull || (!line.IsEmpty() && line[0] == '\f');
}

void MPrintFilesetText::PrepareLine(CString& line)
{
    if (!line.IsEmpty() && line[0] == '\f')
        line = line.Mid(1);
    line.TrimRight();
}

void MPrintFilesetText::BeginPage()
{
    bool first = !m_font;
    if (first) {
        m_font = std::make_unique<CFont>();
        m_font->CreateFontIndirect(&GetLogFont());
    }
    m_pDC->SetMapMode(MM_TWIPS);
    CFont* replaced = m_pDC->SelectObject(m_font.get());
    if (first)
        m_previousFont = replaced;
    TEXTMETRIC metrics;
    m_pDC->GetTextMetrics(&metrics);
    m_lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
    // The first line's top lies at the margins from the paper's edge (0.0393701 inches to a mm).
    double x = m_pDC->GetDeviceCaps(LOGPIXELSX) * m_leftMargin * 0.0393701 - m_pDC->GetDeviceCaps(PHYSICALOFFSETX);
    double y = m_pDC->GetDeviceCaps(LOGPIXELSY) * m_topMargin * 0.0393701 - m_pDC->GetDeviceCaps(PHYSICALOFFSETY);
    m_pDC->SetViewportOrg(static_cast<int>(std::max(x, 0.0)), static_cast<int>(std::max(y, 0.0)));
}

int MPrintFilesetText::EndDoc()
{
    if (m_previousFont) {
        m_pDC->SelectObject(m_previousFont);
        m_font.reset();
        m_previousFont = nullptr;
    }
    return MPrintFileset::EndDoc();
}
