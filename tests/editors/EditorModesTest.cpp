// The mode machine of every editor: what 新規, 編集, 複写, 削除, ｷｬﾝｾﾙ and 登録 show and store,
// with the table read back after each step and compared with the rows worked out by hand.
#include "tests/editors/EditorTestSupport.h"

#include "platform/database/AfxDao.h"
#include "platform/wnd/UserInput.h"
#include "res/CommonDataIds.h"

#include <map>

namespace {

using Modes = EditorTest;

INSTANTIATE_TEST_SUITE_P(Editors, Modes, ::testing::ValuesIn(EditorCases()),
                         [](const auto& info) { return info.param.name; });

std::vector<std::string> With(std::vector<std::string> rows, const std::string& row)
{
    rows.push_back(row);
    return rows;
}

} // namespace

TEST_P(Modes, TheListShowsInitiallySelectedRowsFirstEachGroupInKeyOrder)
{
    Open();
    EXPECT_EQ(Case().listed, Listed());
    CListCtrl& list = Editor().GetList();
    ASSERT_EQ(static_cast<int>(Case().headings.size()), list.GetColumnCount());
    for (int i = 0; i < list.GetColumnCount(); ++i)
        EXPECT_EQ(Case().headings[i], cp932::ToUtf8(list.GetColumnHeading(i).Bytes()));
    // The first column takes the list's client width less the scroll bar's 17 pixels and, where
    // the reading is shown, its 360. At 9 points a dialog unit is 6/4 pixel across: a list 280 units wide from
    // x = 10 is 435 - 15 = 420 pixels, 418 inside its border; 289 units give 432, 292 give 436.
    const std::map<std::string, int> firstColumn = {
        {"Shinseisha", 41}, {"Kenchikunushi", 41}, {"Sekkeisha", 401},   {"Setsubisha", 401},
        {"Sekousha", 415},  {"ChimeiChiban", 401}, {"Yane", 401},        {"Gaiheki", 401},
        {"TokuteiKoutei", 419}};
    EXPECT_EQ(firstColumn.at(Case().name), list.GetColumnWidth(0));
    if (list.GetColumnCount() == 2) {
        // The second column shows the reading of each row.
        EXPECT_EQ(360, list.GetColumnWidth(1));
        for (int i = 0; i < list.GetItemCount(); ++i) {
            std::string row = Case().listed[i] + "|" + cp932::ToUtf8(list.GetItemText(i, 1).Bytes()) + "|";
            EXPECT_NE(Case().rows.end(),
                      std::find_if(Case().rows.begin(), Case().rows.end(),
                                   [&](const std::string& r) { return r.compare(0, row.size(), row) == 0; }))
                << row;
        }
    }
    // Browsing: every field empty and disabled, nothing loaded.
    for (const auto& field : Case().fields)
        EXPECT_FALSE(Editor().GetDlgItem(static_cast<int>(field.first))->IsWindowEnabled());
    EXPECT_EQ(0, Editor().GetMode());
    EXPECT_EQ(Case().rows, Table());
}

TEST_P(Modes, ANewRowIsStoredWithTheTableDefaults)
{
    Open();
    Click(IDC_CD_NEW);
    EXPECT_EQ(1, Editor().GetMode());
    EXPECT_EQ(static_cast<int>(Case().focusId), FocusId());
    EXPECT_EQ(std::string(Case().fields.size() - 1, '|'), Fields());
    EXPECT_EQ("", std::string(Editor().GetKey().Bytes()));
    TypeInput();
    Click(IDC_CD_REGISTER);
    EXPECT_EQ(std::vector<std::string>{}, Messages());
    EXPECT_EQ(0, Editor().GetMode());
    EXPECT_EQ(std::string(Case().fields.size() - 1, '|'), Fields());
    EXPECT_FALSE(Editor().GetDlgItem(static_cast<int>(Case().keyId))->IsWindowEnabled());
    EXPECT_EQ(With(Case().rows, Case().newRow), Table());
    std::vector<std::string> listed = Listed();
    EXPECT_EQ(static_cast<size_t>(6), listed.size());
    EXPECT_NE(listed.end(), std::find(listed.begin(), listed.end(), Case().input[0]));
}

TEST_P(Modes, EditingLoadsTheRowAndStoringItUnchangedRewritesIt)
{
    Open();
    const std::string key = Case().listed[3];
    Select(key);
    Click(IDC_CD_EDIT);
    EXPECT_EQ(2, Editor().GetMode());
    EXPECT_EQ(key, cp932::ToUtf8(Editor().GetKey().Bytes()));
    EXPECT_EQ(static_cast<int>(Case().focusId), FocusId());
    EXPECT_EQ(key, Text(Case().keyId));
    Click(IDC_CD_REGISTER);
    EXPECT_EQ(std::vector<std::string>{}, Messages());
    EXPECT_EQ(0, Editor().GetMode());
    EXPECT_EQ("", std::string(Editor().GetKey().Bytes()));
    EXPECT_EQ(Case().rows, Table());
    EXPECT_EQ(Case().listed, Listed());
}

TEST_P(Modes, AnEditedKeyMayNotTakeAnotherListedKey)
{
    Open();
    Select(Case().listed[1]);
    Click(IDC_CD_EDIT);
    Type(Case().keyId, Case().listed[2]);
    Answer();
    Click(IDC_CD_REGISTER);
    EXPECT_EQ(std::vector<std::string>{Labelled(u8"編集後のLは他のLと重複しています。 [error]")}, Messages());
    EXPECT_EQ(2, Editor().GetMode());
    EXPECT_EQ(static_cast<int>(Case().keyId), FocusId());
    EXPECT_EQ(Case().listed[2], Text(Case().keyId));
    EXPECT_EQ(Case().rows, Table());

    // Renamed to a free key, the row keeps every other column.
    Type(Case().keyId, u8"改名");
    Click(IDC_CD_REGISTER);
    std::vector<std::string> rows = Case().rows;
    for (std::string& row : rows)
        if (row.compare(0, Case().listed[1].size() + 1, Case().listed[1] + "|") == 0)
            row = u8"改名" + row.substr(Case().listed[1].size());
    EXPECT_EQ(rows, Table());
}

TEST_P(Modes, ACopiedRowNeedsANewKeyAndLeavesItsSourceAlone)
{
    Open();
    const std::string key = Case().listed[2];
    Select(key);
    Click(IDC_CD_COPY);
    EXPECT_EQ(3, Editor().GetMode());
    EXPECT_EQ(key, cp932::ToUtf8(Editor().GetKey().Bytes()));
    std::string loaded = Fields();
    Answer();
    Click(IDC_CD_REGISTER);
    EXPECT_EQ(std::vector<std::string>{Labelled(u8"指定のLは既に登録済みです。 [error]")}, Messages());
    EXPECT_EQ(3, Editor().GetMode());
    EXPECT_EQ(loaded, Fields());
    EXPECT_EQ(Case().rows, Table());

    Type(Case().keyId, key + u8"２");
    Click(IDC_CD_REGISTER);
    // The copy takes the source's values and the table's defaults for the columns never written.
    EXPECT_EQ(With(Case().rows, Case().copied), Table());
}

TEST_P(Modes, DeletingAsksAndOnlyOkDeletes)
{
    Open();
    const std::string key = Case().listed[0]; // the key with single quotes
    Select(key);
    Answer(IDCANCEL);
    Click(IDC_CD_DELETE);
    EXPECT_EQ(std::vector<std::string>{key + u8" を削除してもよろしいですか？ [question,okcancel]"}, Messages());
    EXPECT_EQ(0, Editor().GetMode());
    EXPECT_EQ(Case().rows, Table());

    Answer(IDOK);
    Click(IDC_CD_DELETE);
    EXPECT_EQ(static_cast<size_t>(1), Messages().size());
    EXPECT_EQ(0, Editor().GetMode());
    EXPECT_EQ(FixtureRowsWithout(key), Table());
    EXPECT_EQ(std::vector<std::string>(Case().listed.begin() + 1, Case().listed.end()), Listed());
}

TEST_P(Modes, WithoutASelectionEachButtonSaysSoAndKeepsTheInput)
{
    Open();
    Click(IDC_CD_NEW);
    TypeInput();
    const std::string typed = Fields();
    for (UINT button : {IDC_CD_EDIT, IDC_CD_COPY, IDC_CD_DELETE, IDC_CD_COPY_TO_DIR}) {
        Answer();
        Click(button);
    }
    EXPECT_EQ((std::vector<std::string>{Labelled(u8"編集するLを選択してください。 [error]"),
                                        Labelled(u8"編集するLを選択してください。 [error]"),
                                        Labelled(u8"削除するLを選択してください。 [error]"),
                                        u8"コピーするデータを選択してください。 [error]"}),
              Messages());
    // Still a new row: 登録 stores what was typed.
    EXPECT_EQ(1, Editor().GetMode());
    EXPECT_EQ(typed, Fields());
    Click(IDC_CD_REGISTER);
    EXPECT_EQ(With(Case().rows, Case().newRow), Table());
}

TEST_P(Modes, StoringWithoutAKeyAsksForIt)
{
    Open();
    Answer();
    Click(IDC_CD_REGISTER);
    Click(IDC_CD_NEW);
    TypeInput();
    Type(Case().keyId, "");
    Answer();
    Click(IDC_CD_REGISTER);
    EXPECT_EQ(std::vector<std::string>(2, Labelled(u8"Lを入力してください。 [error]")), Messages());
    EXPECT_EQ(1, Editor().GetMode());
    EXPECT_EQ(static_cast<int>(Case().keyId), FocusId());
    EXPECT_EQ(Case().rows, Table());
    // A key already listed, then a free one.
    Type(Case().keyId, Case().listed[4]);
    Answer();
    Click(IDC_CD_REGISTER);
    EXPECT_EQ(std::vector<std::string>{Labelled(u8"指定のLは既に登録済みです。 [error]")}, Messages());
    Type(Case().keyId, Case().input[0]);
    Click(IDC_CD_REGISTER);
    EXPECT_EQ(With(Case().rows, Case().newRow), Table());
}

TEST_P(Modes, CancelDropsTheInputAndTheSelection)
{
    Open();
    Select(Case().listed[1]);
    Click(IDC_CD_EDIT);
    Type(Case().keyId, u8"捨てる");
    Click(IDC_CD_CANCEL);
    EXPECT_EQ(0, Editor().GetMode());
    EXPECT_EQ(std::string(Case().fields.size() - 1, '|'), Fields());
    EXPECT_EQ(0u, Editor().GetList().GetSelectedCount());
    EXPECT_EQ(Case().rows, Table());
}

TEST_P(Modes, EnterAndEscapeDoNothing)
{
    Open();
    Click(IDC_CD_NEW);
    TypeInput();
    const std::string typed = Fields();
    UserInput::PressEnter(Editor());
    UserInput::PressEscape(Editor());
    EXPECT_TRUE(Editor().GetStyle() & WS_VISIBLE);
    EXPECT_EQ(1, Editor().GetMode());
    EXPECT_EQ(typed, Fields());
    EXPECT_EQ(Case().rows, Table());
}

// Keys compare byte for byte: case and width make other keys, and a row is found by its own key
// although the database compares text without case.
TEST_P(Modes, KeysThatDifferInCaseOrWidthAreOtherKeys)
{
    Open();
    for (const char* key : {u8"abc", u8"ABC", u8"ａｂｃ"}) {
        Click(IDC_CD_NEW);
        TypeInput(key);
        Click(IDC_CD_REGISTER);
    }
    EXPECT_EQ(std::vector<std::string>{}, Messages());
    std::vector<std::string> rows = Case().rows;
    for (const char* key : {u8"abc", u8"ABC", u8"ａｂｃ"})
        rows.push_back(NewRow(key));
    EXPECT_EQ(rows, Table());

    Select(u8"ABC");
    Click(IDC_CD_EDIT);
    EXPECT_EQ(u8"ABC", Text(Case().keyId));
    Type(Case().keyId, u8"ABCD");
    Click(IDC_CD_REGISTER);
    rows[Case().rows.size() + 1] = NewRow(u8"ABCD");
    EXPECT_EQ(rows, Table());

    Select(u8"abc");
    Answer();
    Click(IDC_CD_DELETE);
    rows.erase(rows.begin() + static_cast<long>(Case().rows.size()));
    EXPECT_EQ(rows, Table());
}

// A row deleted by someone else after it was loaded: 登録 reports the database's "no current
// record" and writes nothing, keeping the input.
TEST_P(Modes, StoringARowThatHasGoneReportsItAndKeepsTheInput)
{
    Open();
    const std::string key = Case().listed[3];
    Select(key);
    Click(IDC_CD_EDIT);
    Type(Case().keyId, key + "X");
    const std::string typed = Fields();
    DeleteBehindTheEditor(key);
    Answer();
    Click(IDC_CD_REGISTER);
    std::vector<std::string> messages = Messages();
    ASSERT_EQ(static_cast<size_t>(1), messages.size());
    EXPECT_NE(std::string::npos, messages[0].find("[exclamation]")) << messages[0];
    EXPECT_EQ(2, Editor().GetMode());
    EXPECT_EQ(typed, Fields());
    EXPECT_EQ(FixtureRowsWithout(key), Table());
}
