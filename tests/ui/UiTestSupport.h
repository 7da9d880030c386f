// The display tests' wx session, and ways to act inside a modal loop without waiting.
#pragma once

#include "platform/ui/WxIds.h"
#include "platform/ui/WxSession.h"
#include "platform/ui/WxUiHost.h"
#include "platform/wnd/CDialog.h"
#include "tests/support/CommandOutput.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/dialog.h>
#include <wx/evtloop.h>
#include <wx/image.h>
#include <wx/listbox.h>
#include <wx/listctrl.h>
#include <wx/modalhook.h>
#include <wx/weakref.h>

namespace uitest {

// The wx session of the test run, whose checks fail the test rather than asking anybody.
class DisplayEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        m_session = std::make_unique<WxSession>(m_argc, m_argv);
        ASSERT_TRUE(m_session->IsRunning()) << "no display: run the display tests under xvfb-run";
        wxSetAssertHandler(
            [](const wxString& file, int line, const wxString& func, const wxString& cond, const wxString& msg) {
                ADD_FAILURE() << "wx assertion " << cond.utf8_str().data() << " in " << func.utf8_str().data() << " ("
                              << file.utf8_str().data() << ":" << line << "): " << msg.utf8_str().data();
            });
        wxInitAllImageHandlers();
        m_artefactFolder = std::filesystem::current_path().string() + "/ui_artefacts";
    }
    void TearDown() override { m_session.reset(); }

    std::unique_ptr<WxSession> m_session;
    // Where the test artefacts go: below the folder that the tests start in, which a test may leave.
    std::string m_artefactFolder;

private:
    char m_name[9] = "ui_tests";
    char* m_argv[2] = {m_name, nullptr};
    int m_argc = 1;
};

inline DisplayEnvironment* const environment =
    static_cast<DisplayEnvironment*>(testing::AddGlobalTestEnvironment(new DisplayEnvironment));

// The host of the session that the test environment runs.
inline WxUiHost& Host() { return environment->m_session->Host(); }

// Runs action with the display's host installed in place of the current one (a test's scripted
// host), which it puts back afterwards.
inline void OnDisplay(const std::function<void()>& action)
{
    UiHost* scripted = UiHost::Install(&Host());
    action();
    UiHost::Install(scripted);
}

// Runs body inside the innermost modal wx dialog once one shows; else fails and ends the dialog.
inline void WhenModal(std::function<void(wxDialog&)> body, int tries = 0)
{
    wxTheApp->CallAfter([body, tries] {
        wxDialog* modal = nullptr;
        for (auto node = wxTopLevelWindows.GetLast(); node && !modal; node = node->GetPrevious())
            if (wxDialog* dialog = dynamic_cast<wxDialog*>(node->GetData()); dialog && dialog->IsModal())
                modal = dialog;
        if (modal && modal->IsShown()) {
            body(*modal);
        } else if (tries < 100) {
            WhenModal(body, tries + 1);
        } else {
            ADD_FAILURE() << "no modal dialog showed up";
            if (CDialog* running = AfxGetRunningModal())
                running->EndDialog(-1);
        }
    });
}

// Turns the event loop and idle processing until condition holds, at most `turns` times.
inline bool PumpUntil(const std::function<bool()>& condition, int turns = 200)
{
    // Outside a modal loop there is no running loop to turn: a temporary one serves.
    std::unique_ptr<wxEventLoopBase> temporary(wxEventLoopBase::GetActive() ? nullptr : new wxEventLoop);
    std::unique_ptr<wxEventLoopActivator> activator(temporary ? new wxEventLoopActivator(temporary.get()) : nullptr);
    for (int turn = 0; turn < turns; ++turn) {
        if (condition())
            return true;
        wxEventLoopBase::GetActive()->YieldFor(wxEVT_CATEGORY_ALL);
        wxTheApp->ProcessIdle();
    }
    return condition();
}

// Runs bodies inside modal dialogs (native ones too) as they show, from each dialog's own modal
// loop: for dialogs that show only after the display has answered. What has not shown when the
// watch goes is forgotten.
class ModalWatch {
public:
    // Runs body inside the next modal dialog of class T once it shows.
    template <class T> void WhenShows(std::function<void(T&)> body)
    {
        m_hooks.push_back(std::make_unique<Hook>([](wxDialog* dialog) { return dynamic_cast<T*>(dialog) != nullptr; },
                                                 [body](wxDialog& dialog) { body(dynamic_cast<T&>(dialog)); }));
    }

private:
    class Hook : public wxModalDialogHook {
    public:
        Hook(std::function<bool(wxDialog*)> accepts, std::function<void(wxDialog&)> body)
            : m_accepts(std::move(accepts)), m_body(std::move(body))
        {
            Register();
        }

    protected:
        int Enter(wxDialog* dialog) override
        {
            if (m_waiting && m_accepts(dialog)) {
                m_waiting = false;
                // Shown when the dialog's loop calls this; gone when something else ended it first.
                wxTheApp->CallAfter([this, shown = wxWeakRef<wxDialog>(dialog)] {
                    if (!shown) {
                        ADD_FAILURE() << "the dialog ended before the test could act in it";
                        return;
                    }
                    shown->Update(); // the window is on the display
                    m_body(*shown);
                });
            }
            return wxID_NONE;
        }

    private:
        std::function<bool(wxDialog*)> m_accepts;
        std::function<void(wxDialog&)> m_body;
        bool m_waiting = true;
    };

    std::vector<std::unique_ptr<Hook>> m_hooks;
};

// Gives the shown window of this process with that title (UTF-8) the keyboard focus and runs
// xdotool's commands there in turn, such as {"key ctrl+l", "type name", "key Return"}, as a
// person types; the keys are on their way to the program when it returns, to be handled when its
// event loop next turns. False when no such window shows or xdotool failed.
inline bool TypeInWindow(const std::string& title, const std::vector<std::string>& commands)
{
    std::string windows =
        testsupport::CommandOutput("xdotool search --onlyvisible --pid " + std::to_string(::getpid()) + " 2>/dev/null");
    for (size_t start = 0, end; (end = windows.find('\n', start)) != std::string::npos; start = end + 1) {
        std::string id = windows.substr(start, end - start);
        if (testsupport::CommandOutput("xdotool getwindowname " + id + " 2>/dev/null") != title + "\n")
            continue;
        bool done = std::system(("xdotool windowfocus --sync " + id + " >/dev/null 2>&1").c_str()) == 0;
        for (const std::string& command : commands)
            done = done && std::system(("xdotool " + command + " >/dev/null 2>&1").c_str()) == 0;
        return done;
    }
    return false;
}

// Lets wx delete the windows it keeps for deletion; how many top-level windows are left.
inline size_t SettleWindows()
{
    PumpUntil([] { return false; }, 3);
    return wxTopLevelWindows.GetCount();
}

// A window's place in its parent, or an empty rectangle when there is no window.
inline wxRect RectOf(wxWindow* window) { return window ? window->GetRect() : wxRect(); }

// The wx control that stands for a system control id in a dialog, or null.
template <class T> T* Control(wxWindow& dialog, int systemId)
{
    return dynamic_cast<T*>(dialog.FindWindow(WxIds::ToWx(systemId)));
}

// A command event of a control, as wx reports what a person did to it.
inline void Send(wxWindow* control, wxEventType type, int value)
{
    wxCommandEvent event(type, control->GetId());
    event.SetEventObject(control);
    event.SetInt(value);
    control->ProcessWindowEvent(event);
}

// A person's click on a button or check box.
inline void Click(wxWindow* control)
{
    ASSERT_NE(nullptr, control);
    if (wxCheckBox* box = dynamic_cast<wxCheckBox*>(control)) {
        box->SetValue(!box->GetValue());
        Send(control, wxEVT_CHECKBOX, box->GetValue());
    } else {
        Send(control, wxEVT_BUTTON, 0);
    }
}

// A person's pick of an item of a choice or list.
inline void Pick(wxWindow* choice, int index)
{
    auto* items = dynamic_cast<wxControlWithItems*>(choice);
    ASSERT_NE(nullptr, items);
    items->SetSelection(index);
    Send(choice, dynamic_cast<wxListBox*>(choice) ? wxEVT_LISTBOX : wxEVT_CHOICE, index);
}

// A person's click on a row of a list view; with ctrl the other rows keep their selection and the
// row toggles.
inline void ClickRow(wxListCtrl* list, long row, bool ctrl = false)
{
    ASSERT_NE(nullptr, list);
    if (!ctrl)
        for (long i = 0; i < list->GetItemCount(); ++i)
            if (i != row)
                list->SetItemState(i, 0, wxLIST_STATE_SELECTED);
    bool select = !ctrl || !(list->GetItemState(row, wxLIST_STATE_SELECTED) & wxLIST_STATE_SELECTED);
    list->SetItemState(row, select ? wxLIST_STATE_SELECTED : 0, wxLIST_STATE_SELECTED);
    // The event that the click raises.
    wxListEvent event(select ? wxEVT_LIST_ITEM_SELECTED : wxEVT_LIST_ITEM_DESELECTED, list->GetId());
    event.SetEventObject(list);
    event.m_itemIndex = row;
    list->ProcessWindowEvent(event);
}

// A modal window that holds a page as its form view does: the page made at (10, 30) and shown.
template <class Page> class PageHost : public CDialog {
public:
    PageHost(UINT hostTemplate, UINT pageTemplate) : CDialog(hostTemplate), m_pageTemplate(pageTemplate) {}
    Page m_page;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_page.Create(m_pageTemplate, this);
        m_page.SetWindowPos(nullptr, 10, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        m_page.ShowWindow(SW_SHOW);
        return TRUE;
    }

private:
    UINT m_pageTemplate;
};

// How many pixels of the area (the whole picture when empty) are much darker than a dialog's
// background: the ink of the text and the frames.
inline size_t DarkPixels(const wxImage& image, const wxRect& area = wxRect())
{
    wxRect within = area.IsEmpty() ? wxRect(0, 0, image.GetWidth(), image.GetHeight()) : area;
    size_t count = 0;
    for (int y = within.GetTop(); y <= within.GetBottom() && y < image.GetHeight(); ++y)
        for (int x = within.GetLeft(); x <= within.GetRight() && x < image.GetWidth(); ++x)
            if (image.GetRed(x, y) + image.GetGreen(x, y) + image.GetBlue(x, y) < 3 * 100)
                ++count;
    return count;
}

// The path of a test artefact (a screenshot) in the build tree.
inline std::string ArtefactPath(const std::string& name)
{
    ::mkdir(environment->m_artefactFolder.c_str(), 0755);
    return environment->m_artefactFolder + "/" + name;
}

// What a shown window's client area shows now, once the pending events are through.
inline wxImage Screenshot(wxWindow& window)
{
    PumpUntil([] { return false; }, 20);
    window.Update();
    wxSize size = window.GetClientSize();
    wxBitmap bitmap(size);
    {
        wxClientDC screen(&window);
        wxMemoryDC copy(bitmap);
        copy.Blit(0, 0, size.x, size.y, &screen, 0, 0);
    }
    return bitmap.ConvertToImage();
}

// Saves what a shown window's client area shows now as a test artefact of that name.
inline void KeepScreenshot(wxWindow& window, const std::string& name)
{
    EXPECT_TRUE(Screenshot(window).SaveFile(ArtefactPath(name), wxBITMAP_TYPE_PNG));
}

} // namespace uitest
