// What became of a file that a writer was asked to write. A caller may not drop it: a file cut off
// by a full medium is told by whoever receives the outcome, so a dropped one is a lost failure.
#pragma once

enum class [[nodiscard]] ZnWriteOutcome {
    written, // the file stands whole
    told,    // nothing was written, and the writer has told the user why (a model missing, a file not opened)
    cutOff,  // the medium could not hold it: the file is removed, and the user is yet to be told
};
