// The shared output support of the application-data writers. It holds no data: writers build
// one on the stack when they need it. This file holds the run log; the XML primitives, titles
// and code conversions join it.
#pragma once

#include "model/VhObject.h"

class ZnAppDocFDOut00 : public VhObject {
    DECLARE_DYNAMIC(ZnAppDocFDOut00)
public:
    enum LogLevel { LogDebug = 1, LogInfo = 2, LogWarn = 3, LogError = 4 };

    ZnAppDocFDOut00() = default;

    // Appends one line "time [level] source#function - message" to the run log "ravuRivo.log"
    // in the current folder, else on drive C (ZnRunLog). A log that cannot be opened loses the
    // line; nothing is reported.
    static void WriteLog(int level, LPCTSTR message, LPCTSTR source, LPCTSTR function);
    // Removes the run log, in the current folder if it can be opened there, else on drive C.
    static void DeleteLog();
};
