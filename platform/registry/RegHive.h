// One hive of the registry in memory, and its text form: REGEDIT4, UTF-8, "\n" line ends.
//
//   REGEDIT4
//
//   [HKEY_CURRENT_USER\software\Norva]
//   "Folder"="C:\\データ"
//   "Count"=dword:0000001f
//   "Raw"=hex(7):41,00,00
//   @="the key's default value"
//
// Each key is a "[path]" line (a root only when it has values) with its values below it and a blank line after them. A text
// value (REG_SZ) is written in quotes with "\" and '"' escaped by a "\"; a REG_DWORD as eight hex
// digits; any other value, and a text that this form cannot carry unchanged (control characters,
// no terminating zero, bytes that are not CP932), as its bytes in hex ("hex:" for REG_BINARY,
// else "hex(type):"). Names and texts are CP932 in memory. Key paths are compared ignoring case.
#pragma once

#include "platform/registry/WinRegistry.h"

#include <string>
#include <vector>

struct RegValue {
    std::string name; // CP932; empty for the key's default value ("@")
    DWORD type;
    std::string data; // the bytes as the registry calls hand them out
};

class RegHive {
public:
    // Reads the text form. Reading goes on past what is not sound: a line that is not UTF-8 text,
    // a key line without its "]", a value of an unknown form or cut short; such a line (and the
    // values below a broken key line) is left out and counted. Lines starting with ";" are comments.
    static RegHive Parse(const std::string& utf8Text);
    // How many lines Parse left out.
    int DamagedLines() const { return m_damagedLines; }

    // The text form, each key in the order it was read or created.
    std::string Format() const;

    // The first part of a key path names its root (such as "HKEY_CURRENT_USER"), which always exists.
    bool HasKey(const std::string& path) const;
    // Creates the key and every missing key above it; true when one was missing.
    bool CreateKey(const std::string& path);
    // The value of that name (ignoring case) in the key, or null.
    const RegValue* FindValue(const std::string& keyPath, const std::string& name) const;
    // Replaces the value of the same name (ignoring case) or adds it; false when the key is missing.
    bool SetValue(const std::string& keyPath, const RegValue& value);

    // The path with empty parts between "\" left out.
    static std::string NormalPath(const std::string& path);
    // True for the path of a root.
    static bool IsRootPath(const std::string& path);

private:
    struct Key {
        std::string path;
        std::vector<RegValue> values;
    };
    Key* FindKey(const std::string& path);
    const Key* FindKey(const std::string& path) const;
    bool ParseValueLine(const std::string& line, RegValue& value) const;

    std::vector<Key> m_keys;
    int m_damagedLines = 0;
};
