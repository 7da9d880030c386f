// The migration dialog on the display, run modally as start-up runs it, over the sample data set.
#include "tests/support/ShellTestSupport.h"
#include "tests/ui/UiTestSupport.h"

#include "app/ZnDlgAppSelectObjDialog.h"
#include "platform/core/Cp932.h"
#include "res/MainFrameIds.h"

#include <filesystem>
#include <iterator>

#include <wx/msgdlg.h>
// after the message dialog's base
#include <wx/generic/msgdlgg.h>

namespace {

const char kCaption[] = u8"Miravel (2010年09月03日リリース)";

// The display's host, which presses Esc, Space and Enter in the migration dialog while its export
// runs: when the progress line first tells of the properties, between the two exports.
class KeysDuringExport : public WxUiHost {
public:
    KeysDuringExport() : m_previous(UiHost::Install(this)) {}
    ~KeysDuringExport() override { UiHost::Install(m_previous); }

    void UpdateWindow(CWnd& wnd) override
    {
        WxUiHost::UpdateWindow(wnd);
        CString text;
        wnd.GetWindowText(text);
        if (wnd.GetDlgCtrlID() == IDC_SO_PROGRESS && text.Find("物件データ") == 0 && !pressed)
            pressed = uitest::TypeInWindow(kCaption, {"key Escape space Return"});
    }

    bool pressed = false;

private:
    UiHost* m_previous;
};

class MigrationDialogScreen : public ShellTest {
protected:
    MigrationDialogScreen()
    {
        MakeExportableSampleDataSet(m_data.Path("sample"));
        StoreFolders(Data("sample/codes"), Data("sample/common"), Data("sample/bukken"), Data("sample/export"),
                     nullptr);
    }

    // Outside the program's drive C, as the zip library, which keeps no drive table, needs.
    CString Data(const std::string& relative) const { return CString(LinuxPathToWin(m_data.Path(relative))); }

    testsupport::TempFolder m_data;
};

} // namespace

// Keys pressed while the export runs are not taken: the completion message still stands once its
// own loop has turned, until the test answers it.
TEST_F(MigrationDialogScreen, KeysPressedDuringTheExportDoNotAnswerTheCompletionMessage)
{
    Start();
    KeysDuringExport host;
    uitest::ModalWatch watch;
    wxString told;
    bool standing = false;
    watch.WhenShows<wxDialog>([&](wxDialog& peer) {
        watch.WhenShows<wxGenericMessageDialog>([&](wxGenericMessageDialog& box) {
            told = box.GetMessage();
            uitest::PumpUntil([] { return false; }, 50);
            standing = box.IsShown();
            box.EndModal(wxID_OK);
        });
        uitest::Click(uitest::Control<wxButton>(peer, IDC_SO_BTN_IKOU));
        if (CDialog* running = AfxGetRunningModal())
            running->EndDialog(IDCANCEL);
    });
    ZnDlgAppSelectObjDialog dialog;
    dialog.DoModal();
    EXPECT_TRUE(host.pressed);
    EXPECT_EQ(wxString::FromUTF8(u8"移行データ作成が終わりました。"), told);
    EXPECT_TRUE(standing);
    // Both archives are made, and nothing else.
    EXPECT_EQ(2, std::distance(std::filesystem::directory_iterator(m_data.Path("sample/export")),
                               std::filesystem::directory_iterator()));
}
