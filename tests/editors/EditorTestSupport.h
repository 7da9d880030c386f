// The reference-data editors under test: each editor's constants as a person sees them (its
// fields with their columns, its key label, its list) and the rows of its table in the fixture
// tests/data/editors/AppUserRegistRows.sql, worked out by hand; and a fixture that opens one editor
// in a window of its own over a common-data folder and an application folder of its own.
#pragma once

#include "tests/support/RecordsetRows.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestShellState.h"
#include "tests/support/TestSupport.h"

#include "editors/ZnDlgAppCMEditor.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

struct EditorCase {
    std::string name;
    std::function<std::unique_ptr<ZnDlgAppCMEditor>()> make;
    UINT idd;
    std::string label; // the key's name in the messages, UTF-8
    std::string table;
    UINT keyId;
    UINT focusId;
    UINT listId;
    // The fields, each with the column it shows and stores; the first is the key's.
    std::vector<std::pair<UINT, std::string>> fields;
    bool prefecture; // TodoufukenmeiBangou follows the fields' columns
    // The columns that the editor never writes.
    std::string kept;
    std::vector<std::string> headings;
    // The list's first column, top to bottom, after the fixture's rows are listed.
    std::vector<std::string> listed;
    // The table read back by rowid: the fields' columns, the prefecture, the codes, the kept columns.
    std::vector<std::string> rows;
    // What a person types into the fields (in their order) for a new row.
    std::vector<std::string> input;
    // The table's row once the input is stored as a new row: what was typed, the prefecture -1,
    // an empty text for each code list left blank, the columns never written at the table's
    // defaults.
    std::string newRow;
    // The row of listed[2] copied under its key followed by "２", and the row of listed[1] copied
    // into another folder's database: the source's values with the columns never written at the
    // table's defaults.
    std::string copied;
    std::string copiedElsewhere;
    // The code lists, each with the column of its code; their codes follow the prefecture.
    std::vector<std::pair<UINT, std::string>> codes = {};
};

void PrintTo(const EditorCase& c, std::ostream* os);

std::vector<EditorCase> EditorCases();
// The editors with the address block's prefecture.
std::vector<EditorCase> AddressEditorCases();

class EditorTest : public ::testing::TestWithParam<EditorCase> {
protected:
    EditorTest();
    ~EditorTest() override;

    // Makes the databases and opens the editor: APP_USER_REGIST.mdb of the common-data folder with
    // the rows of a fixture (none made for ""), the empty template of the application folder and,
    // withAreas, its COM_CHIIKI.mdb.
    void Open(const std::string& rows = "editors/AppUserRegistRows.sql", bool withAreas = true);
    void Close();
    const EditorCase& Case() const { return GetParam(); }
    ZnDlgAppCMEditor& Editor() const { return *m_editor; }
    CString Windows(const std::string& relative) const;

    // A person clicks a button of the editor, clicks the list row with that key (UTF-8).
    void Click(UINT id);
    void Select(const std::string& key);
    // A person changes a field's text into text (UTF-8).
    void Type(UINT id, const std::string& text);
    // A person types each field of the case's input; the key's field gets key instead when given.
    void TypeInput(const std::string& key = std::string());

    // What the user sees: the list's first column, a field's text, the texts of every field
    // joined by "|" (UTF-8), the focused control's id.
    std::vector<std::string> Listed() const;
    std::string Text(UINT id) const;
    std::string Fields() const;
    int FocusId() const;

    // The table of the case read back with SQL, as EditorCase::rows holds it.
    std::vector<std::string> Table(const std::string& path = "com/APP_USER_REGIST.mdb") const;
    // The names in a folder below the test's folder, sorted.
    std::vector<std::string> Entries(const std::string& relative) const;
    // The fixture's rows without the row of key.
    std::vector<std::string> FixtureRowsWithout(const std::string& key) const;
    // Another program deletes the row of key from the common-data database.
    void DeleteBehindTheEditor(const std::string& key) const;
    // The case's new row stored under key instead of the key typed.
    std::string NewRow(const std::string& key) const;
    // The next message box is answered with answer; Messages() gives what was shown, UTF-8 with
    // its icon: "text [error]" and so on.
    void Answer(int answer = IDOK) { ui.AnswerMessageBox(answer); }
    std::vector<std::string> Messages();
    // The message of the case with its key label put in for L.
    std::string Labelled(const std::string& format) const;

    testsupport::TempFolder folder;
    testsupport::TestShellState shell;
    ScriptedUi ui;

private:
    CFrameWnd* m_host = nullptr;
    std::unique_ptr<ZnDlgAppCMEditor> m_editor;
};
