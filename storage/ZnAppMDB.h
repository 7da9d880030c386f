// The file names of the application's databases, each with a leading backslash so that it can be
// appended to its folder directly. The main frame holds one instance.
#pragma once

#include "platform/core/CObject.h"
#include "platform/core/CString.h"

class ZnAppMDB : public CObject {
    DECLARE_DYNAMIC(ZnAppMDB)
public:
    ZnAppMDB() = default;

    // In the application folder: regions and prefectures.
    CString GetComChiikiMdb() const;
    // In the common-data folder: the data that the user registers once and picks from.
    CString GetAppUserRegistMdb() const;
    // In the property-data folder: the register of properties and of their documents.
    CString GetAppBukkenMdb() const;
};
