// The database test suite's fixture: each variant makes the populated test database (tables
// and rows of tests/data/dao) in a folder of its own, and the suites run over every variant.
#pragma once

#include "platform/database/AfxDao.h"
#include "tools/jetwriter/JetSqliteCopy.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestSupport.h"

#include <functional>
#include <string>
#include <vector>

struct DaoVariant {
    std::string name;
    // Makes the populated test database in folder and returns its path.
    std::function<std::string(const std::string& folder)> make;
};

inline void PrintTo(const DaoVariant& variant, std::ostream* os) { *os << variant.name; }
inline void PrintTo(JetVersion version, std::ostream* os) { *os << (version == JetVersion::Jet4 ? "Jet4" : "Jet3"); }

// The variants whose databases can be changed (SQLite), and all (with Access files of both versions).
std::vector<DaoVariant> WritableDaoVariants();
std::vector<DaoVariant> AllDaoVariants();

// The test database as an Access file of that version to write (made through scratch, a folder).
JetDatabase JetTestDatabase(JetVersion version, const std::string& scratch);

using testsupport::ReadFileBytes;
using testsupport::TempFolder;
using testsupport::WriteFileBytes; // writes over in place, keeping the inode

class DaoSuite : public ::testing::TestWithParam<DaoVariant> {
protected:
    void SetUp() override { m_database = GetParam().make(m_folder.Path()); }

    TempFolder m_folder;
    std::string m_database;
};

using testsupport::DaoErrorOf;
using Texts = std::vector<CString>;

// The applicant table, opened on its own database.
class ShinseishaSet : public CDaoRecordset {
public:
    explicit ShinseishaSet(const std::string& database) : m_database(database.c_str()) { m_nFields = 5; }
    CString GetDefaultDBName() override { return m_database; }
    CString GetDefaultSQL() override { return "[AppShinseishaTbl]"; }
    void DoFieldExchange(CDaoFieldExchange* pFX) override;

    LONG m_Hyoujijun = 0;
    BOOL m_ShokisentakuFlg = FALSE;
    CString m_Furigana;
    CString m_Shimei;
    CString m_Bikou;

private:
    CString m_database;
};

// The property register, with its date column.
class BukkenSet : public CDaoRecordset {
public:
    explicit BukkenSet(const std::string& database) : m_database(database.c_str()) { m_nFields = 7; }
    CString GetDefaultDBName() override { return m_database; }
    CString GetDefaultSQL() override { return "[AppBukkenKanriTbl]"; }
    void DoFieldExchange(CDaoFieldExchange* pFX) override;

    LONG m_BukkenIndex = 0;
    CString m_Bukkenmei;
    COleDateTime m_Koushinbi;
    short m_ChikiShiteiCode = 0;
    short m_ShinseiKubun = 0;
    CString m_HozonDirectory;
    CString m_Bikou;

private:
    CString m_database;
};

// One text column (the code by default) of a table (the code table by default), query or SQL text.
class ColumnSet : public CDaoRecordset {
public:
    explicit ColumnSet(CDaoDatabase* database, const char* column = "[Code]")
        : CDaoRecordset(database), m_column(column)
    {
        m_nFields = 1;
    }
    CString GetDefaultSQL() override { return "[CodeTbl]"; }
    void DoFieldExchange(CDaoFieldExchange* pFX) override;
    Texts Rows(); // the column from the current row to the end

    CString m_column, m_value;
};

// What text gives for every row from the current one to the end.
std::vector<CString> Walk(CDaoRecordset& recordset, const std::function<CString()>& text);

// Reads every table and the saved query of the test database at path, raising what the classes raise.
void ReadEveryTable(const std::string& path);
