// What the reader tests share: a reader of the tests' own, and Windows paths of test folders.
#pragma once

#include "tests/support/TempFolder.h"
#include "tests/support/TestSupport.h"

#include "model/ZnModelApp.h"
#include "readers/ZnOldFormReader.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace readertest {

// A reader that reads nothing: the base's record syntax and index values on their own.
class TestReader : public ZnOldFormReader {
public:
    ZnModelApp* Read() override { return nullptr; }
};

// The Windows path of a Linux folder, ending in "\".
inline CString WinFolder(const std::string& linuxFolder) { return CString(linuxFolder) + "\\"; }

// The fields of an array, to compare whole.
inline std::vector<CString> Fields(const CStringArray& array)
{
    std::vector<CString> fields;
    for (int i = 0; i < array.GetSize(); ++i)
        fields.push_back(array[i]);
    return fields;
}

// The entries of a string list, to compare whole.
inline std::vector<CString> Entries(const CStringList& list)
{
    std::vector<CString> entries;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        entries.push_back(list.GetNext(pos));
    return entries;
}

// Index rows, each a CStringArray, deleted with the object.
struct Rows {
    Rows() = default;
    // Rows made of the given fields.
    explicit Rows(std::initializer_list<std::vector<LPCTSTR>> lines)
    {
        for (const std::vector<LPCTSTR>& line : lines) {
            CStringArray* row = new CStringArray;
            for (LPCTSTR field : line)
                row->Add(field);
            rows.Add(row);
        }
    }
    ~Rows()
    {
        for (int i = 0; i < rows.GetSize(); ++i)
            delete static_cast<CStringArray*>(rows[i]);
    }
    Rows(const Rows&) = delete;
    Rows& operator=(const Rows&) = delete;

    std::vector<CString> Row(int i) const { return Fields(*static_cast<CStringArray*>(rows[i])); }

    CPtrArray rows;
};

} // namespace readertest
