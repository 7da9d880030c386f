#include "print/MPrintFilesetText.h"

#include "platform/files/CStdioFile.h"
#include "platform/files/WinPath.h"
#include "platform/wnd/CDC.h"
#include "print/MPrintFilesetFortranText.h"

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

void MPrintFilesetText::BeginPage() {}

int MPrintFilesetText::EndDoc() { return MPrintFileset::EndDoc(); }
