// The data versions that an old floppy's index names, oldest first, and the tests that the
// readers make of them. A version is compared as its whole text: " 6.40" is none of them.
#pragma once

#include "platform/core/CString.h"

class ZnOldDataVersion {
public:
    static constexpr LPCTSTR first = "6.00";
    static constexpr LPCTSTR middle = "6.20";
    static constexpr LPCTSTR latest = "6.40";

    // Whether version is one of the three.
    static bool IsKnown(const CString& version);
    // Whether version is one of the three and not newer than newest (one of them too).
    static bool IsKnownUpTo(const CString& version, LPCTSTR newest);
    static bool IsFirst(const CString& version) { return version == first; }
    static bool IsLatest(const CString& version) { return version == latest; }

private:
    // The place of version among the three, -1 when it is none of them.
    static int Place(const CString& version);
};
