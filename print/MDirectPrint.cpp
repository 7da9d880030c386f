#include "print/MDirectPrint.h"

#include "platform/wnd/CCmdTarget.h"
#include "print/MPrintFileset.h"
#include "print/MPrintFilesetFactory.h"

IMPLEMENT_DYNAMIC(MDirectPrint, CObject)

namespace {

// Stands in for a blank inside quotes while the command is split.
const char QuotedBlank = '\x01';

} // namespace

MDirectPrint::MDirectPrint(MPrintFilesetFactory* factory, CDC* pDC) : m_pDC(pDC), m_factory(factory) {}

MDirectPrint::~MDirectPrint() = default;

std::vector<CString> MDirectPrint::SplitCommand(const CString& command)
{
    std::string text = command.Bytes();
    bool quoted = false;
    for (char& ch : text) {
        if (ch == '"')
            quoted = !quoted;
        else if (ch == ' ' && quoted)
            ch = QuotedBlank;
    }
    std::vector<CString> tokens;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(' ', start);
        if (end == std::string::npos)
            end = text.size();
        if (end > start) {
            CString token(text.substr(start, end - start));
            token.Replace(QuotedBlank, ' ');
            token.Remove('"');
            tokens.push_back(token);
        }
        start = end + 1;
    }
    return tokens;
}

void MDirectPrint::ReadOptions(const std::vector<CString>& tokens)
{
    for (const CString& token : tokens) {
        if (token == "/p")
            m_orientation = 0;
        else if (token == "/l")
            m_orientation = 1;
        else if (token == "/s")
            m_silent = 1;
    }
}

int MDirectPrint::ParseCommand(LPCTSTR command)
{
    std::vector<CString> tokens = SplitCommand(command ? command : "");
    ReadOptions(tokens);
    CString switchToken;
    bool haveSwitch = false;
    for (const CString& token : tokens) {
        if (token.IsEmpty() || token[0] == '/')
            continue;
        if (token[0] == '-') {
            switchToken = token;
            haveSwitch = true;
            continue;
        }
        MPrintFileset* fileset = m_factory->CreateFromArgument(token, haveSwitch ? (LPCTSTR)switchToken : nullptr);
        if (fileset)
            m_filesets.emplace_back(fileset);
    }
    return m_filesets.empty() ? 0 : 1;
}

void MDirectPrint::PrintAll()
{
    if (!m_pDC)
        return;
    CWaitCursor wait;
    for (const auto& fileset : m_filesets) {
        fileset->SetPrintToDevice(1);
        if (fileset->Begin(m_pDC, m_param))
            fileset->Print();
        fileset->Finish();
    }
}
