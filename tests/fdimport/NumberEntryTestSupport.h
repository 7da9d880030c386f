// Number entry in the main frame: the fixture that opens the application list of a property over
// a register and its document files, drives the floppy panel's two dialogs and reads back what
// their OK leaves in the document, its file and its row.
#pragma once

#include "tests/support/ShellTestSupport.h"

#include "fdimport/ZnDlgAppShinseishoList.h"
#include "model/ZnModelApp.h"
#include "platform/core/Cp932.h"
#include "platform/database/CDaoDatabase.h"
#include "platform/wnd/UserInput.h"
#include "res/NumberEntryIds.h"
#include "storage/AppDatabaseSchemas.h"
#include "storage/ZnAppBukkenShousaiTblDAO.h"

#include <functional>
#include <string>
#include <vector>

namespace numberentrytest {

using testsupport::ReadFileBytes;
using testsupport::Utf8;
using testsupport::WriteFileBytes;

const char kBukkenFolder[] = u8"obj/南町の家/";

// The register: property 5 with its documents, property 8 with one of its own.
extern const char kRows[];

// A document file of a kind whose five lists hold the numbers of groups named after the list
// ("B1", "L2", ...), each with its second number ("B1-2") and an item number of 10 + its place.
std::string DocumentFile(int code, std::vector<int> counts);

// Each row of a list: its columns and item data joined by "|", UTF-8.
std::vector<std::string> ListRows(CListCtrl& list);

class NumberEntry : public ShellTest {
protected:
    NumberEntry()
    {
        MakeFolders({"app", "com", "obj", kBukkenFolder, "fd"});
        DaoCreateDatabase(Windows("obj/APP_BUKKEN.mdb"), std::string(appBukkenSchema) + kRows);
        WriteFileBytes(Path("Ka001.110"), DocumentFile(100001, {5, 2, 0, 0, 1}));
        WriteFileBytes(Path("Ka002.160"), DocumentFile(100002, {2}));
        WriteFileBytes(Path("Ka003.420"), DocumentFile(100302, {1}));
        WriteFileBytes(Path("Ka004.501"), DocumentFile(100501, {1}));
        WriteFileBytes(Path("Ke006.240"), DocumentFile(100801, {2}));
        WriteFileBytes(Path("Ka007.211"), DocumentFile(100201, {1}));
        StoreFolders(Windows("app"), Windows("com"), Windows("obj"), Windows("dst"), Windows("fd") + "\\");
    }

    std::string Path(const std::string& file) const { return m_folder.Path(kBukkenFolder + file); }

    // Starts the program and opens the application list of property 5.
    void OpenList()
    {
        Start();
        m_app.SetBukkenName("南町の家");
        Frame().SetBukkenIndex(5);
        Frame().SetDocMode(DOCMODE_ZADAZEZ);
        Frame().SetBukkenSelected(1);
        Command(ID_NUMBER_INPUT);
        ASSERT_EQ("ZnFvAppCAHJ0100", ActiveViewClass());
    }
    ZnDlgAppShinseishoList& List() const { return Frame().GetShinseishoList(); }
    CFdMenuBar& Bar() const { return *static_cast<CFdMenuBar*>(Frame().GetDlgItem(IDD_FDMENUBAR)); }
    // Presses a floppy-panel button whose dialog must refuse OK with a message box (after type
    // has filled it, when given); the dialog is then cancelled.
    void OkRefused(int button, std::function<void(CDialog&)> type = {})
    {
        m_ui.ScriptModal([this, type](CDialog& dialog) {
            if (type)
                type(dialog);
            m_ui.AnswerMessageBox(IDOK);
            ASSERT_TRUE(UserInput::Click(dialog, IDOK));
            EXPECT_TRUE(dialog.ContinueModal());
            dialog.EndDialog(IDCANCEL);
        });
        Click(IDD_FDMENUBAR, button);
    }

    // Chooses the document row with that item data and presses 詳細.
    void Detail(int shousai)
    {
        for (int i = 0; i < List().m_listShinseisho.GetItemCount(); ++i)
            if (static_cast<int>(List().m_listShinseisho.GetItemData(i)) == shousai) {
                ASSERT_TRUE(UserInput::ClickListItem(List().m_listShinseisho, i));
            }
        ASSERT_TRUE(UserInput::Click(List(), IDC_SL_BTN_DETAIL));
    }
    // Clicks the number row with that item data.
    void ChooseNumberRow(int row)
    {
        for (int i = 0; i < List().m_listShousai.GetItemCount(); ++i)
            if (static_cast<int>(List().m_listShousai.GetItemData(i)) == row) {
                ASSERT_TRUE(UserInput::ClickListItem(List().m_listShousai, i));
            }
    }
    // Copies a fixture floppy into fd/.
    void InsertFloppy(const std::string& name) { CopyFloppy(name, "fd"); }

    // The register row of a document of property 5: number, issued number and date.
    std::string Row(int shousai)
    {
        ZnAppBukkenShousaiTblDAO rows;
        rows.SetDBPath(Windows("obj/APP_BUKKEN.mdb"));
        rows.Open(dbOpenDynaset, ZnAppBukkenShousaiTblDAO::GetSQLByBukkenIndex(5), 0);
        std::string found;
        for (; !rows.IsEOF(); rows.MoveNext())
            if (rows.m_BukkenShousaiIndex == shousai) {
                CString text;
                text.Format("%s|%s|%d-%d-%d", LPCTSTR(rows.m_UketukeBangou), LPCTSTR(rows.m_ZadazezBangou),
                            rows.m_Koushinbi.GetYear(), rows.m_Koushinbi.GetMonth(), rows.m_Koushinbi.GetDay());
                found = Utf8(text);
            }
        rows.Close();
        return found;
    }

    // The groups of the active document's lists: "first date|second date issuer|item number".
    std::vector<std::string> Groups(int list)
    {
        auto* app = dynamic_cast<ZnModelApp*>(Document().GetAppModel());
        ZnModelAppLocalData& local = app->m_header.m_localData;
        ZnModelNumGroupList* lists[] = {&local.m_buildingNumGroups, &local.m_liftNumGroups, &local.m_equipmentNumGroups,
                                        &local.m_secondLiftNumGroups, &local.m_structureNumGroups};
        std::vector<std::string> groups;
        for (POSITION pos = lists[list]->GetHeadPosition(); pos;) {
            const ZnModelNumGroup* group = lists[list]->GetNext(pos);
            auto number = [](const ZnModelNum& n) {
                CString text;
                const ZnModelDate& d = n.GetDate();
                text.Format("%s %s-%d-%d-%d", LPCTSTR(n.GetNumber()), LPCTSTR(d.GetYearCode().GetCode()),
                            d.GetYearCode().m_year, d.GetMonth(), d.GetDay());
                return text;
            };
            CString text;
            text.Format("%s|%s %s|%d", LPCTSTR(number(group->m_firstNumber)), LPCTSTR(number(group->m_secondNumber)),
                        LPCTSTR(group->m_secondNumber.GetFurtherText()), group->m_itemNumber);
            groups.push_back(Utf8(text));
        }
        return groups;
    }
    // The active document as its file holds it.
    std::string DocumentBytes() const
    {
        return testsupport::StoreToBytes([&](CArchive& ar) { Document().Serialize(ar); });
    }
};

// The application list's rows of property 5, newest first.
extern const std::vector<std::string> kDocuments;

} // namespace numberentrytest
