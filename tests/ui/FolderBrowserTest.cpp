// The folder browser on the display, typed into as a person types: it gives only a folder that
// exists.
#include "tests/support/TempFolder.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/FolderBrowse.h"
#include "tests/ui/UiTestSupport.h"

#include "platform/files/WinPath.h"
#include "platform/ui/WxText.h"

#include <filesystem>

#include <wx/dirdlg.h>
#include <wx/msgdlg.h>
// after the message dialog's base
#include <wx/generic/msgdlgg.h>

// Names typed into the location field: one that is no folder (which GTK makes before it answers)
// and a folder that its Windows path does not reach are each refused with a message over the
// browser, which stays open, and the folder made for the first is gone again; then a folder that
// exists is taken.
TEST(FolderBrowser, RefusesTypedNamesOfNoFolderToChooseAndStaysOpen)
{
    testsupport::TempFolder folder;
    for (const char* name : {"exists", "C:\\tmp\\x"})
        ASSERT_EQ(0, ::mkdir(folder.Path(name).c_str(), 0755)) << name;
    const std::vector<std::string> typed = {folder.Path("missing"), folder.Path("C:\\tmp\\x"), folder.Path("exists")};
    std::vector<wxString> told;
    int stayedOpen = 0;
    uitest::ModalWatch watch;
    std::function<void(wxDirDialog&, size_t)> type = [&](wxDirDialog& chooser, size_t next) {
        if (next + 1 < typed.size())
            watch.WhenShows<wxGenericMessageDialog>([&, next](wxGenericMessageDialog& box) {
                told.push_back(box.GetMessage());
                box.EndModal(wxID_OK);
                wxTheApp->CallAfter([&, next] {
                    stayedOpen += chooser.IsModal() && chooser.IsShown();
                    type(chooser, next + 1);
                });
            });
        EXPECT_TRUE(
            uitest::TypeInWindow(u8"フォルダの参照", {"key ctrl+a", "type '" + typed[next] + "'", "key Return"}));
    };
    watch.WhenShows<wxDirDialog>([&](wxDirDialog& chooser) { type(chooser, 0); });
    CString chosen;
    uitest::OnDisplay([&] { chosen = uitest::BrowseFrom(LinuxPathToWin(folder.Path()).c_str()).first; });

    EXPECT_EQ(CString(LinuxPathToWin(folder.Path("exists"))), chosen);
    EXPECT_EQ(2, stayedOpen);
    std::vector<wxString> expected;
    for (const char* name : {"missing", "C:\\tmp\\x"})
        expected.push_back(wxString::FromUTF8(u8"フォルダ【" + LinuxPathToWin(folder.Path(name)) +
                                              u8"】は存在しません。\n存在するフォルダを選んでください。"));
    EXPECT_EQ(expected, told);
    EXPECT_FALSE(std::filesystem::exists(folder.Path("missing")));
    EXPECT_TRUE(std::filesystem::exists(folder.Path("C:\\tmp\\x")));
}
