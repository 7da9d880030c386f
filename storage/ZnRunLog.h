// The run log "ravuRivo.log": one text line per event, "time [level] source#function - message",
// appended in the current folder, else on drive C. Every line is opened, written and closed in
// one call, so it is on disk when the call returns. The writers reach it through
// ZnAppDocFDOut00::WriteLog and DeleteLog; the layers below them call it directly.
#pragma once

#include "platform/core/WinTypes.h"

class ZnRunLog {
public:
    enum Level { levelDebug = 1, levelInfo = 2, levelWarn = 3, levelError = 4 };

    // Appends one line: the local time in the asctime form without its newline, the level word
    // ("DEBUG", "INFO ", "WARN ", "ERROR"; empty for any other level), the source unit, the
    // function name and the message, all unchanged. A log that cannot be opened loses the line;
    // nothing is reported.
    static void Write(int level, LPCTSTR message, LPCTSTR source, LPCTSTR function);
    // Removes the log in the current folder when it can be opened there, else the one on drive C.
    // A failed removal is ignored.
    static void Delete();
};
