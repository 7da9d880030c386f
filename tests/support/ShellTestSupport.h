// A user interface that records destroyed windows, and a fixture that starts the application object.
#pragma once

#include "tests/support/ScriptedUi.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestSupport.h"

#include "app/CMainFrame.h"
#include "app/CZnAppProApp.h"
#include "app/CZnAppProDoc.h"
#include "platform/files/WinPath.h"
#include "platform/wnd/CListCtrl.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

class ShellTestUi : public ScriptedUi {
public:
    struct DestroyedWindow {
        std::string className;
        std::string text; // UTF-8
    };
    void WindowDestroyed(CWnd& wnd) override;
    // The database layer's reports that name a register file (each start without a register
    // gives one) are answered with OK and kept in registerReports, not messageBoxes.
    int MessageBox(const MessageBoxRequest& request) override;

    std::vector<DestroyedWindow> destroyed;
    std::vector<std::string> registerReports; // UTF-8 texts
};

// A dialog template's controls, one line each: "id:text:x,y,cx,cy" (dialog units) with the
// style marks ":sorted" (combo box), ":readonly" (edit), ":multiselect" (report list that takes
// several rows), ":default" (button) and ":disabled". UTF-8; empty for a missing template.
std::string TemplateControls(UINT dialogId);

// Each row of a report list: its column texts, each followed by "|", UTF-8.
std::vector<std::string> ListRowTexts(CListCtrl& list);

// Makes the sample data set in folder, its application folder (codes/) holding the code
// databases and a link to the program's zip library, so that the exports can run over it.
void MakeExportableSampleDataSet(const std::string& folder);

class ShellTest : public ::testing::Test {
protected:
    ShellTest();
    ~ShellTest() override;

    // Stores the five folder values below AppPos; null leaves a value out.
    static void StoreFolders(LPCTSTR app, LPCTSTR com, LPCTSTR obj, LPCTSTR dst, LPCTSTR output);
    // The Windows form of a path below the work folder.
    CString Windows(const std::string& relative) const { return CString(LinuxPathToWin(m_folder.Path(relative))); }
    // Makes folders below the work folder.
    void MakeFolders(std::initializer_list<std::string> relatives) const;
    // Whether a path below the work folder exists.
    bool Exists(const std::string& relative) const;
    // Copies a floppy fixture of tests/data/fdimport into relative (floppy/ unless told) below the
    // work folder, emptied first.
    void CopyFloppy(const std::string& fixture, const std::string& relative = "floppy") const;
    // Runs InitInstance with an empty command line; it must return FALSE. The migration dialog
    // that start-up runs is closed at once, or runs inDialog, which must end it.
    void Start(std::function<void(CDialog&)> inDialog = {});
    // What the started application shows.
    CMainFrame& Frame() const { return *m_app.GetMainFrame(); }
    CZnAppProDoc& Document() const { return *m_app.GetActiveDocument(); }
    // Sends a command to the main frame as a menu would.
    void Command(UINT nID) const { Frame().SendMessage(WM_COMMAND, nID, 0); }
    // Clicks a button of a panel bar as a person would (through its window).
    void Click(int panel, int nID) const;
    // The class name of the view shown in the active child, or "" when there is none.
    std::string ActiveViewClass() const;
    // The page of that class that the active form view shows; throws when it shows none.
    template <class Page> Page& ShownPage() const
    {
        CView& view = *Frame().MDIGetActive()->GetActiveView();
        for (CWnd* child = view.GetWindow(GW_CHILD); child; child = child->GetWindow(GW_HWNDNEXT))
            if (auto* page = dynamic_cast<Page*>(child))
                return *page;
        throw std::logic_error("the form view shows no page");
    }
    // The texts of the message boxes shown so far, UTF-8.
    std::vector<std::string> MessageTexts() const;
    // The property rows of the register at a path below the work folder, as RecordsetRows lines.
    std::vector<std::string> RegisterRows(const std::string& relative) const;

    testsupport::TempRegistry m_registry;
    testsupport::TempFolder m_folder;
    ShellTestUi m_ui;
    CZnAppProApp m_app;

private:
    char* m_oldFolder = nullptr;
};
