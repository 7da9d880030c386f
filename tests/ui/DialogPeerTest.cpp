// Dialogs on the display: the data-entry dialog through its wx peer, its picture, and ids, text
// and the dialog font as they cross between the system and wx.
#include "tests/support/TestSupport.h"
#include "tests/ui/UiTestResources.h"
#include "tests/ui/UiTestSupport.h"

#include "platform/ui/WxDialogFont.h"
#include "platform/ui/WxText.h"
#include "platform/wnd/Afxwin.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/listctrl.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

class ApplicantDialog : public CDialog {
public:
    ApplicantDialog() : CDialog(IDD_APPLICANT) {}

    CString m_name = "初期値";
    int m_kind = 0, m_agree = 0;
    CListCtrl m_list;
    int nameChanges = 0, kindChanges = 0, adds = 0, browses = 0, clickedRow = -2;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Text(pDX, IDC_APPLICANT_NAME, m_name);
        DDX_CBIndex(pDX, IDC_APPLICANT_KIND, m_kind);
        DDX_Check(pDX, IDC_APPLICANT_AGREE, m_agree);
        DDX_Control(pDX, IDC_APPLICANT_LIST, m_list);
    }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_list.InsertColumn(0, "物件名", LVCFMT_LEFT, 200);
        m_list.InsertColumn(1, "作成日", LVCFMT_LEFT, 80);
        m_list.SetItemText(m_list.InsertItem(0, "駅前ビル"), 1, "2010/9/3");
        return TRUE;
    }
    afx_msg void OnNameChange() { ++nameChanges; }
    afx_msg void OnKindChange() { ++kindChanges; }
    afx_msg void OnAdd()
    {
        CString name;
        GetDlgItemText(IDC_APPLICANT_NAME, name);
        m_list.SetItemText(m_list.InsertItem(m_list.GetItemCount(), name), 1, "2010/9/4");
        ++adds;
    }
    afx_msg void OnBrowse() { ++browses; }
    afx_msg void OnClickList(NMHDR*, LRESULT* pResult)
    {
        clickedRow = m_list.GetNextItem(-1, LVNI_SELECTED);
        *pResult = 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ApplicantDialog, CDialog)
ON_EN_CHANGE(IDC_APPLICANT_NAME, OnNameChange)
ON_CBN_SELCHANGE(IDC_APPLICANT_KIND, OnKindChange)
ON_BN_CLICKED(IDC_APPLICANT_ADD, OnAdd)
ON_BN_CLICKED(IDC_APPLICANT_BROWSE, OnBrowse)
ON_NOTIFY(NM_CLICK, IDC_APPLICANT_LIST, OnClickList)
END_MESSAGE_MAP()

namespace {

using uitest::RectOf;

CString TextOf(CWnd& dialog, int id)
{
    CString text;
    dialog.GetDlgItemText(id, text);
    return text;
}

// A key pressed in a dialog, as the dialog manager sends it.
void Press(wxDialog& peer, int key)
{
    wxKeyEvent event(wxEVT_CHAR_HOOK);
    event.m_keyCode = key;
    peer.ProcessWindowEvent(event);
}

TEST(WxDialogPeer, ShowsTheTemplateAtTheRealFontsPixelsAndTakesTypingAndClicks)
{
    CWinApp app("テスト");
    app.SetDialogBkColor(RGB(231, 236, 249));
    ApplicantDialog dialog;
    uitest::WhenModal([&](wxDialog& peer) {
        EXPECT_EQ(wxString::FromUTF8(u8"申請者の入力"), peer.GetTitle());
        // ＭＳ Ｐゴシック 9 is IPA P Gothic at 12 px: units of 7 x 13 pixels, 200 x 150 units → 350 x 243.75.
        EXPECT_EQ(wxSize(350, 244), peer.GetClientSize());
        // Edit 50,7 95x14 → 87.5,11.375 to 253.75,34.125; list 7,60 186x60; OK 90,128 50x14; each rounded.
        EXPECT_EQ(wxRect(88, 11, 166, 23), RectOf(uitest::Control<wxTextCtrl>(peer, IDC_APPLICANT_NAME)));
        EXPECT_EQ(wxRect(12, 98, 326, 97), RectOf(uitest::Control<wxListCtrl>(peer, IDC_APPLICANT_LIST)));
        EXPECT_EQ(wxRect(158, 208, 87, 23), RectOf(uitest::Control<wxButton>(peer, IDOK)));
        EXPECT_EQ(wxColour(231, 236, 249), peer.GetBackgroundColour());

        wxTextCtrl* name = uitest::Control<wxTextCtrl>(peer, IDC_APPLICANT_NAME);
        ASSERT_NE(nullptr, name);
        EXPECT_EQ(wxString::FromUTF8(u8"初期値"), name->GetValue());
        name->SetValue(wxString::FromUTF8(u8"山田太郎"));
        EXPECT_EQ(CString("山田太郎"), TextOf(dialog, IDC_APPLICANT_NAME));
        EXPECT_EQ(1, dialog.nameChanges);

        // The focus follows the person's.
        EXPECT_EQ(dialog.GetDlgItem(IDC_APPLICANT_NAME), CWnd::GetFocus());
        wxChoice* kind = uitest::Control<wxChoice>(peer, IDC_APPLICANT_KIND);
        wxFocusEvent focus(wxEVT_SET_FOCUS, kind->GetId());
        focus.SetEventObject(kind);
        kind->ProcessWindowEvent(focus);
        EXPECT_EQ(dialog.GetDlgItem(IDC_APPLICANT_KIND), CWnd::GetFocus());

        uitest::Pick(kind, 2);
        uitest::Click(uitest::Control<wxCheckBox>(peer, IDC_APPLICANT_AGREE));
        uitest::Click(uitest::Control<wxButton>(peer, IDC_APPLICANT_ADD));
        EXPECT_EQ(1, dialog.adds);
        wxListCtrl* list = uitest::Control<wxListCtrl>(peer, IDC_APPLICANT_LIST);
        ASSERT_TRUE(uitest::PumpUntil([&] { return list->GetItemCount() == 2; }));
        EXPECT_EQ(wxString::FromUTF8(u8"山田太郎"), list->GetItemText(1, 0));
        EXPECT_EQ(wxString::FromUTF8(u8"2010/9/4"), list->GetItemText(1, 1));

        // Selecting a row is a click on it; a message box is owned by the dialog.
        wxListEvent selected(wxEVT_LIST_ITEM_SELECTED, list->GetId());
        selected.SetEventObject(list);
        selected.m_itemIndex = 0;
        list->ProcessWindowEvent(selected);
        EXPECT_EQ(0, dialog.clickedRow);
        EXPECT_EQ(static_cast<UINT>(LVIS_SELECTED | LVIS_FOCUSED),
                  dialog.m_list.GetItemState(0, LVIS_SELECTED | LVIS_FOCUSED));
        uitest::WhenModal([&](wxDialog& box) {
            EXPECT_EQ(&peer, box.GetParent());
            uitest::Click(box.FindWindow(wxID_OK));
        });
        EXPECT_EQ(IDOK, AfxMessageBox("選択しました。", MB_ICONINFORMATION));
        // Text typed into an editable combo box reaches its object.
        wxTextEntry* place = dynamic_cast<wxTextEntry*>(peer.FindWindow(WxIds::ToWx(IDC_APPLICANT_PLACE)));
        ASSERT_NE(nullptr, place);
        place->SetValue(wxString::FromUTF8(u8"東京都"));
        EXPECT_EQ(CString("東京都"), TextOf(dialog, IDC_APPLICANT_PLACE));
        // The dialog moved by the person moves its object's window, also sideways only.
        for (const wxPoint& to : {wxPoint(40, 30), wxPoint(60, 30)}) {
            peer.Move(to);
            EXPECT_TRUE(uitest::PumpUntil([&] {
                RECT moved{};
                dialog.GetWindowRect(&moved);
                return moved.left == to.x && moved.top == to.y;
            })) << to.x;
        }
        // A list emptied by its object is emptied on the display.
        dialog.m_list.DeleteAllItems();
        EXPECT_TRUE(uitest::PumpUntil([&] { return list->GetItemCount() == 0; }));

        uitest::Click(uitest::Control<wxButton>(peer, IDOK));
    });

    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(std::make_tuple(CString("山田太郎"), 2, 1, int(BST_CHECKED)),
              std::make_tuple(dialog.m_name, dialog.m_kind, dialog.kindChanges, dialog.m_agree));
    EXPECT_EQ(0u, uitest::SettleWindows());
    EXPECT_EQ(0u, uitest::Host().PeerCount());
}

TEST(WxDialogPeer, KeysTheCloseBoxAndRefusalsGoThroughTheDialogAsTheDialogManagerSendsThem)
{
    ApplicantDialog dialog;
    // The button with id 5101 is not wx's Cancel: it has an id past wx's range and only runs its handler.
    uitest::WhenModal([&](wxDialog& peer) {
        wxButton* browse = dynamic_cast<wxButton*>(peer.FindWindow(6102));
        ASSERT_NE(nullptr, browse);
        EXPECT_EQ(IDC_APPLICANT_BROWSE, WxIds::FromWx(browse->GetId()));
        uitest::Click(browse);
        EXPECT_EQ(1, dialog.browses);
        EXPECT_TRUE(dialog.ContinueModal());
        Press(peer, WXK_ESCAPE);
    });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());

    // Enter presses the default button, OK, which takes the fields over.
    uitest::WhenModal([&](wxDialog& peer) {
        uitest::Control<wxTextCtrl>(peer, IDC_APPLICANT_NAME)->SetValue(wxString::FromUTF8(u8"佐藤"));
        Press(peer, WXK_RETURN);
    });
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(CString("佐藤"), dialog.m_name);

    // The close box is Cancel.
    uitest::WhenModal([](wxDialog& peer) { EXPECT_FALSE(peer.Close()); });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());

    // What the object refuses is undone on the window.
    uitest::WhenModal([&](wxDialog& peer) {
        static_cast<CEdit*>(dialog.GetDlgItem(IDC_APPLICANT_NAME))->LimitText(4);
        wxTextCtrl* name = uitest::Control<wxTextCtrl>(peer, IDC_APPLICANT_NAME);
        name->SetValue(wxString::FromUTF8(u8"山田太郎"));
        // Four bytes: two double-byte characters.
        EXPECT_EQ(wxString::FromUTF8(u8"山田"), name->GetValue());
        EXPECT_EQ(CString("山田"), TextOf(dialog, IDC_APPLICANT_NAME));

        // A check box that its object disables cannot be clicked into another state.
        dialog.GetDlgItem(IDC_APPLICANT_AGREE)->EnableWindow(FALSE);
        wxCheckBox* agree = uitest::Control<wxCheckBox>(peer, IDC_APPLICANT_AGREE);
        uitest::Click(agree);
        EXPECT_FALSE(agree->GetValue());
        EXPECT_EQ(BST_UNCHECKED, dialog.IsDlgButtonChecked(IDC_APPLICANT_AGREE));
        uitest::Click(uitest::Control<wxButton>(peer, IDOK));
    });
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(CString("山田"), dialog.m_name);
    EXPECT_EQ(0u, uitest::SettleWindows());
}

// The pixels darker than the middle grey, as a set of points relative to their bounding box.
struct Ink {
    wxRect box;
    std::vector<wxPoint> points;
};

Ink InkOf(const wxImage& image)
{
    Ink ink;
    for (int y = 0; y < image.GetHeight(); ++y)
        for (int x = 0; x < image.GetWidth(); ++x)
            if (image.GetRed(x, y) + image.GetGreen(x, y) + image.GetBlue(x, y) < 3 * 128) {
                ink.box = ink.points.empty() ? wxRect(x, y, 1, 1) : ink.box.Union(wxRect(x, y, 1, 1));
                ink.points.emplace_back(x, y);
            }
    for (wxPoint& point : ink.points)
        point -= ink.box.GetTopLeft();
    return ink;
}

// Ink points of one with no ink of the other within a pixel, both aligned at their boxes' corners.
size_t Mismatch(const Ink& one, const Ink& other)
{
    size_t missing = 0;
    for (const wxPoint& point : one.points)
        missing += std::none_of(other.points.begin(), other.points.end(), [&](const wxPoint& mark) {
            return std::abs(mark.x - point.x) <= 1 && std::abs(mark.y - point.y) <= 1;
        });
    return missing;
}

// A text drawn in a font on the dialog's background, as the reference of what it looks like.
wxImage Render(const wxString& text, const wxFont& font, const wxColour& background, wxSize size)
{
    wxBitmap bitmap(size);
    wxMemoryDC dc(bitmap);
    dc.SetBackground(wxBrush(background));
    dc.Clear();
    dc.SetFont(font);
    dc.SetTextForeground(*wxBLACK);
    dc.DrawText(text, 0, 0);
    dc.SelectObject(wxNullBitmap);
    return bitmap.ConvertToImage();
}

size_t CountColour(const wxImage& image, const wxColour& colour)
{
    size_t count = 0;
    for (int y = 0; y < image.GetHeight(); ++y)
        for (int x = 0; x < image.GetWidth(); ++x)
            if (wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y)) == colour)
                ++count;
    return count;
}

TEST(WxDialogPeer, AScreenshotShowsTheJapaneseLabelsInTheIpaFontNotAsMissingGlyphBoxes)
{
    CWinApp app("テスト");
    const wxColour background(231, 236, 249);
    app.SetDialogBkColor(RGB(231, 236, 249));
    ApplicantDialog dialog;
    wxImage shot;
    wxRect labelPlace;
    wxFont labelFont;
    uitest::WhenModal([&](wxDialog& peer) {
        // Shown, its rows filled in, and drawn.
        wxListCtrl* list = uitest::Control<wxListCtrl>(peer, IDC_APPLICANT_LIST);
        ASSERT_TRUE(uitest::PumpUntil([&] { return peer.IsShownOnScreen() && list->GetItemCount() == 1; }));
        shot = uitest::Screenshot(peer);
        wxStaticText* label = uitest::Control<wxStaticText>(peer, IDC_APPLICANT_LABEL);
        labelPlace = label->GetRect();
        labelFont = label->GetFont();
        dialog.EndDialog(IDCANCEL);
    });
    ASSERT_EQ(IDCANCEL, dialog.DoModal());
    ASSERT_TRUE(shot.IsOk());
    EXPECT_TRUE(shot.SaveFile(uitest::ArtefactPath("ApplicantDialog.png"), wxBITMAP_TYPE_PNG));

    // Not blank: mostly the dialog colour, with dark text on it.
    EXPECT_GT(CountColour(shot, background), static_cast<size_t>(shot.GetWidth() * shot.GetHeight() / 3));
    Ink shown = InkOf(shot.GetSubImage(labelPlace));
    ASSERT_FALSE(shown.points.empty());

    // "申請者" in IPA P Gothic: three full-width characters of one em (12 pixels) each.
    wxString text = wxString::FromUTF8(u8"申請者");
    wxMemoryDC measure;
    measure.SetFont(labelFont);
    EXPECT_EQ(36, measure.GetTextExtent(text).x);
    // Characters that no font has (private use) come out as boxes: of another width.
    wxString boxes = wxString::FromUTF8(u8"\uE000\uE001\uE002");
    EXPECT_NE(36, measure.GetTextExtent(boxes).x);

    // The label as shown is as the IPA font draws it (within a pixel), not the boxes of missing glyphs.
    Ink glyphs = InkOf(Render(text, labelFont, background, labelPlace.GetSize()));
    Ink missing = InkOf(Render(boxes, labelFont, background, wxSize(labelPlace.width, 2 * labelPlace.height)));
    EXPECT_EQ(glyphs.box.GetSize(), shown.box.GetSize());
    EXPECT_LE(Mismatch(shown, glyphs), shown.points.size() / 20);
    EXPECT_LE(Mismatch(glyphs, shown), glyphs.points.size() / 20);
    EXPECT_NE(missing.box.GetSize(), shown.box.GetSize());
    EXPECT_GT(Mismatch(missing, shown), missing.points.size() / 4);
}

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
    EXPECT_EQ(std::make_pair(int(wxID_ANY), int(wxID_ANY)), std::make_pair(WxIds::ToWx(-1), WxIds::ToWx(0xFFFF)));
    for (int wxOwn : {int(wxID_OK), int(wxID_LOWEST), -31000}) // wx's own ids and those it makes up
        EXPECT_EQ(-1, WxIds::FromWx(wxOwn)) << wxOwn;

    // 申 is 90 5C: its trail byte is "\".
    const CString text("\x90\x5C"
                       "a"
                       "\x90\xBF");
    EXPECT_EQ(wxString::FromUTF8(u8"申a請"), WxText::ToWx(text));
    EXPECT_EQ(text, WxText::FromWx(wxString::FromUTF8(u8"申a請")));
    EXPECT_EQ(CString("?"), WxText::FromWx(wxString::FromUTF8(u8"\u00E9")));
    for (auto [byte, index] : {std::pair{0, 0}, {1, 1}, {2, 1}, {3, 2}, {99, 3}})
        EXPECT_EQ(index, WxText::CharIndex(text, byte)) << byte;
    for (auto [index, byte] : {std::pair{0, 0}, {1, 2}, {2, 3}, {9, 5}})
        EXPECT_EQ(byte, WxText::ByteOffset(text, index)) << index;
    EXPECT_EQ(wxString("a\nb\n"), WxText::ToWxLines("a\r\nb\r\n"));
    EXPECT_EQ(CString("a\r\nb\r\n"), WxText::FromWxLines("a\nb\r\n"));

    // The dialog font of ＭＳ Ｐゴシック 9 is IPA P Gothic at 9 points.
    const DialogResource* applicant = AfxFindDialogResource(IDD_APPLICANT);
    ASSERT_NE(nullptr, applicant);
    wxFont font = WxDialogFont::FontOf(*applicant);
    EXPECT_EQ(wxString("IPAPGothic"), font.GetFaceName());
    EXPECT_EQ(9, font.GetPointSize());
    // IPA Gothic stands in for ＭＳ ゴシック: every letter half an em, 6 pixels; the same line height.
    DialogResource fixed = *applicant;
    fixed.fontName = u8"ＭＳ ゴシック";
    SIZE fixedUnits = WxDialogFont::BaseUnits(WxDialogFont::FontOf(fixed));
    EXPECT_EQ(std::make_pair(6L, 13L), std::make_pair(long(fixedUnits.cx), long(fixedUnits.cy)));
    // The host gives the dialog layer these units, so the object's rectangles are the window's.
    RECT rect{0, 0, 4, 8};
    AfxMapDialogRect(*applicant, rect);
    EXPECT_EQ(std::make_pair(7L, 13L), std::make_pair(long(rect.right), long(rect.bottom)));
}

} // namespace
