#include "tests/support/TestSupport.h"
#include "tests/ui/ApplicantDialog.h"
#include "tests/ui/UiTestSupport.h"

#include "platform/wnd/Afxwin.h"

#include <algorithm>
#include <cstdlib>

#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/listctrl.h>
#include <wx/stattext.h>

namespace {

// The pixels darker than the middle grey, as a set of points relative to their bounding box.
struct Ink {
    wxRect box;
    std::vector<wxPoint> points;
};

Ink InkOf(const wxImage& image)
{
    Ink ink;
    std::vector<wxPoint> found;
    for (int y = 0; y < image.GetHeight(); ++y)
        for (int x = 0; x < image.GetWidth(); ++x)
            if (image.GetRed(x, y) + image.GetGreen(x, y) + image.GetBlue(x, y) < 3 * 128)
                found.emplace_back(x, y);
    if (found.empty())
        return ink;
    ink.box = wxRect(found.front(), found.front());
    for (const wxPoint& point : found)
        ink.box.Union(wxRect(point, point));
    for (const wxPoint& point : found)
        ink.points.push_back(point - ink.box.GetTopLeft());
    return ink;
}

// How many ink points of one have no ink of the other within a pixel, both aligned at their
// boxes' corners (renderers differ in how they smooth a stroke's edge, not in where it runs).
size_t Mismatch(const Ink& one, const Ink& other)
{
    size_t missing = 0;
    for (const wxPoint& point : one.points) {
        bool near = std::any_of(other.points.begin(), other.points.end(), [&](const wxPoint& mark) {
            return std::abs(mark.x - point.x) <= 1 && std::abs(mark.y - point.y) <= 1;
        });
        missing += near ? 0 : 1;
    }
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
        uitest::PumpUntil([] { return false; }, 20);
        peer.Update();
        wxSize size = peer.GetClientSize();
        wxBitmap bitmap(size);
        {
            wxClientDC screen(&peer);
            wxMemoryDC copy(bitmap);
            copy.Blit(0, 0, size.x, size.y, &screen, 0, 0);
        }
        shot = bitmap.ConvertToImage();
        wxStaticText* label = uitest::Control<wxStaticText>(peer, IDC_APPLICANT_LABEL);
        labelPlace = label->GetRect();
        labelFont = label->GetFont();
        dialog.EndDialog(IDCANCEL);
    });
    ASSERT_EQ(IDCANCEL, dialog.DoModal());
    ASSERT_TRUE(shot.IsOk());
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
        wxImage::AddHandler(new wxPNGHandler);
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

    // The label as shown is the label as the IPA font draws it (within a pixel: renderers
    // smooth the edges of a stroke differently), and not the boxes of missing glyphs.
    Ink glyphs = InkOf(Render(text, labelFont, background, labelPlace.GetSize()));
    Ink missing = InkOf(Render(boxes, labelFont, background, wxSize(labelPlace.width, 2 * labelPlace.height)));
    EXPECT_EQ(glyphs.box.GetSize(), shown.box.GetSize());
    EXPECT_LE(Mismatch(shown, glyphs), shown.points.size() / 20);
    EXPECT_LE(Mismatch(glyphs, shown), glyphs.points.size() / 20);
    EXPECT_NE(missing.box.GetSize(), shown.box.GetSize());
    EXPECT_GT(Mismatch(missing, shown), missing.points.size() / 4);
}

} // namespace
