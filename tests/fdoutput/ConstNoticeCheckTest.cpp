// The check of the property's stored construction notice after a building confirmation's input
// check: the notice's second face, its building entries against the application's buildings, its
// fourth face; a notice that is missing or cannot be read; the active document left as it was.
#include "tests/fdoutput/FdOutputTestSupport.h"

#include "fdoutput/ZnConstNoticeCheck.h"
#include "model/ZnModelAppBuildConf.h"
#include "model/ZnModelAppConstNotif.h"
#include "model/ZnModelDocKinds.h"

#include <sys/stat.h>

using testsupport::TempFolder;

namespace {

// A shell that also names form files as the application does.
class NoticeShell : public fdtest::NamesShell {
public:
    CString MakeFormFileName(int formNo) const override
    {
        return ZnDocKindNames::MakeFormFileName(formNo, GetDocMode(0));
    }
};

ZnModelAppStrNotif* NewBuilding(int number, int floorsAbove, int floorsBelow)
{
    auto* building = new ZnModelAppStrNotif;
    building->m_number = number;
    building->m_use.SetCode("08010");
    building->m_multiUse.SetCode("00101");
    building->m_partStructure.SetCode("00201");
    building->m_count2 = floorsAbove;
    building->m_count3 = floorsBelow;
    return building;
}

// A notice of new buildings 7 and 3 (in that order) that the application of CompleteFacts matches
// in every point.
void FillNotice(ZnModelAppConstNotif& notice)
{
    notice.m_ownerType.SetCode("01901");
    notice.m_siteAddress.m_address = "横浜市中区1";
    notice.m_planArea.SetCode("00701");
    notice.m_constKind.SetCode("01801");
    notice.m_mainUse.m_usage.SetCode("08010");
    notice.m_buildings.AddTail(NewBuilding(7, 5, 1));
    notice.m_buildings.AddTail(NewBuilding(3, 2, 0));
    notice.m_demolition.m_present = 1;
    notice.m_demolition.m_mainUse.m_usage.SetCode("08020");
}

// A new construction of buildings 3 and 7, as the input check leaves it.
ZnBuildCheckFacts CompleteFacts()
{
    ZnBuildCheckFacts facts;
    facts.constructionKinds[0] = 1;
    facts.appliedBuildings = 2;
    facts.buildingNumbers = {3, 7};
    facts.floorsAbove = {2, 5};
    facts.floorsBelow = {0, 1};
    return facts;
}

typedef std::vector<CString> Findings;

class ConstNoticeCheckTest : public ::testing::Test {
protected:
    ConstNoticeCheckTest()
    {
        m_shell.objFolder = LinuxPathToWin(m_folder.Path()).c_str();
        m_shell.bukkenName = "物件";
        mkdir(m_folder.Path(u8"物件").c_str(), 0777);
        m_shell.docType = 1000;
        m_shell.docKindCode = 100001;
        m_shell.dataChanged = 1;
        auto* build = new ZnModelAppBuild;
        build->m_note = "申請書の備考";
        m_shell.models[0] = new ZnModelApp;
        m_shell.models[1] = build;
        m_shell.models[2] = new ZnModelAppBuildConf;
        FillNotice(m_notice);
    }

    // Stores notice as a document file of the property under name, as the document stores it.
    void StoreNotice(const ZnModelAppConstNotif& notice, const char* name = u8"Ka001.240")
    {
        ZnModelApp app;
        ZnModel* models[] = {&app, const_cast<ZnModelAppConstNotif*>(&notice)};
        WriteNoticeBytes(
            testsupport::StoreToBytes([&](CArchive& ar) { ZnModelDocKinds::SerializeSlots(ar, models, 2); }), name);
    }
    void WriteNoticeBytes(const std::string& bytes, const char* name = u8"Ka001.240")
    {
        testsupport::WriteFileBytes(m_folder.Path(std::string(u8"物件/") + name), bytes);
    }

    Findings Run(const ZnBuildCheckFacts& facts, int docMode = 32786)
    {
        m_shell.docMode = docMode;
        ZnFDOutCheckInput input;
        input.app = m_shell.models[0];
        input.form = m_shell.models[1];
        input.subForm = m_shell.models[2];
        input.docType = 1000;
        input.docMode = docMode;
        return ZnConstNoticeCheck::CheckConstNotice(input, facts);
    }

    // The active document's slots as their bytes, with the objects that hold them.
    std::string DocumentBytes()
    {
        return testsupport::StoreToBytes([&](CArchive& ar) { ZnModelDocKinds::SerializeSlots(ar, m_shell.models, 3); });
    }
    std::vector<ZnModel*> Slots() const { return {m_shell.models, m_shell.models + ZnShellState::kModelSlotCount}; }

    // Runs the check and expects the active document, the changed flag and the document kind as
    // they were.
    Findings RunLeavingTheDocument(const ZnBuildCheckFacts& facts, int docMode = 32786)
    {
        std::vector<ZnModel*> slots = Slots();
        std::string bytes = DocumentBytes();
        Findings findings = Run(facts, docMode);
        EXPECT_EQ(slots, Slots());
        EXPECT_EQ(bytes, DocumentBytes());
        EXPECT_EQ(1, m_shell.dataChanged);
        EXPECT_EQ(100001, m_shell.docKindCode);
        return findings;
    }

    TempFolder m_folder;
    NoticeShell m_shell;
    ZnModelAppConstNotif m_notice;
};

const Findings kMissing = {"", "建築工事届が入力されていません。", ""};

} // namespace

TEST_F(ConstNoticeCheckTest, ANoticeThatMatchesTheApplicationHasNoFinding)
{
    ScriptedUi ui;
    StoreNotice(m_notice);
    EXPECT_EQ(Findings(), RunLeavingTheDocument(CompleteFacts()));
    // In the notification mode the notice is Ke001.240.
    StoreNotice(m_notice, u8"Ke001.240");
    EXPECT_EQ(Findings(), RunLeavingTheDocument(CompleteFacts(), 32787));
}

TEST_F(ConstNoticeCheckTest, SecondFaceFindingsNameTheApplicationByTheMode)
{
    ScriptedUi ui;
    m_notice.m_ownerType.SetCode("");
    m_notice.m_siteAddress.m_address = "";
    m_notice.m_planArea.SetCode("");
    m_notice.m_constKind.SetCode("");
    m_notice.m_mainUse.m_usage.SetCode("");
    ZnBuildCheckFacts facts = CompleteFacts();
    facts.appliedBuildings = 3;
    StoreNotice(m_notice);
    StoreNotice(m_notice, u8"Ke001.240");
    for (int mode : {32786, 32787}) {
        CString application = mode == 32786 ? "確認申請書" : "計画通知書";
        EXPECT_EQ((Findings{
                      "建築工事届の第二面：建築主の種別コードが未入力です。",
                      "建築工事届の第二面：敷地の地名地番が未入力です。",
                      "建築工事届の第二面：都市計画が未入力です。",
                      "建築工事届の第二面：工事種別が未入力です。",
                      "建築工事届の第二面：主要用途の区分が未入力です。",
                      "建築工事届の第二面：建築物数が" + application + "の棟数と異なります。",
                  }),
                  RunLeavingTheDocument(facts, mode));
    }
}

// Each work kind matches its own construction kind of the application only; other codes never.
TEST_F(ConstNoticeCheckTest, TheWorkKindMustBeOneOfTheApplication)
{
    ScriptedUi ui;
    const CString differs = "建築工事届の第二面：工事種別が建築物の工事種別と異なります。";
    struct {
        const char* workKind;
        int kind; // the one construction kind set, 0 新築 to 3 移転
        bool matches;
    } cases[] = {
        {"01801", 0, true},  {"01802", 1, true},  {"01803", 2, true},  {"01804", 3, true},  {"01804", 0, false},
        {"01801", 3, false}, {"01802", 2, false}, {"01803", 1, false}, {"01805", 0, false}, {"01601", 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.workKind) + " against kind " + std::to_string(c.kind));
        m_notice.m_constKind.SetCode(c.workKind);
        StoreNotice(m_notice);
        ZnBuildCheckFacts facts = CompleteFacts();
        facts.constructionKinds[0] = 0;
        facts.constructionKinds[c.kind] = 1;
        EXPECT_EQ(c.matches ? Findings() : Findings{differs}, Run(facts));
    }
}

// Entries are checked in the notice's order; each is looked up by its number, so building 7 is
// compared with the application's second building. An entry the application lacks has no storey
// findings.
TEST_F(ConstNoticeCheckTest, BuildingEntriesAreComparedByTheirNumber)
{
    ScriptedUi ui;
    ZnModelAppStrNotif* seven = m_notice.m_buildings.GetHead();
    seven->m_multiUse.SetCode("");
    seven->m_use.SetCode("");
    seven->m_partStructure.SetCode("");
    seven->m_count2 = 2;
    seven->m_count3 = 0;
    m_notice.m_buildings.AddTail(NewBuilding(5, 9, 9));
    ZnBuildCheckFacts facts = CompleteFacts();
    facts.appliedBuildings = 3;
    StoreNotice(m_notice);
    StoreNotice(m_notice, u8"Ke001.240");
    for (int mode : {32786, 32787}) {
        CString application = mode == 32786 ? "確認申請書" : "計画通知書";
        EXPECT_EQ(
            (Findings{
                "建築工事届の第二面：7番の建築物の多用途種別が未入力です。",
                "建築工事届の第二面：7番の建築物の用途が未入力です。",
                "建築工事届の第二面：7番の建築物の工事部分の構造コードが未入力です。",
                "建築工事届の第二面：7番の建築物の地階を除く階数が、" + application + "の建築物の階数と異なります。",
                "建築工事届の第二面：7番の建築物の地階の階数が、" + application + "の建築物の階数と異なります。",
                "建築工事届の第二面：5番の建築物が" + application + "にありません。",
            }),
            RunLeavingTheDocument(facts, mode));
    }
}

TEST_F(ConstNoticeCheckTest, AnEntryNumberedThreeAgainstBuildingsOneAndTwoIsNotInTheApplication)
{
    ScriptedUi ui;
    m_notice.m_buildings.DeleteAll();
    m_notice.m_buildings.AddTail(NewBuilding(3, 4, 2));
    StoreNotice(m_notice);
    ZnBuildCheckFacts facts = CompleteFacts();
    facts.appliedBuildings = 1;
    facts.buildingNumbers = {1, 2};
    EXPECT_EQ(Findings{"建築工事届の第二面：3番の建築物が確認申請書にありません。"}, Run(facts));
}

// The fourth face's main use is needed only when the notice has a demolition part.
TEST_F(ConstNoticeCheckTest, TheDemolitionPartNeedsItsMainUse)
{
    ScriptedUi ui;
    m_notice.m_demolition.m_mainUse.m_usage.SetCode("");
    StoreNotice(m_notice);
    EXPECT_EQ(Findings{"建築工事届の第四面：主要用途の区分が未入力です。"}, Run(CompleteFacts()));
    m_notice.m_demolition.m_present = 0;
    StoreNotice(m_notice);
    EXPECT_EQ(Findings(), Run(CompleteFacts()));
}

// Without the mode's notice file the check says so in three entries; the other mode's file is not
// read.
TEST_F(ConstNoticeCheckTest, AMissingNoticeIsOneFindingBetweenEmptyLines)
{
    ScriptedUi ui;
    EXPECT_EQ(kMissing, RunLeavingTheDocument(CompleteFacts()));
    StoreNotice(m_notice);
    EXPECT_EQ(kMissing, RunLeavingTheDocument(CompleteFacts(), 32787));
}

// A notice file that is not an archive, or is cut short, is told as the document's open tells it
// and then counts as missing: what was read of it is not checked, and the document is untouched.
TEST_F(ConstNoticeCheckTest, AnUnreadableNoticeIsToldAndCountsAsMissing)
{
    ZnModelApp app;
    ZnModel* models[] = {&app, &m_notice};
    std::string whole =
        testsupport::StoreToBytes([&](CArchive& ar) { ZnModelDocKinds::SerializeSlots(ar, models, 2); });
    for (const std::string& bytes : {std::string("not a document"), whole.substr(0, whole.size() - 3)}) {
        RecordingUi ui;
        WriteNoticeBytes(bytes);
        EXPECT_EQ(kMissing, RunLeavingTheDocument(CompleteFacts()));
        ASSERT_EQ(1u, ui.messageBoxes.size());
        EXPECT_EQ("予期しないファイル形式です。", ui.messageBoxes[0].text);
        EXPECT_EQ(UINT(MB_ICONEXCLAMATION), ui.messageBoxes[0].type & MB_ICONMASK);
    }
}
