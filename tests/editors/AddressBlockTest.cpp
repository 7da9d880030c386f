// The prefecture of the address block in the owner and address editors: the combo's entries, the
// entry a stored number shows, the number stored for a choice or for a combo left alone, the
// address that a choice fills in, and an area database that cannot be read.
#include "tests/editors/EditorTestSupport.h"

#include "platform/core/Cp932.h"
#include "platform/database/DaoConnection.h"
#include "platform/wnd/CComboBox.h"
#include "platform/wnd/UserInput.h"
#include "res/CommonDataIds.h"

namespace {

class AddressBlock : public EditorTest {
protected:
    CComboBox& Combo() const { return *static_cast<CComboBox*>(Editor().GetDlgItem(IDC_CD_TODOUFUKEN)); }
    std::string Shown() const
    {
        CString text;
        if (Combo().GetCurSel() >= 0)
            Combo().GetLBText(Combo().GetCurSel(), text);
        return cp932::ToUtf8(text.Bytes());
    }
    void Choose(const std::string& name)
    {
        for (int i = 0; i < Combo().GetCount(); ++i) {
            CString text;
            Combo().GetLBText(i, text);
            if (cp932::ToUtf8(text.Bytes()) == name) {
                EXPECT_TRUE(UserInput::SelectComboItem(Combo(), i));
                return;
            }
        }
        ADD_FAILURE() << "no prefecture " << name;
    }
    // The stored prefecture number of the row with that key.
    std::string Stored(const std::string& key) const
    {
        auto connection = DaoConnection::OpenFile(Windows("com/APP_USER_REGIST.mdb"), true);
        auto result = connection->Query("SELECT TodoufukenmeiBangou FROM " + Case().table + " WHERE " +
                                            Case().fields[0].second + " = ?",
                                        {DaoValue::FromText(key)});
        if (result.rows.empty())
            return "none";
        const DaoValue& value = result.rows[0][0];
        return value.kind == DaoValue::Null ? "null" : std::to_string(value.integer);
    }
    void SetStored(const std::string& key, int number) const
    {
        auto connection = DaoConnection::OpenFile(Windows("com/APP_USER_REGIST.mdb"), false);
        connection->Change("UPDATE " + Case().table + " SET TodoufukenmeiBangou = ? WHERE " + Case().fields[0].second +
                               " = ?",
                           {DaoValue::FromInteger(number), DaoValue::FromText(key)});
    }
    // The listed row that the fixture gives that prefecture number.
    std::string KeyWith(int number) const
    {
        for (const std::string& key : Case().listed)
            if (Stored(key) == std::to_string(number))
                return key;
        return "";
    }
    void EditRow(const std::string& key)
    {
        Select(key);
        Click(IDC_CD_EDIT);
    }
};

INSTANTIATE_TEST_SUITE_P(Editors, AddressBlock, ::testing::ValuesIn(AddressEditorCases()),
                         [](const auto& info) { return info.param.name; });

} // namespace

TEST_P(AddressBlock, TheComboListsABlankEntryThenThePrefecturesInTheQuerysOrder)
{
    Open();
    std::string entries;
    for (int i = 0; i < Combo().GetCount(); ++i) {
        CString text;
        Combo().GetLBText(i, text);
        entries += cp932::ToUtf8(text.Bytes()) + "|";
    }
    EXPECT_EQ(u8"|北海道|埼玉県|東京都島しょ|東京都|大阪府|", entries);
    EXPECT_EQ(-1, Combo().GetCurSel());
    EXPECT_FALSE(Combo().IsWindowEnabled());
}

// A stored name that begins an earlier entry's name shows its own entry, and storing the row
// unchanged keeps its number.
TEST_P(AddressBlock, LoadingShowsTheStoredPrefectureAndStoringKeepsIt)
{
    Open();
    const std::string tokyo = KeyWith(13);
    EditRow(tokyo);
    EXPECT_EQ(u8"東京都", Shown());
    Click(IDC_CD_REGISTER);
    EXPECT_EQ("13", Stored(tokyo));

    const std::string none = KeyWith(-1);
    EditRow(none);
    EXPECT_EQ(0, Combo().GetCurSel());
    Click(IDC_CD_REGISTER);
    EXPECT_EQ("-1", Stored(none));
    EXPECT_EQ(Case().rows, Table());
}

TEST_P(AddressBlock, ANumberThatNoAreaKnowsShowsBlankAndIsKeptUntilAnotherIsChosen)
{
    Open();
    const std::string key = Case().listed[2];
    SetStored(key, 99);
    EditRow(key);
    EXPECT_EQ(0, Combo().GetCurSel());
    Click(IDC_CD_REGISTER);
    EXPECT_EQ("99", Stored(key));

    EditRow(key);
    Choose(u8"大阪府");
    Click(IDC_CD_REGISTER);
    EXPECT_EQ("27", Stored(key));
    EditRow(key);
    Choose("");
    Click(IDC_CD_REGISTER);
    EXPECT_EQ("-1", Stored(key));
}

// The first choice on an empty address writes its name there; in the address editor that is the
// key. A later choice leaves the address alone and gives the number stored.
TEST_P(AddressBlock, AChoiceFillsAnEmptyAddressOnly)
{
    Open();
    Click(IDC_CD_NEW);
    Choose(u8"北海道");
    EXPECT_EQ(u8"北海道", Text(IDC_CD_JUUSHO));
    Choose(u8"大阪府");
    EXPECT_EQ(u8"北海道", Text(IDC_CD_JUUSHO));
    Type(Case().keyId, Case().keyId == IDC_CD_JUUSHO ? u8"北海道函館市" : u8"新井");
    Click(IDC_CD_REGISTER);
    EXPECT_EQ("27", Stored(Case().keyId == IDC_CD_JUUSHO ? u8"北海道函館市" : u8"新井"));
    EXPECT_EQ(std::vector<std::string>{}, Messages());
}

TEST_P(AddressBlock, APostcodeWithoutAPrefectureAndAPrefectureWithoutAPostcodeAreStored)
{
    Open();
    Click(IDC_CD_NEW);
    Type(Case().keyId, u8"郵便番号だけ");
    Type(IDC_CD_YUUBIN1, "123");
    Type(IDC_CD_YUUBIN2, "4567");
    Click(IDC_CD_REGISTER);
    Click(IDC_CD_NEW);
    Choose(u8"埼玉県");
    Type(Case().keyId, u8"都道府県だけ");
    Click(IDC_CD_REGISTER);
    EXPECT_EQ(std::vector<std::string>{}, Messages());
    std::vector<std::string> rows = Table();
    ASSERT_EQ(Case().rows.size() + 2, rows.size());
    EXPECT_EQ("-1", Stored(u8"郵便番号だけ"));
    EXPECT_EQ("11", Stored(u8"都道府県だけ"));
    EXPECT_NE(std::string::npos, rows[rows.size() - 2].find("|123|4567|")) << rows[rows.size() - 2];
}

// Without COM_CHIIKI.mdb the editor reports it once, lists its rows, and keeps every stored number.
TEST_P(AddressBlock, WithoutTheAreaDatabaseTheRowsKeepTheirPrefectures)
{
    Answer();
    Open("editors/AppUserRegistRows.sql", false);
    std::vector<std::string> messages = Messages();
    ASSERT_EQ(static_cast<size_t>(1), messages.size());
    EXPECT_NE(std::string::npos, messages[0].find("COM_CHIIKI.mdb")) << messages[0];
    EXPECT_EQ(Case().listed, Listed());
    EXPECT_EQ(1, Combo().GetCount());
    const std::string key = Case().listed[1];
    EditRow(key);
    EXPECT_EQ(0, Combo().GetCurSel());
    Click(IDC_CD_REGISTER);
    EXPECT_EQ(Case().rows, Table());
}
