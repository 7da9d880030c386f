// The floppy-output pages of lifts, building equipment, structures and lifts of structures in their
// form views, in a started program: the fixture that opens a page on a property of drive A:, the
// table row each page runs with, and the documents and list readings the tests share. Every test
// runs for each page (the table and its instantiation are in the source beside this header).
#pragma once

#include "tests/support/ShellTestSupport.h"

#include "fdoutput/ZnDlgAppFDPage.h"
#include "model/ZnModel.h"
#include "platform/core/Cp932.h"
#include "platform/database/CDaoDatabase.h"
#include "platform/files/WinDrive.h"
#include "platform/wnd/UserInput.h"
#include "res/FloppyOutputIds.h"
#include "storage/AppDatabaseSchemas.h"
#include "writers/ZnWriteOutcome.h"

#include <memory>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace facilitytest {

using testsupport::Cp932;
using testsupport::ReadFileBytes;
using testsupport::StoreToBytes;
using testsupport::Utf8;
using testsupport::WriteFileBytes;

const int confirmation = 1000;
const int planChange = 1008;

// What a page has of its own.
struct PageCase {
    const char* name;
    CRuntimeClass* view;
    int confirmationCode, planChangeCode;
    const char* formFile; // the confirmation's form file in mode 32786
    int confirmationFormNo, planChangeFormNo;
    CRuntimeClass* formClass;
    CRuntimeClass* confirmationClass;
    CRuntimeClass* planChangeClass;
    const char* kindName; // of the titles and the check result
    bool counts;          // shows the count of further items
    std::vector<int> planChangeWidths;
    ZnWriteOutcome (*writeXml)(CString path, int selection);
    std::vector<std::string> emptyFindings; // the check's messages on empty objects (UTF-8)
    // The writers' stored documents of a confirmation and a plan change (tests/data/writers), the
    // expected data files the family writer makes of them, and the family's form copied from theirs.
    const char* confirmationFixture;
    const char* planChangeFixture;
    const char* confirmationExpected;
    const char* planChangeExpected;
    std::unique_ptr<ZnModel> (*familyCopy)(const ZnModel& stored);
};

// A stored document as the page puts it into the slots: the application, the family's form and
// the document type's form.
std::string DocumentFile(const PageCase& page, int docType, const char* owner, int furtherItems = 0);

// A writers' stored document (the root, the form of the document type and, for a plan change, a
// second one with the change record) as the page stores it: the root, the family's form, and the
// type's form (an empty confirmation form, or the plan change's own).
std::string PageLayoutOf(const std::string& fixture, CRuntimeClass* storedClass, bool planChange,
                         std::unique_ptr<ZnModel> (*familyCopy)(const ZnModel&));

// Confirmations 9 and 5 (5 with a reception number) and plan changes 8 (with one) and 6 of the
// page's kind, and a building confirmation that is not listed.
std::string Register(const PageCase& page);

// The quoted fields of the first line of an index file, the record head first.
std::vector<std::string> HeadFields(const std::string& iba);

class FacilityPage : public ShellTest, public ::testing::WithParamInterface<PageCase> {
protected:
    FacilityPage()
    {
        MakeFolders({"app", "com", "obj", u8"obj/南町の家", "fd"});
        StoreFolders(Windows("app"), Windows("com"), Windows("obj"), Windows("dst"), "A:");
        SetDriveFolder('A', m_folder.Path("fd"));
    }

    const PageCase& Page() const { return GetParam(); }
    void MakeRegister() const
    {
        DaoCreateDatabase(Windows("obj/APP_BUKKEN.mdb"), std::string(appBukkenSchema) + Register(Page()));
    }
    void StoreDocument(const std::string& name, const std::string& bytes) const
    {
        WriteFileBytes(m_folder.Path(u8"obj/南町の家/" + name), bytes);
    }

    // Starts the program on the property and opens the page for the document type and mode.
    ZnDlgAppFDPage& Open(int docType, int mode = 32786)
    {
        Start();
        m_app.SetObjFolder(Windows("obj"));
        m_app.SetBukkenName(Cp932(u8"南町の家"));
        Frame().SetBukkenIndex(5);
        Frame().SetDocMode(mode);
        Frame().SetDocType(docType);
        m_app.ChangeView(m_app.GetFormTemplate(Page().view));
        return ShownPage<ZnDlgAppFDPage>();
    }

    // "FD出力" with the confirm dialog's choice: 0 check first (the check result then ends with
    // its button), 1 output without the check.
    void Output(ZnDlgAppFDPage& page, int check, int resultButton = IDOK)
    {
        m_ui.ScriptModal([check](CDialog& confirm) {
            ASSERT_TRUE(UserInput::Click(confirm, check ? IDC_RADIO_NO_CHECK : IDC_RADIO_CHECK));
            ASSERT_TRUE(UserInput::Click(confirm, IDOK));
        });
        if (check == 0)
            m_ui.ScriptModal([resultButton](CDialog& result) { ASSERT_TRUE(UserInput::Click(result, resultButton)); });
        ASSERT_TRUE(UserInput::Click(page, IDC_FDP_BTN_OUTPUT));
    }

    std::string FloppyFile(const std::string& relative) const { return ReadFileBytes(m_folder.Path("fd/" + relative)); }
    bool FloppyHas(const std::string& relative) const
    {
        struct stat info;
        return stat(m_folder.Path("fd/" + relative).c_str(), &info) == 0;
    }

    void ExpectCheckOfUnreadableFile(const std::string& bytes)
    {
        MakeRegister();
        StoreDocument(Page().formFile, bytes);
        m_ui.AnswerMessageBox(IDOK);
        ZnDlgAppFDPage& page = Open(confirmation);
        EXPECT_EQ(std::vector<std::string>{u8"予期しないファイル形式です。"}, MessageTexts());
        EXPECT_EQ(Page().formClass, Document().GetFormModel()->GetRuntimeClass());
        EXPECT_EQ(Page().confirmationClass, Document().GetSubFormModel()->GetRuntimeClass());

        Output(page, 0, IDCANCEL);
        EXPECT_EQ(Page().kindName, Utf8(page.m_dlgCheckResult.m_strObjKindTitle));
        std::vector<std::string> findings;
        for (int i = 0; i < page.m_dlgCheckResult.m_messages.GetSize(); ++i)
            findings.push_back(Utf8(page.m_dlgCheckResult.m_messages[i]));
        EXPECT_EQ(Page().emptyFindings, findings);
        EXPECT_FALSE(FloppyHas("Keikaku"));
    }

    // The floppy after an output of the loaded document: the form list, the index head with the
    // submission code, and the data file that the family writer writes for the document; no maps.
    void ExpectFloppy(const std::string& forms, const std::string& submissionCode, const std::string& owner)
    {
        EXPECT_EQ(std::vector<std::string>{}, MessageTexts());
        EXPECT_FALSE(FloppyHas("Mitori") || FloppyHas("Haichi"));
        EXPECT_EQ(forms, FloppyFile("Sinsei/filename"));
        std::vector<std::string> head = HeadFields(FloppyFile("Info/filename.iba"));
        ASSERT_LE(6u, head.size());
        EXPECT_EQ("#000", head[0]);
        EXPECT_EQ(submissionCode, head[5]);
        std::string data = FloppyFile(u8"Keikaku/申請書データ.xml");
        ASSERT_EQ(ZnWriteOutcome::written, Page().writeXml(Windows("direct.xml"), 0));
        EXPECT_EQ(ReadFileBytes(m_folder.Path("direct.xml")), data);
        EXPECT_NE(std::string::npos, data.find(owner));
    }
};

// A line of the form list: "#" and the form number.
std::string FormLine(int formNo);
std::vector<std::string> Headings(CListCtrl& list);
std::vector<int> Widths(CListCtrl& list);
int ClientWidth(CListCtrl& list);
std::string Text(CWnd& page, int id);
std::string ComboItem(CComboBox& combo, int index);
bool Shown(CWnd& page, int id);

} // namespace facilitytest
