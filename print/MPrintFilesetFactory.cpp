#include "print/MPrintFilesetFactory.h"

#include "print/MPrintFilesetBinary.h"
#include "print/MPrintFilesetCell.h"
#include "print/MPrintFilesetFortranText.h"
#include "print/VhFileFind.h"

IMPLEMENT_DYNAMIC(MPrintFilesetFactory, CObject)

MPrintFilesetFactory::MPrintFilesetFactory()
    : m_kinds{{Text, "-t", "ﾃｷｽﾄ形式"},
              {Binary, "-b", "ﾊﾞｲﾅﾘｰ形式"},
              {FortranText, "-f", "Fortran出力形式"},
              {Cell, "-c", "CELL形式"}}
{
}

MPrintFileset* MPrintFilesetFactory::Create(LPCTSTR file, int kind, LPCTSTR options)
{
    CString optionText = options ? options : "";
    MPrintFileset* fileset = nullptr;
    switch (kind) {
    case Binary:
        fileset = new MPrintFilesetBinary(file);
        break;
    case Text:
        fileset = new MPrintFilesetText(file, optionText);
        break;
    case FortranText:
        fileset = new MPrintFilesetFortranText(file, optionText);
        break;
    case Cell:
        fileset = new MPrintFilesetCell(file, optionText.IsEmpty() ? DefaultDataFile(file) : optionText);
        break;
    default:
        return nullptr;
    }
    fileset->SetKindName(KindName(kind));
    return fileset;
}

MPrintFileset* MPrintFilesetFactory::CreateFromArgument(LPCTSTR file, LPCTSTR switchToken)
{
    if (!VhFileFind().Exists(file))
        return nullptr;
    CString token = switchToken ? switchToken : "";
    CString options = token.GetLength() >= 3 ? token.Mid(2) : CString();
    return Create(file, KindFromSwitch(token), options);
}

int MPrintFilesetFactory::KindFromSwitch(LPCTSTR token)
{
    CString prefix = CString(token ? token : "").Left(2);
    for (const Kind& kind : m_kinds)
        if (prefix == kind.switchText)
            return kind.kind;
    return Text;
}

LPCTSTR MPrintFilesetFactory::KindName(int kind)
{
    for (const Kind& entry : m_kinds)
        if (entry.kind == kind)
            return entry.name;
    return nullptr;
}

CString MPrintFilesetFactory::DefaultDataFile(const CString& layoutFile)
{
    int nameStart = std::max(layoutFile.ReverseFind('\\'), layoutFile.ReverseFind('/')) + 1;
    int dot = layoutFile.ReverseFind('.');
    CString stem = dot >= nameStart ? layoutFile.Left(dot) : layoutFile;
    return stem + ".kpd";
}
