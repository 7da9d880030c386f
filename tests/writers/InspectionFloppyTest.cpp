// The floppy output of an inspection: the medium and index files, then the confirmation
// application that the inspection rests on, after the inspection's own data file.
#include "tests/writers/FloppyTestSupport.h"

#include "model/ZnModelAppBuild.h"
#include "model/ZnModelAppCompInspConf.h"
#include "model/ZnModelAppRegInspConf.h"
#include "model/ZnModelAppSemiStr.h"
#include "writers/fdoutput/ZnFloppyMedium.h"
#include "writers/xml/ZnAppDocFDOut16.h"
#include "writers/xml/ZnAppDocFDOut30.h"

#include <sstream>

using namespace floppytest;
using testsupport::Hex;
using testsupport::ReadFileBytes;
using testsupport::ReadHexFixture;
using testsupport::WriteFileBytes;
using ziptest::Snapshot;

namespace {

const UINT kInfo = MB_OK | MB_ICONINFORMATION;
const UINT kStop = MB_OK | MB_ICONSTOP;
const char kNoApplication[] = "検査の対象となる確認申請書のデータがありません。";

// The lines first to last (counted from 1) of a text with CR LF line ends.
std::string Lines(const std::string& text, int first, int last)
{
    std::string result;
    std::istringstream in(text);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number)
        if (number >= first && number <= last)
            result += line + "\n";
    return result;
}

class InspectionFloppyTest : public FloppyTest {
protected:
    InspectionFloppyTest() { mkdir(RootPath("Keikaku").c_str(), 0777); }

    CString DataPath() const { return ZnFloppyMedium::DataFilePath(Root()); }
    std::string Data() { return ReadFileBytes(RootPath(u8"Keikaku/申請書データ.xml")); }

    // A stored application document's root and form, as one application object of class
    // Application: its form with the root's fields.
    template <typename Application> Application* StoredApplication(const char* document)
    {
        writertest::WriterShell stored;
        stored.Install(document);
        Application* application = new Application(stored.Get<Application>(ZnShellState::formModelSlot));
        static_cast<ZnModelApp&>(*application) = stored.Get<ZnModelApp>(ZnShellState::appModelSlot);
        return application;
    }
    template <typename Inspection> Inspection& InspectionModel()
    {
        return shell_.Get<Inspection>(ZnShellState::subFormModelSlot);
    }
    // The active document holds only a new empty application root.
    void ExpectOnlyAnEmptyRoot()
    {
        ZnModelApp empty;
        EXPECT_EQ(
            std::vector<std::string>({testsupport::StoreToBytes([&](CArchive& ar) { empty.Serialize(ar); }), "", ""}),
            StoredSlots());
    }
};

} // namespace

// The form number by document type, the index files with the certificate group given, and the
// maps of PrepareFDWithMaps; an unsupported map ends it with its message and no index files.
TEST_F(InspectionFloppyTest, PreparingTheMedium)
{
    shell_.Install("inspection_interim_building");
    ZnAppDocFDOut30 interim;
    EXPECT_EQ(1, interim.PrepareFD(Root(), 0, -1));
    EXPECT_EQ("#280\r\n", ReadFileBytes(RootPath("Sinsei/filename")));

    shell_.Install("inspection_completion_lift");
    ZnAppDocFDOut30 completion;
    EXPECT_EQ(1, completion.PrepareFD(Root(), 1, 1));
    EXPECT_EQ("#210\r\n", ReadFileBytes(RootPath("Sinsei/filename")));
    EXPECT_EQ(0u, ReadFileBytes(RootPath("Info/filename.iba")).find("#000,"));

    WriteFileBytes(register_.Path("map.bmp"), ReadHexFixture("writers/bitmap_v5_header.hex"));
    ui_.AnswerMessageBox(IDOK);
    EXPECT_EQ(0, ZnAppDocFDOut30().PrepareFDWithMaps(Root(), 0, WinPath(register_.Path("map.bmp")), ""));
    EXPECT_EQ(Messages_t({{"この見取図のビットマップファイルはサポートされない形式です。", kStop}}), TakeMessages());
    EXPECT_EQ(0u, Snapshot(RootPath()).count("Sinsei/filename"));
}

// An interim building inspection: the inspection document, then faces two to five of its
// building application, without the lift and structure lists that only a confirmation carries.
// The document is left with an empty root. A completion inspection and the notification mode
// change the title.
TEST_F(InspectionFloppyTest, TheBuildingFollowsTheInspection)
{
    struct {
        int docType, docMode;
        const char* title;
    } cases[] = {
        {1002, 32786, "中間検査申請書_建築物_"},
        {1005, 32786, "完了検査申請書_建築物_"},
        {1002, 32787, "特定工程工事終了通知書_建築物_"},
    };
    std::string building = writertest::Expected("building_application_confirmation.xml");
    std::string faces = Lines(building, 12, 287) + Lines(building, 365, 872);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        shell_.Install("inspection_interim_building");
        ASSERT_EQ(ZnWriteOutcome::written, ZnAppDocFDOut30::WriteXml(2, 0, DataPath()));
        std::string inspection = Data();
        if (c.docType == 1005)
            shell_.ReplaceModel(ZnShellState::subFormModelSlot, new ZnModelAppCompInspConf);
        shell_.docType = c.docType;
        shell_.docMode = c.docMode;
        InspectionModel<ZnModelAppInspConf>().m_baseApp.Reset(
            StoredApplication<ZnModelAppBuild>("building_application_confirmation"));
        shell_.converterRuns.clear();
        ui_.AnswerMessageBox(IDOK);
        ZnAppDocFDOut30::WriteBuildFaces(DataPath());
        EXPECT_EQ(Messages_t({{CString(c.title) + "のFD出力が終了しました", kInfo}}), TakeMessages());
        EXPECT_EQ(std::vector<CString>{DataPath()}, shell_.converterRuns);
        if (c.docType == 1002 && c.docMode == 32786)
            EXPECT_EQ(Hex(writertest::Expected("inspection_interim_building.xml") + faces), Hex(Data()));
        else
            EXPECT_EQ(Hex(inspection + faces), Hex(Data()));
        ExpectOnlyAnEmptyRoot();
    }
}

// A completion inspection of an Article 88(2) structure: the structure's document follows the
// inspection's in the same file.
TEST_F(InspectionFloppyTest, TheStructureFollowsTheInspection)
{
    shell_.Install("inspection_completion_lift");
    shell_.objKind = 1018;
    ASSERT_EQ(ZnWriteOutcome::written, ZnAppDocFDOut30::WriteXml(1, 0, DataPath()));
    std::string inspection = Data();
    ZnModelAppSemiStr* structure = StoredApplication<ZnModelAppSemiStr>("semi_structure_confirmation");
    InspectionModel<ZnModelAppCompInspConf>().m_baseApp.Reset(structure);
    // The structure's own document, as it is written for the active document on its own.
    ZnModelAppSemiStr copy(*structure);
    ZnModel* held[] = {shell_.ExchangeModel(0, new ZnModelApp(copy)),
                       shell_.ExchangeModel(1, new ZnModelAppSemiStr(copy))};
    CString alone = WinPath(register_.Path("alone.xml"));
    ASSERT_EQ(ZnWriteOutcome::written, ZnAppDocFDOut16::WriteXml(alone, 0, "", ""));
    shell_.ReplaceModel(0, held[0]);
    shell_.ReplaceModel(1, held[1]);
    std::string structureDocument = ReadFileBytes(register_.Path("alone.xml"));

    ui_.AnswerMessageBox(IDOK);
    ZnAppDocFDOut30::WriteSemiStrXml(DataPath());
    EXPECT_EQ(Messages_t({{"完了検査申請書_工作物（法第88条2項）_のFD出力が終了しました", kInfo}}), TakeMessages());
    EXPECT_EQ(Hex(inspection + structureDocument), Hex(Data()));
    EXPECT_EQ(std::vector<CString>{DataPath()}, shell_.converterRuns);
    ExpectOnlyAnEmptyRoot();
}

// Without the application its operation writes (none, one of the other family, or a structure
// asked of an interim inspection) the output is told and ends: the data file and the document
// stay as they were.
TEST_F(InspectionFloppyTest, AnInspectionWithoutItsApplicationIsTold)
{
    struct {
        const char* document;
        ZnModelApp* application;
        bool structure;
    } cases[] = {
        {"inspection_interim_building", nullptr, false},
        {"inspection_interim_building", new ZnModelAppSemiStr, false},
        {"inspection_completion_lift", new ZnModelAppBuild, true},
        {"inspection_interim_building", new ZnModelAppSemiStr, true},
    };
    for (const auto& c : cases) {
        shell_.Install(c.document);
        InspectionModel<ZnModelAppInspConf>().m_baseApp.Reset(c.application);
        WriteFileBytes(RootPath(u8"Keikaku/申請書データ.xml"), "inspection");
        std::vector<std::string> before = StoredSlots();
        ui_.AnswerMessageBox(IDOK);
        if (c.structure)
            ZnAppDocFDOut30::WriteSemiStrXml(DataPath());
        else
            ZnAppDocFDOut30::WriteBuildFaces(DataPath());
        EXPECT_EQ(Messages_t({{kNoApplication, kStop}}), TakeMessages());
        EXPECT_EQ("inspection", Data());
        EXPECT_EQ(before, StoredSlots());
        EXPECT_TRUE(shell_.converterRuns.empty());
    }
}

// A medium too full for the faces: the cut-off data file is removed and told, with no converter
// run and no completion message.
TEST_F(InspectionFloppyTest, AFullMediumEndsTheOutput)
{
    shell_.Install("inspection_interim_building");
    InspectionModel<ZnModelAppInspConf>().m_baseApp.Reset(
        StoredApplication<ZnModelAppBuild>("building_application_confirmation"));
    WriteFileBytes(RootPath(u8"Keikaku/申請書データ.xml"), "inspection");
    ui_.AnswerMessageBox(IDOK);
    {
        ziptest::FileSizeLimit limit(1000);
        ZnAppDocFDOut30::WriteBuildFaces(DataPath());
    }
    EXPECT_EQ(Messages_t({{"ファイルの書き込み(申請書データ.xml)に失敗しました。", kStop}}), TakeMessages());
    EXPECT_EQ(0u, Snapshot(RootPath()).count(u8"Keikaku/申請書データ.xml"));
    EXPECT_TRUE(shell_.converterRuns.empty());
}
