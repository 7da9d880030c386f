#include "tests/support/TestSupport.h"
#include "tests/ui/UiTestResources.h"
#include "tests/ui/UiTestSupport.h"

#include "platform/ui/WxDialogFont.h"
#include "platform/ui/WxText.h"

namespace {

// Ids, text and the dialog font as they cross between the system and wx.
TEST(WxCrossing, IdsTextAndTheDialogFont)
{
    const std::pair<int, int> ids[] = {
        {1, 1},       {2, 2},       {4998, 4998}, {4999, 6000},   {5100, 6101},
        {5604, 6605}, {5999, 7000}, {6000, 7001}, {12001, 13002}, {65534, 66535},
    };
    for (const auto& [system, wx] : ids) {
        EXPECT_EQ(wx, WxIds::ToWx(system)) << system;
        EXPECT_EQ(system, WxIds::FromWx(wx)) << wx;
    }
    EXPECT_EQ(wxID_ANY, WxIds::ToWx(-1));
    EXPECT_EQ(wxID_ANY, WxIds::ToWx(0xFFFF));
    // wx's own ids and the ids it makes up stand for no control of the system.
    EXPECT_EQ(-1, WxIds::FromWx(wxID_OK));
    EXPECT_EQ(-1, WxIds::FromWx(wxID_LOWEST));
    EXPECT_EQ(-1, WxIds::FromWx(-31000));

    // 申 is 90 5C: its trail byte is "\".
    const CString text("\x90\x5C"
                       "a"
                       "\x90\xBF");
    EXPECT_EQ(wxString::FromUTF8(u8"申a請"), WxText::ToWx(text));
    EXPECT_EQ(text, WxText::FromWx(wxString::FromUTF8(u8"申a請")));
    EXPECT_EQ(CString("?"), WxText::FromWx(wxString::FromUTF8(u8"\u00E9")));
    EXPECT_EQ(0, WxText::CharIndex(text, 0));
    EXPECT_EQ(1, WxText::CharIndex(text, 1));
    EXPECT_EQ(1, WxText::CharIndex(text, 2));
    EXPECT_EQ(2, WxText::CharIndex(text, 3));
    EXPECT_EQ(3, WxText::CharIndex(text, 99));
    EXPECT_EQ(0, WxText::ByteOffset(text, 0));
    EXPECT_EQ(2, WxText::ByteOffset(text, 1));
    EXPECT_EQ(3, WxText::ByteOffset(text, 2));
    EXPECT_EQ(5, WxText::ByteOffset(text, 9));
    EXPECT_EQ(wxString("a\nb\n"), WxText::ToWxLines("a\r\nb\r\n"));
    EXPECT_EQ(CString("a\r\nb\r\n"), WxText::FromWxLines("a\nb\r\n"));

    // The dialog font of ＭＳ Ｐゴシック 9 is IPA P Gothic at 9 points (its units, 7 by 13, show in
    // the dialog peer's sizes).
    const DialogResource* applicant = AfxFindDialogResource(IDD_APPLICANT);
    ASSERT_NE(nullptr, applicant);
    wxFont font = WxDialogFont::FontOf(*applicant);
    EXPECT_EQ(wxString("IPAPGothic"), font.GetFaceName());
    EXPECT_EQ(9, font.GetPointSize());
    // IPA Gothic, the fixed-pitch stand-in of ＭＳ ゴシック: every letter half an em, 6 pixels
    // (52 * 6 = 312, (312 / 26 + 1) / 2 = 6); the same line height.
    DialogResource fixed = *applicant;
    fixed.fontName = u8"ＭＳ ゴシック";
    SIZE fixedUnits = WxDialogFont::BaseUnits(WxDialogFont::FontOf(fixed));
    EXPECT_EQ(6, fixedUnits.cx);
    EXPECT_EQ(13, fixedUnits.cy);
    // The host gives the dialog layer these units, so the object's rectangles are the window's.
    RECT rect{0, 0, 4, 8};
    AfxMapDialogRect(*applicant, rect);
    EXPECT_EQ(7, rect.right);
    EXPECT_EQ(13, rect.bottom);
}

} // namespace
