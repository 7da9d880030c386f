// The floppy output of a building application as a whole: onto the drive A:, and ended by the
// step that fails.
#include "tests/writers/FloppyTestSupport.h"
#include "tests/writers/TextFormFixtures.h"
#include "tests/writers/XmlCheck.h"

#include "model/ZnModelDocKinds.h"
#include "platform/files/WinDrive.h"
#include "writers/xml/ZnAppDocFDOut11.h"

#include <functional>

using namespace floppytest;
using testsupport::Hex;
using testsupport::ReadFileBytes;
using testsupport::ReadHexFixture;
using testsupport::WriteFileBytes;
using ziptest::Snapshot;

namespace {

class FloppyOutputTest : public FloppyTest {
protected:
    FloppyOutputTest()
    {
        SetDriveFolder('A', RootPath());
        siteMap_ = ReadHexFixture("writers/bitmap_info40_1x1.hex");
        layout_ = ReadHexFixture("writers/bitmap_core12_4x4.hex");
        WriteFileBytes(register_.Path("site.bmp"), siteMap_);
        WriteFileBytes(register_.Path("layout.bmp"), layout_);
    }
    ~FloppyOutputTest() override { ResetDriveTable(); }

    // A stored building document in the active document, as the output page has it.
    void Install(const char* document, int docType, int docKindCode)
    {
        shell_.Install(document);
        shell_.docType = docType;
        shell_.objKind = 1009;
        shell_.docKindCode = docKindCode;
        shell_.dataChanged = 1;
    }
    void Output() { ZnAppDocFDOut11::OutputFD("A:", 0, MapPath("site.bmp"), MapPath("layout.bmp")); }
    CString MapPath(const char* name) const { return WinPath(register_.Path(name)); }

    std::string siteMap_, layout_;
};

} // namespace

// A confirmation and a plan change each leave the medium with the data file that the export
// writes for the document, the two index files and the maps, and the maps in the property's
// folder, without a message; an earlier output's files are gone, and the document is as it was.
TEST_F(FloppyOutputTest, ABuildingApplicationGoesOntoTheDriveWhole)
{
    struct {
        const char* document;
        int docType, docKindCode;
        const char* forms; // Sinsei\filename
    } cases[] = {
        {"building_application_confirmation", 1000, 100001, "#110\r\n#120\r\n#130\r\n#140\r\n#240\r\n"},
        {"building_application_plan_change", 1008, 100301, "#110\r\n#120\r\n#130\r\n#140\r\n#410\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.document);
        Install(c.document, c.docType, c.docKindCode);
        ZnModel* slots[] = {shell_.GetModel(0), shell_.GetModel(1), shell_.GetModel(2)};
        std::vector<std::string> stored = StoredSlots();
        mkdir(RootPath("Keikaku").c_str(), 0777);
        WriteFileBytes(RootPath("Keikaku/Ksq001.240"), "an earlier output");

        Output();
        EXPECT_EQ(Messages_t(), TakeMessages());
        std::map<std::string, std::string> files = Snapshot(RootPath());
        std::string data = files[u8"Keikaku/申請書データ.xml"];
        EXPECT_EQ(Hex(writertest::Expected(std::string(c.document) + ".xml")), Hex(data));
        EXPECT_TRUE(xmlcheck::IsWellFormed(data));
        EXPECT_EQ(c.forms, files["Sinsei/filename"]);
        EXPECT_EQ(0u, files["Info/filename.iba"].find("#000,"));
        EXPECT_EQ(siteMap_, files["Mitori/Ksq310.bmp"]);
        EXPECT_EQ(layout_, files["Haichi/Ksq330.bmp"]);
        EXPECT_EQ(10u, files.size()); // these and their five folders
        EXPECT_EQ(siteMap_, ReadFileBytes(PropertyPath("Ksq310.bmp")));
        EXPECT_EQ(layout_, ReadFileBytes(PropertyPath("Ksq330.bmp")));

        EXPECT_EQ(1, shell_.dataChanged);
        for (int slot = 0; slot < 3; ++slot)
            EXPECT_EQ(slots[slot], shell_.GetModel(slot));
        EXPECT_EQ(stored, StoredSlots());
    }
}

// A medium, map or index step that fails ends the output with its one message and no data file;
// a data file that the medium cannot hold is told and removed.
TEST_F(FloppyOutputTest, AFailingStepEndsTheOutputWithItsOneMessage)
{
    Install("building_application_confirmation", 1000, 100001);
    std::string dataFile = u8"Keikaku/申請書データ.xml";
    struct {
        const char* message;
        std::function<void()> setUp;
        rlim_t sizeLimit; // the largest file the medium takes
    } cases[] = {
        {"データを出力できません。下記をご確認ください。\n①   メディア（フロッピーなど）が入っていない。\n"
         "②   メディアが書き込み禁止になっている。\n③   Kelmoでは出力できないドライブを指定している。",
         [] { SetDriveFolder('A', ""); }, RLIM_INFINITY},
        {"この配置図のビットマップファイルはサポートされない形式です。",
         [this] { WriteFileBytes(register_.Path("layout.bmp"), ReadHexFixture("writers/bitmap_v5_header.hex")); },
         RLIM_INFINITY},
        // The maps and the form list fit, the information file does not.
        {"ファイルの書き込み(filename.iba)に失敗しました。", [] {}, 200},
        // Everything but the data file fits: it is told and removed.
        {"ファイルの書き込み(申請書データ.xml)に失敗しました。", [] {}, 2000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        SetDriveFolder('A', RootPath());
        WriteFileBytes(register_.Path("layout.bmp"), layout_);
        c.setUp();
        ui_.AnswerMessageBox(IDOK);
        {
            ziptest::FileSizeLimit limit(c.sizeLimit);
            Output();
        }
        EXPECT_EQ((Messages_t{{c.message, MB_OK | MB_ICONSTOP}}), TakeMessages());
        EXPECT_EQ(0u, Snapshot(RootPath()).count(dataFile));
    }
    EXPECT_EQ(1u, Snapshot(RootPath()).count("Info/filename.iba"));
}

// A confirmation hands over to the property's stored construction notification (Ka001.240, in the
// notification mode Ke001.240): its form and supervisor files follow the data file, and the
// document keeps its very objects, their unsaved state, the changed flag and the document kind.
// A plan change never hands over; a notification cut off in its second object (the index step
// reads only the first) is told as the document's open tells it, and gives no form.
TEST_F(FloppyOutputTest, AConfirmationHandsOverToTheStoredConstructionNotification)
{
    ZnModelApp app;
    textformtest::FillApp(app, false);
    ZnModelAppConstNotif notification;
    textformtest::FillConstruction(notification, 1);
    ZnModel* models[] = {&app, &notification};
    std::string stored =
        testsupport::StoreToBytes([&](CArchive& ar) { ZnModelDocKinds::SerializeSlots(ar, models, 2); });
    struct {
        int docType, docMode;
        const char* file;
        bool handedOver;
    } cases[] = {
        {1000, 32786, "Ka001.240", true},
        {1000, 32787, "Ke001.240", true},
        {1008, 32786, "Ka001.240", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        Install(c.docType == 1000 ? "building_application_confirmation" : "building_application_plan_change", c.docType,
                100001);
        shell_.docMode = c.docMode;
        // An unsaved change of the document's own.
        shell_.Get<ZnModelApp>(0).m_submissionDestination = "未保存";
        ZnModel* slots[] = {shell_.GetModel(0), shell_.GetModel(1), shell_.GetModel(2)};
        std::vector<std::string> before = StoredSlots();
        WriteFileBytes(PropertyPath(c.file), stored);

        Output();
        EXPECT_EQ(Messages_t(), TakeMessages());
        std::map<std::string, std::string> files = Snapshot(RootPath());
        if (c.handedOver) {
            EXPECT_EQ(Hex(writertest::Expected("forms/construction_with_demolition.240")),
                      Hex(files["Keikaku/Ksq001.240"]));
            EXPECT_EQ(Hex(writertest::Expected("forms/construction_supervisor.xml")), Hex(files["Keikaku/~002.xml"]));
        } else {
            EXPECT_EQ(0u, files.count("Keikaku/Ksq001.240"));
        }
        for (int slot = 0; slot < 3; ++slot)
            EXPECT_EQ(slots[slot], shell_.GetModel(slot));
        EXPECT_EQ(before, StoredSlots());
        EXPECT_EQ(1, shell_.dataChanged);
        EXPECT_EQ(100001, shell_.docKindCode);
        unlink(PropertyPath(c.file).c_str());
    }

    Install("building_application_confirmation", 1000, 100001);
    std::vector<std::string> before = StoredSlots();
    WriteFileBytes(PropertyPath("Ka001.240"), stored.substr(0, stored.size() - 4));
    ui_.AnswerMessageBox(IDOK);
    Output();
    Messages_t messages = TakeMessages();
    ASSERT_EQ(1u, messages.size());
    EXPECT_EQ(UINT(MB_ICONEXCLAMATION), messages[0].second);
    EXPECT_EQ(0u, Snapshot(RootPath()).count("Keikaku/Ksq001.240"));
    EXPECT_EQ(before, StoredSlots());
}
