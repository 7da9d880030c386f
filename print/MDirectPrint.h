// Prints the files that one command string names, each in its own format, one after the other
// on a device context that the owner supplies. The command holds file tokens, switches ("-t",
// "-b", "-f", "-c" with options after the two characters) that apply to the files after them,
// and the options "/p", "/l" (orientation) and "/s" (silent); double quotes keep blanks in a token.
#pragma once

#include "platform/core/CObject.h"
#include "platform/core/CString.h"

#include <memory>
#include <vector>

class CDC;
class MPrintFileset;
class MPrintFilesetFactory;

class MDirectPrint : public CObject {
    DECLARE_DYNAMIC(MDirectPrint)
public:
    MDirectPrint(MPrintFilesetFactory* factory, CDC* pDC);
    ~MDirectPrint() override;

    // Makes one file set for each existing file of the command, in order (missing files are
    // skipped); 1 when there is at least one.
    int ParseCommand(LPCTSTR command);
    // Prints every file set under the wait cursor. A file set whose Begin fails is not printed,
    // but still finished.
    void PrintAll();

    int GetFilesetCount() const { return static_cast<int>(m_filesets.size()); }
    MPrintFileset* GetFileset(int index) const { return m_filesets.at(index).get(); }
    int GetOrientation() const { return m_orientation; }
    int GetSilent() const { return m_silent; }

    // The command's tokens: blanks inside double quotes kept, the quotes removed.
    static std::vector<CString> SplitCommand(const CString& command);

private:
    void ReadOptions(const std::vector<CString>& tokens);

    std::vector<std::unique_ptr<MPrintFileset>> m_filesets;
    int m_orientation = 0;
    CDC* m_pDC;
    int m_param = 0;
    int m_silent = 0;
    MPrintFilesetFactory* m_factory;
};
