// What the tests of the lift, equipment, structure and semi-structure readers share: readers
// made by the factory over a fixture's index, and old folders written for one case.
#pragma once

#include "tests/readers/AppListing.h"
#include "tests/readers/ReaderTestSupport.h"

#include "platform/core/Cp932.h"
#include "readers/ZnOldBukkenFolder.h"

#include <memory>
#include <sys/stat.h>

namespace readertest {

// The reader that the factory makes for the index of the old folder at linuxFolder, with its
// document-kind code replaced by code, and the folder's paths. Null when the code has none.
inline std::unique_ptr<ZnOldFormReader> MakeReader(const std::string& linuxFolder, LPCTSTR code)
{
    ZnOldBukkenFolder folder;
    Rows index;
    if (folder.ReadIndexRows(WinFolder(linuxFolder) + "Info\\filename.iba", index.rows) != 1)
        return nullptr;
    static_cast<CStringArray*>(index.rows[0])->SetAt(6, code);
    CPtrArray readers;
    folder.CreateFormReaders(index.rows, readers);
    if (readers.GetSize() != 1) {
        for (int i = 0; i < readers.GetSize(); ++i)
            delete static_cast<ZnOldFormReader*>(readers[i]);
        return nullptr;
    }
    std::unique_ptr<ZnOldFormReader> reader(static_cast<ZnOldFormReader*>(readers[0]));
    reader->m_basePath = WinFolder(linuxFolder);
    reader->m_formFolder = "Keikaku\\";
    return reader;
}

// An old folder of one case: an index of one application and a further row, and the forms
// written into it with CR LF for LF (the tests' texts are CP932 already).
class CaseFolder {
public:
    explicit CaseFolder(const std::string& buildings = "1",
                        const std::string& furtherRow = "\"#001\",\"\",\"\",\"220903\",\"R-1\",\"\"\n")
    {
        mkdir(m_folder.Path("Info").c_str(), 0777);
        mkdir(m_folder.Path("Keikaku").c_str(), 0777);
        Write("Info/filename.iba", "\"#000\",\"name\",\"20240105\",\"\",\"7\",\"\",\"100002\",\"" + buildings +
                                       "\",\"1\",\"1\",\"1\",\"1\",\"1\"\n" + furtherRow);
    }
    // Writes the form text as the old program's file.
    void Form(const std::string& name, const std::string& text) { Write("Keikaku/" + name, text); }
    void Write(const std::string& relative, const std::string& text)
    {
        std::string bytes;
        for (char c : text)
            bytes += c == '\n' ? std::string("\r\n") : std::string(1, c);
        testsupport::WriteFileBytes(m_folder.Path(relative), bytes);
    }
    std::unique_ptr<ZnOldFormReader> Reader(LPCTSTR code) const { return MakeReader(m_folder.Path(), code); }
    const std::string& Path() const { return m_folder.Path(); }

private:
    testsupport::TempFolder m_folder;
};

// The header listing that the index of the fixtures and of CaseFolder gives: header number 7,
// one building group of the building number with the further row's number.
inline std::string IndexHeader(const char* code, int buildingNumber)
{
    return std::string("headerNumber: 7\ndocumentKind: ") + code + "\nfirstLocalNumber: 0\nbuildingNumGroups[0]: (" +
           std::to_string(buildingNumber) + ", (R-1, 02 0-0-0, ), (, 02 0-0-0, ))\n";
}

// The object that reader reads, owned.
inline std::unique_ptr<ZnModelApp> ReadApp(ZnOldFormReader& reader)
{
    return std::unique_ptr<ZnModelApp>(reader.Read());
}

// An expected listing under tests/data/reader_listings (kept in UTF-8), as CP932.
inline std::string ExpectedListing(const std::string& name)
{
    return cp932::FromUtf8(testsupport::ReadFileBytes(testsupport::DataPath("reader_listings/" + name)));
}

// The listing of the family part of app, which must be of class Family.
template <typename Family> std::string FamilyListing(const ZnModelApp* app)
{
    const Family* family = dynamic_cast<const Family*>(app);
    return family ? AppListing(*family) : "not of the family";
}

} // namespace readertest
