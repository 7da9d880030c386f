// The application's three database files, made by each variant (SQLite, or Access by the Jet writer).
#pragma once

#include "tests/support/RecordsetRows.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestShellState.h"
#include "tests/support/TestSupport.h"

#include "platform/wnd/CComboBox.h"
#include "storage/ZnAppTblDAO.h"
#include "tools/jetwriter/JetFormat.h"

#include <functional>
#include <string>
#include <vector>

struct AppDatabaseVariant {
    std::string name;
    // Whether its files can be changed (an Access file is read only).
    bool writable;
    // Makes a database file at a Linux path from a schema and a file of rows under tests/data.
    std::function<void(const std::string& path, const std::string& schema, const std::string& rows)> make;
};

void PrintTo(const AppDatabaseVariant& variant, std::ostream* os);

std::vector<AppDatabaseVariant> AppDatabaseVariants();

// Writes a SQLite database as an Access file: its tables and rows, its views as saved queries.
void CopyToJetFile(const std::string& sqlitePath, const std::string& jetPath, JetVersion version);

// Makes a file in the variant's format: as makeSqlite makes it, or copied into an Access file.
void MakeLike(const AppDatabaseVariant& variant, const std::string& path,
              const std::function<void(const std::string&)>& makeSqlite);

using testsupport::DaoErrorOf;

class AppDatabaseSuite : public ::testing::TestWithParam<AppDatabaseVariant> {
protected:
    void SetUp() override;

    // A database made by the variant at a Linux path from a schema and rows.
    void Make(const std::string& path, const std::string& schema, const std::string& rows) const
    {
        GetParam().make(path, schema, rows);
    }
    // The Windows form of a Linux path, as the program names files.
    static CString Windows(const std::string& linuxPath);

    testsupport::TempFolder m_folder;
    testsupport::TestShellState m_shell;
};

// The texts of a combo box's items in order (with "=" and each item's data), as UTF-8 joined by "|".
inline std::string ComboTexts(const CComboBox& combo, bool withData = false)
{
    std::string texts;
    for (int i = 0; i < combo.GetCount(); ++i) {
        CString text;
        combo.GetLBText(i, text);
        texts += (i ? "|" : "") + Field(text) + (withData ? "=" + std::to_string(combo.GetItemData(i)) : "");
    }
    return texts;
}
