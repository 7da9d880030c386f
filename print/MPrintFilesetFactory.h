// Makes the file set of each kind: 0 binary ("-b"), 1 text ("-t"), 2 Fortran text ("-f") and
// 3 CELL layout ("-c"). A switch names the kind by its first two characters; the characters after
// them are the kind's options.
#pragma once

#include "platform/core/CObject.h"
#include "platform/core/CString.h"

#include <vector>

class MPrintFileset;

class MPrintFilesetFactory : public CObject {
    DECLARE_DYNAMIC(MPrintFilesetFactory)
public:
    enum { Binary = 0, Text = 1, FortranText = 2, Cell = 3 };

    MPrintFilesetFactory();

    // A new file set of that kind (the caller owns it), or null for an unknown kind.
    virtual MPrintFileset* Create(LPCTSTR file, int kind, LPCTSTR options);
    // The file set for a file token under the switch in force (null: none); null when the file
    // does not exist.
    virtual MPrintFileset* CreateFromArgument(LPCTSTR file, LPCTSTR switchToken);
    // The kind whose switch the token's first two characters are; text when none is.
    virtual int KindFromSwitch(LPCTSTR token);
    // The kind's display name; null for an unknown kind.
    virtual LPCTSTR KindName(int kind);

    // The data file that goes with a layout file by default: the extension of the file's own
    // name replaced by ".kpd", or ".kpd" appended when the name has none.
    static CString DefaultDataFile(const CString& layoutFile);

private:
    struct Kind {
        int kind;
        CString switchText;
        CString name;
    };
    std::vector<Kind> m_kinds;
};
