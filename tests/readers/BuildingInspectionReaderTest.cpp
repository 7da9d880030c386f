// The reader of a building's interim and completion inspection forms, with the building
// confirmation embedded.
#include "tests/readers/InspectionReaderTestSupport.h"

#include "model/ZnModelAppBuildConf.h"
#include "readers/ZnOldFormReaderCompInspConf.h"
#include "readers/ZnOldFormReaderCompInspConfSub.h"
#include "readers/ZnOldFormReaderRegInspConf.h"
#include "readers/ZnOldFormReaderRegInspConfSub.h"

using namespace inspreadertest;

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

TEST(BuildingInspectionReader, EmbedsWhatTheFactorysBuildingConfirmationReaderReads)
{
    auto makeConfReader = [] {
        return std::unique_ptr<ZnOldFormReader>(
            ZnOldFormReaderTable::CreateReaderOf(ZnOldFormReaderTable::Rows(), "ZnModelAppBuildConf"));
    };
    if (!makeConfReader())
        GTEST_SKIP() << "the factory has no building confirmation reader";
    for (LPCTSTR code : {"100101", "100201"}) {
        SCOPED_TRACE(code);
        Floppy floppy;
        for (const char* name : {"Ksq001.280", "Ksq001.210", "Ksq001.110", "Ksq001.120", "Ksq001.130", "Ksq002.130"})
            std::filesystem::copy_file(
                testsupport::DataPath(std::string("readers/inspection_building/Keikaku/") + name), floppy.Form(name));
        std::unique_ptr<ZnOldFormReader> reader;
        if (CString(code) == "100101")
            reader = floppy.MakeReader<ZnOldFormReaderRegInspConf>(code);
        else
            reader = floppy.MakeReader<ZnOldFormReaderCompInspConf>(code);
        reader->m_rowNumbers.Add("R2");
        auto app = Read(*reader);
        ASSERT_TRUE(app);
        ASSERT_TRUE(app->m_baseApp);
        EXPECT_STREQ("ZnModelAppBuild", app->m_baseApp->GetRuntimeClass()->m_lpszClassName);

        // The building part of what the confirmation reader reads on its own from the same folder.
        std::unique_ptr<ZnOldFormReader> confReader = makeConfReader();
        confReader->m_basePath = reader->m_basePath;
        confReader->m_formFolder = reader->m_formFolder;
        confReader->m_appTypeCode = code;
        confReader->m_indexColumns[ZnOldFormReader::columnBuildings] = "2";
        confReader->m_rowNumbers.Add("R1");
        confReader->m_rowNumbers.Add("R2");
        std::unique_ptr<ZnModelApp> conf(confReader->Read());
        ASSERT_TRUE(conf && conf->IsKindOf(RUNTIME_CLASS(ZnModelAppBuild)));
        auto* build = static_cast<ZnModelAppBuild*>(conf.get());
        EXPECT_EQ(2, build->m_buildPageList.GetCount());
        EXPECT_EQ(
            testsupport::Hex(testsupport::StoreToBytes([&](CArchive& ar) { build->ZnModelAppBuild::Serialize(ar); })),
            testsupport::Hex(testsupport::StoreToBytes([&](CArchive& ar) { app->m_baseApp->Serialize(ar); })));
        // Its groups carry building number 1.
        const ZnModelNumGroupList& groups = app->m_baseApp->m_header.m_localData.m_buildingNumGroups;
        ASSERT_EQ(2, groups.GetCount());
        EXPECT_EQ(1, groups.GetHead()->m_itemNumber);
        EXPECT_EQ(1, groups.GetTail()->m_itemNumber);
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
        for (ZnOldFormReader* reader : std::initializer_list<ZnOldFormReader*>{interim.get(), completion.get(),
                                                                               other.get(), otherCompletion.get()})
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

TEST(BuildingInspectionReader, RecordsOneFieldShortOfTheirItemChangeNothing)
{
    // Each item's least field count, field 0 counted. The certificate's number and date show
    // only through a later issuer record.
    struct Case {
        int code;
        int minFields;
    };
    const std::vector<Case> interim = {{28010, 6}, {28020, 12}, {28030, 12}, {28040, 6}, {28050, 12}, {28060, 8},
                                       {28070, 2}, {28080, 3},  {28090, 3},  {28100, 2}, {28110, 2},  {28120, 2},
                                       {28130, 2}, {28140, 2},  {28150, 4},  {28160, 6}, {28170, 4},  {28180, 3},
                                       {28190, 2}, {28200, 6},  {28210, 12}, {28220, 6}, {28230, 12}, {28240, 8},
                                       {28250, 3}, {28260, 2},  {28270, 6},  {28280, 4}, {28290, 3},  {28900, 3}};
    const std::vector<Case> completion = {{21010, 6}, {21020, 12}, {21030, 12}, {21040, 6},  {21050, 12}, {21060, 8},
                                          {21070, 2}, {21080, 3},  {21090, 3},  {21100, 2},  {21110, 2},  {21120, 2},
                                          {21130, 2}, {21140, 2},  {21150, 2},  {21160, 6},  {21170, 3},  {21180, 2},
                                          {21200, 6}, {21210, 12}, {21220, 6},  {21230, 12}, {21240, 8},  {21250, 3},
                                          {21260, 2}, {21270, 6},  {21280, 3},  {21900, 3}};
    for (bool isCompletion : {false, true}) {
        Floppy floppy;
        const char* extension = isCompletion ? "210" : "280";
        std::string file = std::string("Ksq001.") + extension;
        std::unique_ptr<ZnOldFormReader> reader;
        if (isCompletion)
            reader = floppy.MakeReader<ZnOldFormReaderCompInspConf>("100201");
        else
            reader = floppy.MakeReader<ZnOldFormReaderRegInspConf>("100101");
        for (const Case& c : isCompletion ? completion : interim) {
            SCOPED_TRACE(c.code);
            bool certificatePart = c.code % 1000 == 100 || c.code % 1000 == 110;
            std::string issuer = certificatePart ? "\n#" + std::to_string(c.code / 1000) + "120,\"X\"" : "";
            auto record = [&](int fields) {
                std::string text = "#" + std::to_string(c.code);
                for (int i = 1; i < fields; ++i)
                    text += ",\"01601\"";
                return text;
            };
            floppy.Write(file, issuer);
            std::string unchanged = ListingOf(*reader);
            floppy.Write(file, record(c.minFields - 1) + issuer);
            EXPECT_EQ(unchanged, ListingOf(*reader));
            floppy.Write(file, record(c.minFields) + issuer);
            EXPECT_NE(unchanged, ListingOf(*reader));
        }
    }
}

TEST(BuildingInspectionReader, ConstructionKindCodesSetOneFlagEach)
{
    Floppy floppy;
    auto reader = floppy.MakeReader<ZnOldFormReaderRegInspConf>("100101");
    const std::pair<LPCTSTR, LPCTSTR> cases[] = {{"01601", "1000000"}, {"01602", "0100000"}, {"01603", "0010000"},
                                                 {"01604", "0001000"}, {"01605", "0000000"}, {"01606", "0000100"},
                                                 {"01607", "0000010"}, {"01608", "0000001"}, {"01609", "0000000"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        floppy.Write("Ksq001.280", std::string("#28260,\"") + c.first + "\"");
        EXPECT_EQ(std::string("kinds\t") + c.second, Line(ListingOf(*reader), "kinds"));
    }
}
