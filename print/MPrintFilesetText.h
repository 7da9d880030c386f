// A plain text file printed line by line in a fixed-pitch font, a given number of lines to a
// page; a form feed at the start of a line begins a page. The options ("l" lines per page, "f"
// font face, "s" size in points, "x" and "y" left and top margins in mm, each name followed by its
// value, all separated by '_' or '%') are remembered for the whole process: a later file set of
// the same kind that is given none prints with the last ones given.
#pragma once

#include "platform/wnd/WinGdi.h"
#include "print/MPrintFileset.h"

class CFont;

class MPrintFilesetText : public MPrintFileset {
    DECLARE_DYNAMIC(MPrintFilesetText)
public:
    // options may be empty or null: the remembered text options apply.
    MPrintFilesetText(LPCTSTR fileName, LPCTSTR options);
    ~MPrintFilesetText() override;

    int Print() override;
    CFile* Open() override;
    int EndDoc() override;

    // Removes the line's carriage control: a form feed at its start, and the trailing blanks.
    virtual void PrepareLine(CString& line);
    // Sets the page up: the mapping, the font, the line height and the margins.
    virtual void BeginPage();
    virtual void OnEndPage() {}
    // Whether the line begins a new page.
    virtual int NeedsNewPage(const CString& line);

    int GetLinesPerPage() const { return m_linesPerPage; }
    const CString& GetFontFace() const { return m_fontFace; }
    double GetFontSize() const { return m_fontSize; }
    double GetLeftMargin() const { return m_leftMargin; }
    double GetTopMargin() const { return m_topMargin; }

    // The font the pages are printed in: the face, the size in twips, fixed pitch.
    const LOGFONT& GetLogFont() const { return m_logFont; }

    // Forgets the remembered options of both text kinds (as at the start of the process).
    static void ForgetRememberedOptions();

protected:
    // For the kinds derived: remembered names the process-wide options of that kind.
    MPrintFilesetText(LPCTSTR fileName, LPCTSTR options, CString& remembered);

    void StartTextPage();
    void EndTextPage();
    void PrintLine(CString line);

private:
    static CString& RememberedTextOptions();
    void ReadOptions(const CString& options);
    void BuildLogFont();

    std::unique_ptr<CFont> m_font;
    CFont* m_previousFont = nullptr;
    LOGFONT m_logFont{};
    int m_linesPerPage = 66;
    double m_leftMargin = 20.0;
    double m_topMargin = 20.0;
    CString m_fontFace = "ＭＳ 明朝";
    double m_fontSize = 10.0;
    int m_weight = 0;
    int m_strikeOut = 0;
    int m_underline = 0;
    int m_italic = 0;
    int m_lineHeight = 0;
    int m_linesOnPage = 0;
    int m_pageOpen = 0;
    int m_y = 0;
};
