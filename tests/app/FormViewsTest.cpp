#include "tests/app/ShellTestSupport.h"

#include "app/CZnAppProView.h"
#include "app/ZnFvAppCAFM12.h"
#include "app/ZnFvAppCAHJ0100.h"
#include "model/ZnModelApp.h"
#include "platform/wnd/Afxwin.h"
#include "res/FormViewIds.h"
#include "res/MainFrameIds.h"
#include "shell/CFormViewBk.h"

namespace {

// A device context that keeps what is filled.
class RecordingDC : public CDC {
public:
    struct Fill {
        RECT rect;
        COLORREF color;
    };
    std::vector<Fill> fills;

protected:
    void FillSolid(const RECT& rect, COLORREF crColor) override { fills.push_back({rect, crColor}); }
};

class FormViews : public ShellTest {
protected:
    CView& ActiveView() const { return *Frame().MDIGetActive()->GetActiveView(); }

    // A child's position in its parent's client area, "left,top".
    static std::string PlaceOf(CWnd& child)
    {
        CRect rect;
        child.GetWindowRect(&rect);
        child.GetParent()->ScreenToClient(&rect);
        return std::to_string(rect.left) + "," + std::to_string(rect.top);
    }

    void Show(CRuntimeClass* viewClass) { m_app.ChangeView(m_app.GetFormTemplate(viewClass)); }
};

} // namespace

TEST_F(FormViews, AFormViewPlacesItsPageBelowTheTitleAndDropsTheFormModelsWhenItGoes)
{
    Start();
    Show(RUNTIME_CLASS(ZnFvAppCAFM12));
    CView& view = ActiveView();
    ASSERT_EQ("ZnFvAppCAFM12", ActiveViewClass());
    EXPECT_TRUE(Frame().MDIGetActive()->IsZoomed());
    CWnd* page = view.GetWindow(GW_CHILD);
    while (page && !page->IsKindOf(RUNTIME_CLASS(CDialog)))
        page = page->GetWindow(GW_HWNDNEXT);
    ASSERT_NE(nullptr, page);
    EXPECT_TRUE(page->GetStyle() & WS_VISIBLE);
    EXPECT_EQ("10,30", PlaceOf(*page));

    Document().ReplaceModel(CZnAppProDoc::formModel, new ZnModelApp);
    Document().ReplaceModel(CZnAppProDoc::subFormModel, new ZnModelApp);
    Document().ReplaceModel(CZnAppProDoc::extraModel, new ZnModelApp);
    HWND pageWindow = page->m_hWnd;
    m_app.ChangeView(nullptr);
    EXPECT_FALSE(::IsWindow(pageWindow));
    EXPECT_EQ(nullptr, Document().GetFormModel());
    EXPECT_EQ(nullptr, Document().GetSubFormModel());
    EXPECT_NE(nullptr, Document().GetAppModel());
    EXPECT_NE(nullptr, Document().GetModel(CZnAppProDoc::extraModel));
    EXPECT_EQ("CZnAppProView", ActiveViewClass());

    // Without form models leaving a form changes nothing.
    Show(RUNTIME_CLASS(ZnFvAppCAFM12));
    m_app.ChangeView(nullptr);
    EXPECT_NE(nullptr, Document().GetAppModel());
}

TEST_F(FormViews, TheApplicationListIsTheFramesAndIsMadeAgainForEachView)
{
    Start();
    Show(RUNTIME_CLASS(ZnFvAppCAHJ0100));
    ZnDlgAppShinseishoList& list = Frame().GetShinseishoList();
    ASSERT_NE(nullptr, list.m_hWnd);
    EXPECT_EQ(&ActiveView(), list.GetParent());
    EXPECT_EQ("10,0", PlaceOf(list));
    HWND first = list.m_hWnd;
    Document().ReplaceModel(CZnAppProDoc::formModel, new ZnModelApp);

    Show(RUNTIME_CLASS(ZnFvAppCAHJ0100));
    EXPECT_FALSE(::IsWindow(first));
    ASSERT_NE(nullptr, list.m_hWnd);
    EXPECT_NE(first, list.m_hWnd);
    EXPECT_EQ(&ActiveView(), list.GetParent());
    // This screen leaves the document's models alone.
    EXPECT_NE(nullptr, Document().GetFormModel());

    m_app.ChangeView(nullptr);
    EXPECT_EQ(nullptr, list.m_hWnd);
    EXPECT_NE(nullptr, Document().GetFormModel());
}

TEST_F(FormViews, TheNeutralViewKeepsItsFrameWithoutSize)
{
    Start();
    CView& view = ActiveView();
    CWnd* childFrame = view.GetParent();
    childFrame->MoveWindow(5, 5, 300, 200);
    view.ShowWindow(SW_HIDE);
    view.ShowWindow(SW_SHOW);
    CRect rect;
    childFrame->GetWindowRect(&rect);
    EXPECT_EQ(0, rect.Width() | rect.Height());
    EXPECT_EQ("0,0", PlaceOf(*childFrame));
}

TEST_F(FormViews, TheBackgroundIsFilledInTheDialogColour)
{
    Start();
    Show(RUNTIME_CLASS(ZnFvAppCAFM12));
    RecordingDC dc;
    CBrush before(RGB(9, 9, 9));
    dc.SelectObject(&before);
    dc.SetClipBox(RECT{3, 4, 103, 54});
    EXPECT_EQ(TRUE, ActiveView().SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(&dc), 0));
    ASSERT_EQ(1u, dc.fills.size());
    EXPECT_EQ(RGB(231, 236, 249), dc.fills[0].color);
    EXPECT_EQ(CRect(3, 4, 103, 54), CRect(dc.fills[0].rect));
    EXPECT_EQ(&before, dc.GetCurrentBrush());
}
