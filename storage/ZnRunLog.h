// The run log "ravuRivo.log": one text line per event, "time [level] source#function - message",
// appended in the current folder, else on drive C. Every line is on disk when the call that
// writes it returns: the log is opened and closed for each line, or, while a KeptOpen lives,
// opened once and flushed after each line. The output support's WriteLog and DeleteLog
// (ZnAppDocFDOut00) hand over to it; DeleteLog also forgets the files that the log has named.
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

    // Keeps the log open from its first line until the last KeptOpen goes, for a run that writes
    // many lines. A Delete meanwhile closes it; the next line opens it again.
    class KeptOpen {
    public:
        KeptOpen();
        ~KeptOpen();
        KeptOpen(const KeptOpen&) = delete;
        KeptOpen& operator=(const KeptOpen&) = delete;
    };
};
