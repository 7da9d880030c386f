// One record of a CELL data file: a key, its value, and the code of the value word that may
// follow the value (0 when none does).
#pragma once

#include "model/VhObject.h"
#include "platform/core/CString.h"

class MFileCellData : public VhObject {
    DECLARE_DYNAMIC(MFileCellData)
public:
    MFileCellData(const CString& key, const CString& value, int code) : m_key(key), m_value(value), m_code(code) {}

    // The record of a data line, "\"key\"<blank or tab>\"value\"[, word]"; false for an empty line,
    // a comment ('#') and a line with nothing after its key. A key or value without a pair of
    // quotes is empty.
    static bool ReadLine(const CString& line, CString& key, CString& value, int& code);

    CString m_key;
    CString m_value;
    int m_code;
};

// The text between the first pair of double quotes; empty when there is no pair.
CString QuotedText(const CString& text);
