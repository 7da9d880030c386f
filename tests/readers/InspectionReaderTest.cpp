// The readers of the interim and completion inspection forms: a building's, with the building
// confirmation embedded, and those of the other object kinds over numbered form files.
#include "tests/readers/InspListing.h"
#include "tests/readers/ReaderTestSupport.h"

#include "model/ZnModelAppBuildConf.h"
#include "model/ZnModelAppSemiStrConf.h"
#include "readers/ZnOldFormReaderCompInspConf.h"
#include "readers/ZnOldFormReaderCompInspConfSub.h"
#include "readers/ZnOldFormReaderRegInspConf.h"
#include "readers/ZnOldFormReaderRegInspConfSub.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <sys/stat.h>

namespace {

using readertest::InspListing;

// What the last stand-in confirmation reader was given.
struct ConfReaderCall {
    CString buildings;
    CString code;
    std::vector<CString> rowNumbers;
    int buildingNo = 0;
    int indexPosition = 0;
};
ConfReaderCall lastCall;

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

const std::vector<ZnOldFormReaderTable::Row>& StubConfReaders()
{
    static const std::vector<ZnOldFormReaderTable::Row> rows = {
        {100001, 100001, "#110", "ZnModelAppBuildConf", nullptr, ZnOldFormReaderTable::Create<StubBuildConf>},
        {100006, 100006, "#190", "ZnModelAppSemiStrConf", nullptr, ZnOldFormReaderTable::Create<StubSemiStrConf>},
    };
    return rows;
}

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The expected listing without its comment lines.
std::string Expected(const std::string& name)
{
    std::istringstream in(ReadText(testsupport::DataPath("readers/" + name)));
    std::string text, line;
    while (std::getline(in, line))
        if (line.rfind("#", 0) != 0)
            text += line + "\n";
    return text;
}

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

std::string ListingOf(ZnOldFormReader& reader)
{
    std::unique_ptr<ZnModelAppInspConf> app = Read(reader);
    return app ? InspListing(*app).Text() : "null";
}

} // namespace

TEST(BuildingInspectionReader, ReadsEveryItemOfTheInterimForm)
{
    Floppy floppy;
    floppy.Copy("Ksq001.280", "Ksq001.280");
    auto reader = floppy.MakeReader<ZnOldFormReaderRegInspConf>("100101");
    EXPECT_EQ(Expected("inspection_interim.tsv"), ListingOf(*reader));
}

TEST(BuildingInspectionReader, ReadsEveryItemOfTheCompletionForm)
{
    Floppy floppy;
    floppy.Copy("Ksq001.210", "Ksq001.210");
    // Another completion form file beside it is not read.
    floppy.Write("Ksq002.210", "#21010,\"ベツ\",\"別\",\"1\",\"2\",\"3\"");
    auto reader = floppy.MakeReader<ZnOldFormReaderCompInspConf>("100201");
    EXPECT_EQ(Expected("inspection_completion.tsv"), ListingOf(*reader));
}

TEST(BuildingInspectionReader, ItemRulesOfSingleRecords)
{
    Floppy floppy;
    auto reader = floppy.MakeReader<ZnOldFormReaderRegInspConf>("100101");
    // Three fields leave the certification number empty; an issuer alone gives the empty
    // certificate with the zero date.
    floppy.Write("Ksq001.280", "#28090,\"08010\",\"01607\"\n#28120,\"ポ機関\"");
    auto app = Read<ZnModelAppRegInspConf>(*reader);
    ASSERT_TRUE(app);
    EXPECT_EQ(CString(), app->m_specialCertNo);
    EXPECT_EQ(CString("08010"), app->m_buildType.GetCode());
    EXPECT_EQ(1, app->m_kindRemodel);
    EXPECT_EQ(CString(), app->m_confCert.m_number);
    EXPECT_EQ(CString("ポ機関"), app->m_confCert.m_furtherText);
    EXPECT_TRUE(app->m_confCert.m_date.IsEmpty());
    EXPECT_EQ(CString("02"), app->m_confCert.m_date.m_yearCode.m_code);

    // An empty form gives an empty document with the common values.
    floppy.Write("Ksq001.280", "");
    app = Read<ZnModelAppRegInspConf>(*reader);
    ASSERT_TRUE(app);
    EXPECT_EQ(5, app->m_header.m_headerNumber);
    EXPECT_EQ(0, app->m_furtherOwners.GetCount());
    EXPECT_FALSE(app->m_baseApp);
}

TEST(BuildingInspectionReader, MissingFormFileGivesNull)
{
    Floppy floppy;
    floppy.Copy("Ksq001.210", "Ksq001.280");
    EXPECT_EQ(nullptr, Read(*floppy.MakeReader<ZnOldFormReaderCompInspConf>("100201")));
    floppy.Copy("Ksq001.280", "Ksq001.210");
    std::filesystem::remove(floppy.Form("Ksq001.280"));
    EXPECT_EQ(nullptr, Read(*floppy.MakeReader<ZnOldFormReaderRegInspConf>("100101")));
}

TEST(BuildingInspectionReader, EmbedsTheBuildingConfirmationAsAPlainBuildingApplication)
{
    for (LPCTSTR code : {"100101", "100201"}) {
        SCOPED_TRACE(code);
        Floppy floppy;
        floppy.Write("Ksq001.280", "#28010,\"ヌシ\",\"主\",\"1\",\"2\",\"3\"");
        floppy.Write("Ksq001.210", "#21010,\"ヌシ\",\"主\",\"1\",\"2\",\"3\"");
        floppy.Write("Ksq001.110", "#11000");
        floppy.Write("Ksq001.120", "#12000");
        floppy.Write("Ksq001.130", "#13000");
        floppy.Write("ksq002.130", "#13000");
        mkdir(floppy.Form("Ksq003.130").c_str(), 0700); // a folder is no page
        std::unique_ptr<ZnOldInspFormReader> reader;
        if (CString(code) == "100101")
            reader = floppy.MakeReader<ZnOldFormReaderRegInspConf>(code);
        else
            reader = floppy.MakeReader<ZnOldFormReaderCompInspConf>(code);
        reader->m_rowNumbers.Add("R2");
        reader->SetConfReaders(StubConfReaders());

        auto app = Read(*reader);
        ASSERT_TRUE(app);
        ASSERT_TRUE(app->m_baseApp);
        EXPECT_STREQ("ZnModelAppBuild", app->m_baseApp->GetRuntimeClass()->m_lpszClassName);
        EXPECT_EQ(2, static_cast<ZnModelAppBuild*>(app->m_baseApp.Get())->m_buildPageList.GetCount());
        EXPECT_EQ(CString("2"), lastCall.buildings);
        EXPECT_EQ(CString(code), lastCall.code);
        EXPECT_EQ((std::vector<CString>{"R1", "R2"}), lastCall.rowNumbers);
        EXPECT_EQ(1, lastCall.buildingNo);
        EXPECT_EQ(1, lastCall.indexPosition);
        // The header is the confirmation's, with the common values written over it.
        EXPECT_EQ(CString("copied"), app->m_header.m_firstText);
        EXPECT_EQ(CString("copied"), app->m_baseApp->m_header.m_firstText);
        std::string listing = InspListing(*app).Text();
        std::string code8 = std::string("header\t5|") + code + "\nheader.groups.count\t2\n" +
                            "header.groups[0]\t1|R1|02:0-0-0|||02:0-0-0|\n" +
                            "header.groups[1]\t1|R2|02:0-0-0|||02:0-0-0|\n";
        EXPECT_EQ(code8, listing.substr(0, code8.size()));
        // The embedded confirmation's groups carry building number 1 too.
        const ZnModelNumGroupList& groups = app->m_baseApp->m_header.m_localData.m_buildingNumGroups;
        ASSERT_EQ(2, groups.GetCount());
        EXPECT_EQ(1, groups.GetHead()->m_itemNumber);
        EXPECT_EQ(1, groups.GetTail()->m_itemNumber);

        // Without the building confirmation's form file the inspection is still read.
        std::filesystem::remove(floppy.Form("Ksq001.110"));
        app = Read(*reader);
        ASSERT_TRUE(app);
        EXPECT_FALSE(app->m_baseApp);
        EXPECT_EQ(CString(), app->m_header.m_firstText);
        EXPECT_EQ(1, app->m_header.m_localData.m_buildingNumGroups.GetCount());
    }
}

TEST(BuildingInspectionReader, AcceptsVersionsByTheBuildingConfirmationsFile)
{
    Floppy floppy;
    auto interim = floppy.MakeReader<ZnOldFormReaderRegInspConf>("100101");
    auto completion = floppy.MakeReader<ZnOldFormReaderCompInspConf>("100201");
    auto other = floppy.MakeReader<ZnOldFormReaderRegInspConfSub>("100102");
    auto otherCompletion = floppy.MakeReader<ZnOldFormReaderCompInspConfSub>("100202");
    struct Case {
        LPCTSTR version;
        bool withFile;
        int accepted;
    };
    for (const Case& c : {Case{"6.20", false, 1}, Case{"", true, 1}, Case{"6.40", true, 1}, Case{"6.20", true, 0},
                          Case{"6.4", true, 0}}) {
        SCOPED_TRACE(std::string(c.version) + (c.withFile ? " with Ksq001.120" : ""));
        if (c.withFile)
            floppy.Write("KSQ001.120", "");
        for (ZnOldFormReader* reader : std::initializer_list<ZnOldFormReader*>{interim.get(), completion.get(), other.get(), otherCompletion.get()})
            reader->m_indexColumns[ZnOldFormReader::columnVersion] = c.version;
        EXPECT_EQ(c.accepted, interim->IsVersionOK());
        EXPECT_EQ(c.accepted, completion->IsVersionOK());
        EXPECT_EQ(1, other->IsVersionOK());
        EXPECT_EQ(1, otherCompletion->IsVersionOK());
    }
}

TEST(BuildingInspectionReader, FactoryMakesTheInspectionReaders)
{
    struct Case {
        LPCTSTR code;
        CRuntimeClass* readerClass;
        LPCTSTR formId;
        LPCTSTR target;
    };
    std::vector<Case> cases = {
        {"100101", RUNTIME_CLASS(ZnOldFormReaderRegInspConf), "#280", "ZnModelAppRegInspConf"},
        {"100201", RUNTIME_CLASS(ZnOldFormReaderCompInspConf), "#210", "ZnModelAppCompInspConf"}};
    for (LPCTSTR code : {"100102", "100103", "100104", "100105", "100106"})
        cases.push_back({code, RUNTIME_CLASS(ZnOldFormReaderRegInspConfSub), "#280", "ZnModelAppRegInspConf"});
    for (LPCTSTR code : {"100202", "100203", "100204", "100205", "100206"})
        cases.push_back({code, RUNTIME_CLASS(ZnOldFormReaderCompInspConfSub), "#210", "ZnModelAppCompInspConf"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        CPtrArray readers;
        ZnOldFormReaderTable::AppendReaders(ZnOldFormReaderTable::Rows(), c.code, readers);
        ASSERT_EQ(1, readers.GetSize());
        std::unique_ptr<ZnOldFormReader> reader(static_cast<ZnOldFormReader*>(readers[0]));
        EXPECT_EQ(c.readerClass, reader->GetRuntimeClass());
        EXPECT_EQ(CString(c.formId), reader->m_formId);
        EXPECT_EQ(CString(c.target), reader->m_targetClassName);
        EXPECT_EQ(CString(c.code), reader->m_appTypeCode);
        EXPECT_EQ(1, reader->m_indexPosition);
    }
}
