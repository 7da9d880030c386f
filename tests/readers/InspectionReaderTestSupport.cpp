#include "tests/readers/InspectionReaderTestSupport.h"

#include "model/ZnModelAppBuildConf.h"
#include "model/ZnModelAppSemiStrConf.h"

#include <fstream>
#include <sstream>

namespace inspreadertest {

ConfReaderCall lastCall;

namespace {

// A stand-in for the confirmation readers of the other forms: it reads nothing but the presence
// of its form file, and builds its header as those readers do (SetAppHeader, then SetAppCommon).
template <typename App> class StubConfReader : public ZnOldFormReader {
public:
    explicit StubConfReader(LPCTSTR formFile) : m_file(formFile) {}
    ZnModelApp* Read() override
    {
        lastCall = {m_indexColumns[columnBuildings], m_appTypeCode, readertest::Fields(m_rowNumbers), m_buildingNo,
                    m_indexPosition};
        if (!OpenDataFile(m_basePath + m_formFolder + m_file))
            return nullptr;
        CloseDataFile();
        auto* app = new App;
        AddPages(*app);
        SetAppHeader(app);
        app->m_header.m_firstText = "copied";
        SetAppCommon(app);
        return app;
    }

private:
    // A page per building, carrying no number of its own.
    static void AddPages(ZnModelApp&) {}
    template <typename Build> void AddPages(Build& app, decltype(&Build::m_buildPageList) = nullptr)
    {
        for (int i = std::atoi(m_indexColumns[columnBuildings]); i > 0; --i)
            app.m_buildPageList.AddCopy(ZnModelAppBuildPage());
    }

    CString m_file;
};

struct StubBuildConf : StubConfReader<ZnModelAppBuildConf> {
    StubBuildConf() : StubConfReader("Ksq001.110") {}
};
struct StubSemiStrConf : StubConfReader<ZnModelAppSemiStrConf> {
    StubSemiStrConf() : StubConfReader("Ksq001.190") {}
};

} // namespace

const std::vector<ZnOldFormReaderTable::Row>& StubConfReaders()
{
    static const std::vector<ZnOldFormReaderTable::Row> rows = {
        {100001, 100001, "#110", "ZnModelAppBuildConf", nullptr, ZnOldFormReaderTable::Create<StubBuildConf>},
        {100006, 100006, "#190", "ZnModelAppSemiStrConf", nullptr, ZnOldFormReaderTable::Create<StubSemiStrConf>},
    };
    return rows;
}

namespace {

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

std::string Expected(const std::string& name)
{
    std::istringstream in(ReadText(testsupport::DataPath("readers/" + name)));
    std::string text, line;
    while (std::getline(in, line))
        if (line.rfind("#", 0) != 0)
            text += line + "\n";
    return text;
}

std::string ListingOf(ZnOldFormReader& reader)
{
    std::unique_ptr<ZnModelAppInspConf> app = Read(reader);
    return app ? InspListing(*app).Text() : "null";
}

std::string Line(const std::string& listing, const std::string& key)
{
    size_t at = listing.find(key + "\t");
    return at == std::string::npos ? "" : listing.substr(at, listing.find('\n', at) - at);
}

} // namespace inspreadertest
