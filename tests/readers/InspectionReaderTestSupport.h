// The readers of the interim and completion inspection forms: an old floppy folder to read them
// from, the stand-in confirmation readers that a building's inspection embeds, and the listings
// the tests compare.
#pragma once

#include "tests/readers/InspListing.h"
#include "tests/readers/ReaderTestSupport.h"

#include "readers/ZnOldFormReaderTable.h"

#include <filesystem>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace inspreadertest {

using readertest::InspListing;

// What the last stand-in confirmation reader was given.
struct ConfReaderCall {
    CString buildings;
    CString code;
    std::vector<CString> rowNumbers;
    int buildingNo = 0;
    int indexPosition = 0;
};
extern ConfReaderCall lastCall;

// The confirmation readers of the building and the semi-structure as stand-ins that record the
// call in lastCall.
const std::vector<ZnOldFormReaderTable::Row>& StubConfReaders();

// The expected listing without its comment lines.
std::string Expected(const std::string& name);

// An old floppy folder with its form folder "Keikaku".
class Floppy {
public:
    Floppy() { mkdir(Form("").c_str(), 0700); }
    std::string Form(const std::string& name) const { return m_folder.Path("Keikaku/" + name); }
    // A form file of the given lines (CP932, as the literals of the tests are), with CR LF.
    void Write(const std::string& name, const std::string& lines) const
    {
        std::string text;
        std::istringstream in(lines);
        for (std::string line; std::getline(in, line);)
            text += line + "\r\n";
        testsupport::WriteFileBytes(Form(name), text);
    }
    void Copy(const std::string& fixture, const std::string& name) const
    {
        std::filesystem::copy_file(testsupport::DataPath("readers/inspection/Keikaku/" + fixture), Form(name));
    }
    // A reader of the folder with the index values of a document of the given kind.
    template <typename Reader> std::unique_ptr<Reader> MakeReader(LPCTSTR code) const
    {
        auto reader = std::make_unique<Reader>();
        reader->m_basePath = readertest::WinFolder(m_folder.Path());
        reader->m_formFolder = "Keikaku\\";
        reader->m_appTypeCode = code;
        reader->m_buildingNoText = "001";
        reader->m_indexColumns[ZnOldFormReader::columnHeaderNumber] = "5";
        reader->m_rowNumbers.Add("R1");
        return reader;
    }

private:
    testsupport::TempFolder m_folder;
};

template <typename App = ZnModelAppInspConf> std::unique_ptr<App> Read(ZnOldFormReader& reader)
{
    ZnModelApp* app = reader.Read();
    EXPECT_TRUE(!app || dynamic_cast<App*>(app));
    return std::unique_ptr<App>(static_cast<App*>(app));
}

std::string ListingOf(ZnOldFormReader& reader);

// The line of the listing with that key, or "".
std::string Line(const std::string& listing, const std::string& key);

} // namespace inspreadertest
