#include "tests/support/ShellTestSupport.h"
#include "tests/support/RecordsetRows.h"

#include "platform/core/Cp932.h"
#include "platform/files/WinDrive.h"
#include "platform/wnd/Afxwin.h"
#include "platform/wnd/Resources.h"
#include "res/MainFrameIds.h"
#include "storage/ZnAppBukkenKanriTblDAO.h"
#include "storage/ZnAppRegObject.h"
#include "storage/ZnRegKey.h"
#include "tools/sampledata/SampleDataSet.h"

#include <filesystem>
#include <unistd.h>

namespace {
std::string StyleMarks(const ControlResource& c)
{
    std::string marks;
    if (c.kind == ControlKind::ComboBox && (c.style & CBS_SORT))
        marks += ":sorted";
    if (c.kind == ControlKind::Edit && (c.style & ES_READONLY))
        marks += ":readonly";
    if (c.kind == ControlKind::ListView && (c.style & LVS_TYPEMASK) == LVS_REPORT && !(c.style & LVS_SINGLESEL))
        marks += ":multiselect";
    if (c.kind == ControlKind::Button && (c.style & 0x0F) == BS_DEFPUSHBUTTON)
        marks += ":default";
    if (c.style & WS_DISABLED)
        marks += ":disabled";
    return marks;
}
} // namespace

std::string TemplateControls(UINT dialogId)
{
    const DialogResource* dialog = AfxFindDialogResource(dialogId);
    std::string controls;
    for (size_t i = 0; dialog && i < dialog->controlCount; ++i) {
        const ControlResource& c = dialog->controls[i];
        controls += std::to_string(c.id) + ":" + (c.text ? c.text : "") + ":" + std::to_string(c.x) + "," +
                    std::to_string(c.y) + "," + std::to_string(c.cx) + "," + std::to_string(c.cy) + StyleMarks(c) +
                    "\n";
    }
    return controls;
}

std::vector<std::string> ListRowTexts(CListCtrl& list)
{
    std::vector<std::string> rows;
    for (int i = 0; i < list.GetItemCount(); ++i) {
        std::string row;
        for (int column = 0; column < list.GetColumnCount(); ++column)
            row += cp932::ToUtf8(list.GetItemText(i, column).Bytes()) + "|";
        rows.push_back(row);
    }
    return rows;
}

void ShellTestUi::WindowDestroyed(CWnd& wnd)
{
    CString text;
    wnd.GetWindowText(text);
    destroyed.push_back({wnd.GetRuntimeClass()->m_lpszClassName, cp932::ToUtf8(text.Bytes())});
}

int ShellTestUi::MessageBox(const MessageBoxRequest& request)
{
    std::string text = cp932::ToUtf8(request.text.Bytes());
    if (text.find("\\APP_BUKKEN.mdb' ") != std::string::npos) {
        registerReports.push_back(text);
        return IDOK;
    }
    return ScriptedUi::MessageBox(request);
}

ShellTest::ShellTest()
{
    // The run log goes to the work folder, and drive C stands for it too.
    m_oldFolder = getcwd(nullptr, 0);
    if (chdir(m_folder.Path().c_str()) != 0)
        ADD_FAILURE() << "cannot enter " << m_folder.Path();
    SetDriveFolder('C', m_folder.Path());
}

ShellTest::~ShellTest()
{
    if (m_app.m_pMainWnd)
        m_app.m_pMainWnd->DestroyWindow();
    EXPECT_EQ(0, AfxGetWindowCount()) << "windows were left";
    ResetDriveTable();
    if (chdir(m_oldFolder) != 0)
        ADD_FAILURE() << "cannot return to " << m_oldFolder;
    free(m_oldFolder);
}

void ShellTest::StoreFolders(LPCTSTR app, LPCTSTR com, LPCTSTR obj, LPCTSTR dst, LPCTSTR output)
{
    ZnRegKey key;
    ASSERT_EQ(ERROR_SUCCESS, key.Create(HKEY_LOCAL_MACHINE, CString("SOFTWARE\\") + kAppPosSubKey));
    const char* names[] = {"ZnApp", "ZnCom", "ZnObj", "ZnDst", "ZnOutput"};
    LPCTSTR values[] = {app, com, obj, dst, output};
    for (int i = 0; i < 5; ++i)
        if (values[i])
            key.SetValue(values[i], names[i]);
}

void ShellTest::MakeFolders(std::initializer_list<std::string> relatives) const
{
    for (const std::string& relative : relatives)
        std::filesystem::create_directories(m_folder.Path(relative));
}

void ShellTest::Start(std::function<void(CDialog&)> inDialog)
{
    if (!inDialog)
        inDialog = [](CDialog& dialog) { dialog.EndDialog(IDCANCEL); };
    m_ui.ScriptModal(std::move(inDialog));
    char program[] = "zadazez";
    char* argv[] = {program};
    m_app.SetCommandLine(1, argv);
    ASSERT_FALSE(m_app.InitInstance());
    ASSERT_NE(nullptr, m_app.GetMainFrame());
    // modalTemplates keeps the dialogs run after start-up.
    ASSERT_FALSE(m_ui.modalTemplates.empty());
    ASSERT_EQ(static_cast<UINT>(IDD_SELECT_OBJ), m_ui.modalTemplates.front());
    m_ui.modalTemplates.erase(m_ui.modalTemplates.begin());
}

void ShellTest::Click(int panel, int nID) const
{
    CWnd* bar = Frame().GetDlgItem(panel);
    ASSERT_NE(nullptr, bar) << "no panel " << panel;
    CWnd* button = bar->GetDlgItem(nID);
    ASSERT_NE(nullptr, button) << "no button " << nID << " on panel " << panel;
    bar->SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), reinterpret_cast<LPARAM>(button->m_hWnd));
}

std::string ShellTest::ActiveViewClass() const
{
    CMDIChildWnd* child = Frame().MDIGetActive();
    CView* view = child ? child->GetActiveView() : nullptr;
    return view ? view->GetRuntimeClass()->m_lpszClassName : "";
}

std::vector<std::string> ShellTest::MessageTexts() const
{
    std::vector<std::string> texts;
    for (const MessageBoxRequest& box : m_ui.messageBoxes)
        texts.push_back(cp932::ToUtf8(box.text.Bytes()));
    return texts;
}

void MakeExportableSampleDataSet(const std::string& folder)
{
    sampledata::MakeSampleDataSet(folder);
    std::string library = std::string(ZN_APP_DIR) + "/libzipnorva32.so";
    EXPECT_EQ(0, symlink(library.c_str(), (folder + "/codes/libzipnorva32.so").c_str()));
}

std::vector<std::string> ShellTest::RegisterRows(const std::string& relative) const
{
    ZnAppBukkenKanriTblDAO set;
    set.SetDBPath(Windows(relative));
    return ReadRows(set, [](ZnAppBukkenKanriTblDAO& s) {
        return Line(s.m_BukkenIndex, s.m_Bukkenmei, s.m_Koushinbi, s.m_ChikiShiteiCode, s.m_ShinseiKubun,
                    s.m_HozonDirectory, s.m_Bikou);
    });
}

bool ShellTest::Exists(const std::string& relative) const { return std::filesystem::exists(m_folder.Path(relative)); }

void ShellTest::CopyFloppy(const std::string& fixture, const std::string& relative) const
{
    std::filesystem::remove_all(m_folder.Path(relative));
    std::filesystem::copy(testsupport::DataPath("fdimport/" + fixture), m_folder.Path(relative),
                          std::filesystem::copy_options::recursive);
}
