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
// A key is a "[path]" line with its values below it and a blank line after them, written when it
// holds values or has no key below it (a key with keys below it exists through their lines; a root
// always exists). A text
// value (REG_SZ) is written in quotes with "\" and '"' escaped by a "\"; a REG_DWORD as eight hex
// digits; any other value, and a text that this form cannot carry unchanged (control characters,
// no terminating zero, bytes that are not CP932), as its bytes in hex ("hex:" for REG_BINARY,
// else "hex(type):"). Names and texts are CP932 in memory. Key paths are compared ignoring case.
#pragma once

#include "platform/registry/WinRegistry.h"

#include <string>
#include <unordered_map>
#include <vector>

struct RegValue {
    std::string name; // CP932; empty for the key's default value ("@")
    DWORD type;
    std::string data; // the bytes as the registry calls hand them out
};

class RegHive {
public:
    // Reads the text form. A line that is not well-formed UTF-8 is read as CP932, the form in which
    // Windows' own REGEDIT4 export writes a hive. Reading goes on past what is not sound: a line
    // that is text in neither form, a line holding a character that CP932 lacks (which the hive,
    // CP932 in memory, could not write back), a key line without its "]" or deeper than
    // kMaxDepth, a value of an unknown form or cut short, a value below a broken key line. Such a
    // line is counted and kept as it stands (its bytes, with its continuation lines), so that
    // writing the hive never loses what a person may still mend. Lines starting with ";" are
    // comments. Reading and writing take time in proportion to the text.
    static RegHive Parse(const std::string& text);
    // How many lines Parse could not read.
    int DamagedLines() const { return m_damagedLines; }

    // The text form, each key in the order it was read or created. A line that Parse could not
    // read comes back as it stood, below the values of the key it stood under (before the first
    // key when it stood above them all), so that it is read the same way again.
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

    // The most levels of keys below a root, as in Windows' registry.
    static const size_t kMaxDepth = 512;

private:
    // Keys are found by name below their parent and values by name in their key, each through the
    // folded name (ASCII letters in lower case), so that a look-up takes time in proportion to the
    // path alone, however many and however deep the keys are.
    typedef std::unordered_map<std::string, size_t> KeysByName; // folded name -> position in m_keys
    struct Key {
        std::string name; // as first created
        size_t parent;    // kNoKey for a root
        KeysByName children;
        std::vector<RegValue> values;
        std::unordered_map<std::string, size_t> valueIndex; // folded name -> position in values
        std::vector<std::string> keptLines;                 // lines that could not be read, as they stood
    };
    static const size_t kNoKey = static_cast<size_t>(-1);

    const KeysByName& ChildrenOf(size_t parent) const { return parent == kNoKey ? m_roots : m_keys[parent].children; }
    size_t FindKey(const std::string& path) const;
    size_t AddKeys(const std::vector<std::string>& names);
    std::string PathOf(size_t index) const;
    bool NeedsLine(const Key& key) const;
    static void PutValue(Key& key, const RegValue& value);
    bool ReadLine(const std::string& utf8Line, size_t& valueKey, size_t& section);
    static void FormatKeptLines(const std::vector<std::string>& lines, std::string& text);

    std::vector<Key> m_keys;
    KeysByName m_roots;
    std::vector<std::string> m_leadingLines; // lines that could not be read, above every key
    int m_damagedLines = 0;
};
