// A CELL layout file printed page by page: each line of the layout changes the interpreter's
// state (MFileCellAttrib) or draws into the current block of cells; PAPER, FORMFEED and the end of
// the file print the page made so far and begin a new one. Texts may come by key from the data
// file.
#pragma once

#include "print/MFileCellData.h"
#include "print/MPrintFileset.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class MFileCell;
class MFileCellArea;
class MFileCellAttrib;
class MFileCellPage;
class VhDrawImp;

class MPrintFilesetCell : public MPrintFileset {
    DECLARE_DYNAMIC(MPrintFilesetCell)
public:
    MPrintFilesetCell(LPCTSTR layoutFile, LPCTSTR dataFile);
    ~MPrintFilesetCell() override;

    // Prints every page of the layout.
    int Print() override;
    // Prints the page-th page alone (pages count from 1), from the default state.
    int PrintPage(int page) override;
    // The layout, opened as text; the data file is read on the way (missing: no data).
    CFile* Open() override;
    virtual void StartPage();
    virtual void EndPage();
    // The pages' mapping: 0.1 mm to the unit with y growing downwards, the origin at the paper's
    // corner.
    static void SetPageMapping(CDC& dc);

    // The first record of that key (keys compare with case): 1 and its value and code, else 0.
    int FindData(const CString& key, CString& value, int& code) const;
    // The renderer that draws the cells' texts and lines (not owned); without one, a renderer on
    // the device context.
    void SetRenderer(VhDrawImp* renderer) { m_renderer = renderer; }
    const CString& GetDataFile() const { return m_dataFile; }
    int GetDataCount() const { return static_cast<int>(m_data.size()); }

private:
    struct Run;

    void ReadData();
    // The next line to use: its code (EndOfFile at the end) and arguments.
    int ReadLayoutLine(CString& keyword, std::vector<CString>& arguments);
    // Applies the line to the state or the current cell; false when the line is to be ignored.
    bool Interpret(Run& run, int code, const std::vector<CString>& arguments);
    bool InterpretDrawing(Run& run, int code, const std::vector<CString>& arguments);
    // Prints the layout from its start; page 0: all pages, else that page alone.
    int PrintPages(int page);
    void BeginPageObjects(Run& run);
    void CloseCellAndArea(Run& run);
    void NewAreaAndCell(Run& run);
    void NewCell(Run& run);
    // Draws the page when it has anything to draw, and deletes it.
    void FlushPage(Run& run);
    void ApplyPaper(const MFileCellAttrib& state);

    CString m_dataFile;
    std::vector<std::unique_ptr<MFileCellData>> m_data;
    // The first record of each key, by the key's bytes: a layout asks for every key in turn. An
    // ordered map, so that no choice of keys makes a lookup walk more than a few of them, as keys
    // chosen to share one hash code would in a hash table.
    std::map<std::string, const MFileCellData*> m_firstOfKey;
    VhDrawImp* m_renderer = nullptr;
};
