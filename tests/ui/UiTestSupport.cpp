#include "tests/ui/UiTestSupport.h"

#include "platform/ui/WxSession.h"
#include "platform/wnd/CDialog.h"

#include <gtest/gtest.h>

#include <memory>
#include <sys/stat.h>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/evtloop.h>

namespace {
constexpr int kModalTries = 100;

// wx's own checks fail the test rather than asking anybody.
void FailOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond, const wxString& msg)
{
    ADD_FAILURE() << "wx assertion " << cond.utf8_str().data() << " in " << func.utf8_str().data() << " ("
                  << file.utf8_str().data() << ":" << line << "): " << msg.utf8_str().data();
}

class DisplayEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        m_session = std::make_unique<WxSession>(m_argc, m_argv);
        ASSERT_TRUE(m_session->IsRunning()) << "no display: run the display tests under xvfb-run";
        wxSetAssertHandler(FailOnAssert);
    }
    void TearDown() override { m_session.reset(); }
    WxSession* Session() { return m_session.get(); }

private:
    std::unique_ptr<WxSession> m_session;
    char m_name[9] = "ui_tests";
    char* m_argv[2] = {m_name, nullptr};
    int m_argc = 1;
};

DisplayEnvironment* const environment =
    static_cast<DisplayEnvironment*>(testing::AddGlobalTestEnvironment(new DisplayEnvironment));

wxDialog* InnermostModal()
{
    for (auto node = wxTopLevelWindows.GetLast(); node; node = node->GetPrevious())
        if (wxDialog* dialog = dynamic_cast<wxDialog*>(node->GetData()); dialog && dialog->IsModal())
            return dialog;
    return nullptr;
}

void QueueWhenModal(std::function<void(wxDialog&)> body, int tries)
{
    wxTheApp->CallAfter([body, tries] {
        wxDialog* modal = InnermostModal();
        if (modal && modal->IsShown()) {
            body(*modal);
        } else if (tries < kModalTries) {
            QueueWhenModal(body, tries + 1);
        } else {
            ADD_FAILURE() << "no modal dialog showed up";
            if (CDialog* running = AfxGetRunningModal())
                running->EndDialog(-1);
        }
    });
}

void Send(wxWindow* control, wxEventType type, int value)
{
    wxCommandEvent event(type, control->GetId());
    event.SetEventObject(control);
    event.SetInt(value);
    control->ProcessWindowEvent(event);
}
} // namespace

namespace uitest {

WxUiHost& Host() { return environment->Session()->Host(); }

void WhenModal(std::function<void(wxDialog&)> body) { QueueWhenModal(std::move(body), 0); }

bool PumpUntil(const std::function<bool()>& condition, int turns)
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

size_t SettleWindows()
{
    PumpUntil([] { return false; }, 3);
    return wxTopLevelWindows.GetCount();
}

void Click(wxWindow* control)
{
    ASSERT_NE(nullptr, control);
    if (wxCheckBox* box = dynamic_cast<wxCheckBox*>(control)) {
        box->SetValue(!box->GetValue());
        Send(control, wxEVT_CHECKBOX, box->GetValue());
    } else {
        Send(control, wxEVT_BUTTON, 0);
    }
}

void Pick(wxWindow* choice, int index)
{
    ASSERT_NE(nullptr, dynamic_cast<wxChoice*>(choice));
    static_cast<wxChoice*>(choice)->SetSelection(index);
    Send(choice, wxEVT_CHOICE, index);
}

std::string ArtefactPath(const std::string& name)
{
    std::string folder = "ui_artefacts";
    ::mkdir(folder.c_str(), 0755);
    return folder + "/" + name;
}

} // namespace uitest
