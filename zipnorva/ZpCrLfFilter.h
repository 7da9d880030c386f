// The text test and the CR LF to LF translation that packing applies to a file's bytes.
#pragma once

#include <cstddef>

class ZpCrLfFilter {
public:
    // True when no byte of data is one that only binary data use (NUL and the other controls
    // except BEL, BS, TAB, LF, VT, FF, CR, SUB and ESC).
    static bool IsText(const char* data, size_t size);

    // Translates the next piece of a text, every CR LF pair to LF, also when the pair is split
    // between two pieces; a CR on its own is kept. Writes at most size + 1 bytes to out and
    // returns their count. A CR at the end of a piece is held back until the next byte is known.
    size_t Filter(const char* in, size_t size, char* out);
    // Ends the text: writes a CR still held back (at most one byte) and returns the count.
    size_t Finish(char* out);

private:
    bool pendingCr_ = false;
};
