// The folder browser on the display, typed into as a person types: it gives only a folder that
// exists.
#include "tests/support/TempFolder.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/FolderBrowse.h"
#include "tests/ui/UiTestSupport.h"

#include "platform/files/WinPath.h"
#include "platform/ui/WxText.h"

#include <filesystem>
#include <fstream>
#include <memory>

#include <gtk/gtk.h>

#include <wx/dirdlg.h>
#include <wx/msgdlg.h>
// after the message dialog's base
#include <wx/generic/msgdlgg.h>

namespace {

// Whether GTK's list of the desktop's recently used files holds the folder.
bool Recorded(const std::string& linuxPath)
{
    std::unique_ptr<gchar, decltype(&g_free)> uri(g_filename_to_uri(linuxPath.c_str(), nullptr, nullptr), g_free);
    return gtk_recent_manager_has_item(gtk_recent_manager_get_default(), uri.get());
}

} // namespace

// Names typed into the location field: one for which no folder exists (which GTK would make before
// it answers), a file, and a folder whose Windows path leads to another folder are each refused
// with their reason over the browser, which stays open; GTK makes no folder for them and does not
// record them as recently used. Then a folder made elsewhere while the browser was open is taken as
// it stands.
TEST(FolderBrowser, RefusesTypedNamesOfNoFolderToChooseAndStaysOpen)
{
    testsupport::TempFolder folder;
    // The one name "C:\tmp\x"; its Windows path leads to the folders C:/tmp/x beside it.
    for (const char* name : {"C:\\tmp\\x", "C:", "C:/tmp", "C:/tmp/x"})
        ASSERT_EQ(0, ::mkdir(folder.Path(name).c_str(), 0755)) << name;
    std::ofstream(folder.Path("file.txt")) << "no folder";
    const std::vector<std::string> typed = {folder.Path("missing"), folder.Path("file.txt"), folder.Path("C:\\tmp\\x"),
                                            folder.Path("made-meanwhile")};
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
    watch.WhenShows<wxDirDialog>([&](wxDirDialog& chooser) {
        EXPECT_EQ(0, ::mkdir(typed.back().c_str(), 0755)); // as a file manager makes it
        type(chooser, 0);
    });
    CString chosen;
    uitest::OnDisplay([&] { chosen = uitest::BrowseFrom(LinuxPathToWin(folder.Path()).c_str()).first; });

    EXPECT_EQ(CString(LinuxPathToWin(typed.back())), chosen);
    EXPECT_EQ(3, stayedOpen);
    auto inFrame = [](const std::string& path, const char* reason) {
        return wxString::FromUTF8(u8"フォルダ【" + LinuxPathToWin(path) + u8"】" + reason);
    };
    const char kNoFolder[] = u8"は存在しません。\n存在するフォルダを選んでください。";
    EXPECT_EQ((std::vector<wxString>{inFrame(typed[0], kNoFolder), inFrame(typed[1], kNoFolder),
                                     inFrame(typed[2], u8"の名前に、Windowsのパスに使えない文字が含まれています。\n"
                                                       u8"別のフォルダを選んでください。")}),
              told);
    EXPECT_FALSE(std::filesystem::exists(typed[0]));
    EXPECT_TRUE(std::filesystem::is_directory(typed[2]));
    EXPECT_TRUE(std::filesystem::is_directory(typed[3]));
    // GTK records the chosen folder once it has looked the folder up, some events later; the
    // refused names it would have recorded before it.
    for (int events = 0; !Recorded(typed[3]) && events < 1000; ++events)
        g_main_context_iteration(nullptr, TRUE);
    EXPECT_TRUE(Recorded(typed[3]));
    for (size_t refused = 0; refused < 3; ++refused)
        EXPECT_FALSE(Recorded(typed[refused])) << typed[refused];
}
