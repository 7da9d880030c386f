// The input settings of every field, typed and pasted through the edit controls: the byte limit
// (never half a double-byte character), the character classes, the rejected "|" of the keys, line
// breaks, and the input method that each field opens or closes.
#include "tests/editors/EditorTestSupport.h"

#include "platform/core/Cp932.h"
#include "platform/wnd/Imm.h"
#include "platform/wnd/UserInput.h"
#include "res/CommonDataIds.h"

#include <map>

namespace {

using Inputs = EditorTest;

INSTANTIATE_TEST_SUITE_P(Editors, Inputs, ::testing::ValuesIn(EditorCases()),
                         [](const auto& info) { return info.param.name; });

// Each field's byte limit and whether it opens the input method, as the forms' labels give them.
struct Setting {
    int maxBytes;
    bool imeOpen;
};
const std::map<UINT, Setting> settings = {
    {IDC_CD_FURIGANA, {120, true}},      {IDC_CD_SHIMEI, {120, true}},
    {IDC_CD_YUUBIN1, {3, false}},        {IDC_CD_YUUBIN2, {4, false}},
    {IDC_CD_JUUSHO, {80, true}},         {IDC_CD_DENWA1, {6, false}},
    {IDC_CD_DENWA2, {4, false}},         {IDC_CD_DENWA3, {4, false}},
    {IDC_CD_YANE, {80, true}},           {IDC_CD_GAIHEKI, {80, true}},
    {IDC_CD_TOKUTEIKOUTEI, {80, true}},  {IDC_CD_SEKKEISHA_SHIMEI, {60, true}},
    {IDC_CD_MEISHOU, {60, true}},        {IDC_CD_KENCHIKUSHI_BANGOU, {60, true}},
    {IDC_CD_JIMUSHO_BANGOU, {60, true}}, {IDC_CD_KINMUSAKI, {60, true}},
    {IDC_CD_TOUROKU_BANGOU, {60, true}},
};

// The consultant's name is the one field whose id another editor gives another limit.
Setting SettingOf(UINT idd, UINT id)
{
    if (idd == IDD_CM_SETSUBISHA && id == IDC_CD_SHIMEI)
        return {60, true};
    return settings.at(id);
}

std::string Repeat(const std::string& text, int count)
{
    std::string result;
    for (int i = 0; i < count; ++i)
        result += text;
    return result;
}

} // namespace

TEST_P(Inputs, EachFieldTakesAtMostItsBytesAndNoHalfCharacter)
{
    Open();
    Click(IDC_CD_NEW);
    for (const auto& field : Case().fields) {
        const Setting setting = SettingOf(Case().idd, field.first);
        if (field.first == IDC_CD_FURIGANA) {
            // A pasted run of half-width kana stops at the limit.
            Type(field.first, Repeat(u8"ｱ", setting.maxBytes + 5));
            EXPECT_EQ(Repeat(u8"ｱ", setting.maxBytes), Text(field.first));
            continue;
        }
        // One full-width character more than fits, typed one at a time: the last is refused.
        Type(field.first, "");
        for (int i = 0; i <= setting.maxBytes / 2; ++i)
            EXPECT_TRUE(UserInput::Type(Editor(), static_cast<int>(field.first), CString(cp932::FromUtf8(u8"屋"))));
        EXPECT_EQ(Repeat(u8"屋", setting.maxBytes / 2), Text(field.first)) << field.second;
        // Pasted, a text that would end inside a double-byte character stops before it.
        Type(field.first, "");
        Type(field.first, "x" + Repeat(u8"屋", setting.maxBytes));
        EXPECT_EQ("x" + Repeat(u8"屋", (setting.maxBytes - 1) / 2), Text(field.first)) << field.second;
    }
}

TEST_P(Inputs, TheReadingTakesSingleByteKanaAndAsciiAndNoKeyTakesABar)
{
    Open();
    Click(IDC_CD_NEW);
    Type(Case().keyId, u8"A|B｜C");
    EXPECT_EQ(u8"AB｜C", Text(Case().keyId));
    for (const auto& field : Case().fields) {
        if (field.first == Case().keyId)
            continue;
        Type(field.first, "");
        Type(field.first, u8"ｱ|b");
        EXPECT_EQ(u8"ｱ|b", Text(field.first)) << field.second;
    }
    if (Case().fields.size() > 1 && Case().fields[1].first == IDC_CD_FURIGANA) {
        Type(IDC_CD_FURIGANA, "");
        Type(IDC_CD_FURIGANA, u8"ｱｲa漢字ｳ-1");
        EXPECT_EQ(u8"ｱｲaｳ-1", Text(IDC_CD_FURIGANA));
    }
}

// Only the applicant's name keeps its line breaks.
TEST_P(Inputs, LineBreaksStayOnlyInTheApplicantsName)
{
    Open();
    Click(IDC_CD_NEW);
    for (const auto& field : Case().fields) {
        Type(field.first, "");
        Type(field.first, "a");
        EXPECT_TRUE(UserInput::Type(Editor(), static_cast<int>(field.first), "\r\nb"));
        bool keeps = Case().idd == IDD_CM_SHINSEISHA && field.first == IDC_CD_SHIMEI;
        EXPECT_EQ(keeps ? "a\r\nb" : "ab", Text(field.first)) << field.second;
    }
}

TEST_P(Inputs, EachFieldOpensOrClosesTheInputMethod)
{
    Open();
    Click(IDC_CD_NEW);
    HIMC context = ImmGetContext(Editor().m_hWnd);
    for (const auto& field : Case().fields) {
        // From the opposite state and another control each time.
        bool open = SettingOf(Case().idd, field.first).imeOpen;
        ImmSetOpenStatus(context, !open);
        ASSERT_TRUE(UserInput::Focus(Editor().GetList()));
        ASSERT_TRUE(UserInput::Focus(*Editor().GetDlgItem(static_cast<int>(field.first))));
        EXPECT_EQ(open, ImmGetOpenStatus(context) != FALSE) << field.second;
        if (field.first != IDC_CD_FURIGANA)
            continue;
        DWORD conversion = 0, sentence = 0;
        ImmGetConversionStatus(context, &conversion, &sentence);
        EXPECT_EQ(static_cast<DWORD>(IME_CMODE_NATIVE | IME_CMODE_KATAKANA),
                  conversion & (IME_CMODE_NATIVE | IME_CMODE_KATAKANA | IME_CMODE_FULLSHAPE));
    }
    ImmReleaseContext(Editor().m_hWnd, context);
}
