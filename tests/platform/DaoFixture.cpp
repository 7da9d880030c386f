#include "tests/platform/DaoFixture.h"

#include "platform/Cp932.h"
#include "platform/DaoConnection.h"
#include "platform/JetDialect.h"
#include "tools/jetwriter/JetFileWriter.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

// The test schema, built into the tests as the program's own schemas are built into it.
extern const char* const daoTestSchema;

namespace {

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("missing fixture " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

DaoVariant SqliteVariant()
{
    return {"Sqlite", [](const std::string& folder) {
                std::string path = folder + "/test.db";
                DaoCreateDatabase(path.c_str(), daoTestSchema + ReadText(testsupport::DataPath("dao/rows.sql")));
                return path;
            }};
}

// The writer's column type for a column that the database layer declared.
JetColumnType JetTypeOf(const DaoColumn& column, int& size)
{
    int type = 0;
    LONG declaredSize = 0;
    if (!JetDialect::ParseDeclaredType(column.declaredType, type, declaredSize))
        throw std::runtime_error("undeclared column type " + column.declaredType);
    size = type == dbText ? declaredSize : 0;
    switch (type) {
    case dbBoolean:
        return JetColumnType::Bool;
    case dbInteger:
        return JetColumnType::Short;
    case dbLong:
        return JetColumnType::Long;
    case dbDouble:
        return JetColumnType::Double;
    case dbDate:
        return JetColumnType::DateTime;
    case dbText:
        return JetColumnType::Text;
    case dbMemo:
        return JetColumnType::Memo;
    default:
        throw std::runtime_error("no Jet column for " + column.declaredType);
    }
}

JetValue JetValueOf(const DaoValue& cell, JetColumnType type)
{
    switch (cell.kind) {
    case DaoValue::Integer:
        return type == JetColumnType::Bool ? JetValue::Bool(cell.integer != 0) : JetValue::Integer(cell.integer);
    case DaoValue::Real:
        return JetValue::Real(cell.real);
    case DaoValue::Text:
        if (type == JetColumnType::DateTime) {
            int year, month, day, hour, minute, second;
            if (std::sscanf(cell.bytes.c_str(), "%d-%d-%d %d:%d:%d", &year, &month, &day, &hour, &minute, &second) != 6)
                throw std::runtime_error("not a date: " + cell.bytes);
            return JetValue::Date(COleDateTime(year, month, day, hour, minute, second));
        }
        return JetValue::Text(cp932::FromUtf8(cell.bytes));
    default:
        return JetValue::Null();
    }
}

DaoVariant JetVariant(const char* name, JetVersion version)
{
    return {name, [version](const std::string& folder) {
                std::string path = folder + "/test.mdb";
                WriteJetFile(JetTestDatabase(version, folder), path);
                return path;
            }};
}

} // namespace

void PrintTo(const DaoVariant& variant, std::ostream* os) { *os << variant.name; }

std::vector<DaoVariant> WritableDaoVariants() { return {SqliteVariant()}; }

std::vector<DaoVariant> AllDaoVariants()
{
    std::vector<DaoVariant> variants = WritableDaoVariants();
    variants.push_back(JetVariant("Jet4", JetVersion::Jet4));
    variants.push_back(JetVariant("Jet3", JetVersion::Jet3));
    return variants;
}

JetDatabase JetTestDatabase(JetVersion version, const std::string& scratch)
{
    std::string sourceFolder = scratch + "/source";
    std::filesystem::create_directories(sourceFolder);
    std::string source = SqliteVariant().make(sourceFolder);
    std::shared_ptr<DaoConnection> connection = DaoConnection::OpenFile(source.c_str(), true);
    JetDatabase database(version);
    DaoResult tables = connection->Query("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY rowid");
    for (const std::vector<DaoValue>& row : tables.rows) {
        const std::string& name = row[0].bytes;
        JetTable& table = database.AddTable(cp932::FromUtf8(name));
        std::vector<JetColumnType> types;
        for (const DaoColumn& column : connection->Columns(name)) {
            int size = 0;
            types.push_back(JetTypeOf(column, size));
            table.AddColumn(cp932::FromUtf8(column.name), types.back(), size);
        }
        for (const std::vector<DaoValue>& cells : connection->Query("SELECT * FROM " + JetDialect::Quote(name)).rows) {
            std::vector<JetValue> values;
            for (size_t i = 0; i < cells.size(); ++i)
                values.push_back(JetValueOf(cells[i], types[i]));
            table.AddRow(values);
        }
    }
    database.AddQuery(JetQuery::Select("AppCodeQ", "CodeTbl", {"[CodeTbl].[Code]", "[CodeTbl].[SeishikiMeishou]"},
                                       "([CodeTbl].[HyoujiFlgApp]<>0)", {}));
    connection.reset();
    std::filesystem::remove_all(sourceFolder);
    return database;
}

void WriteJetFile(const JetDatabase& database, const std::string& path) { JetFileWriter(database).WriteFile(path); }

TempFolder::TempFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "zn-dao-XXXXXX").string();
    if (!mkdtemp(&pattern[0]))
        throw std::runtime_error("cannot make a temporary folder");
    m_path = pattern;
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

void ShinseishaSet::DoFieldExchange(CDaoFieldExchange* pFX)
{
    pFX->SetFieldType(CDaoFieldExchange::outputColumn);
    DFX_Long(pFX, "[Hyoujijun]", m_Hyoujijun);
    DFX_Bool(pFX, "[ShokisentakuFlg]", m_ShokisentakuFlg);
    DFX_Text(pFX, "[Furigana]", m_Furigana, 255, AFX_DAO_ENABLE_FIELD_CACHE);
    DFX_Text(pFX, "[Shimei]", m_Shimei, 255, AFX_DAO_ENABLE_FIELD_CACHE);
    DFX_Text(pFX, "[Bikou]", m_Bikou, 255, AFX_DAO_ENABLE_FIELD_CACHE);
}

void CodeSet::DoFieldExchange(CDaoFieldExchange* pFX)
{
    pFX->SetFieldType(CDaoFieldExchange::outputColumn);
    DFX_Long(pFX, "[Bangou]", m_Bangou);
    DFX_Text(pFX, "[Code]", m_Code);
    DFX_Short(pFX, "[Hyoujijun]", m_Hyoujijun);
    DFX_Bool(pFX, "[HyoujiFlgApp]", m_HyoujiFlgApp);
    DFX_Text(pFX, "[SeishikiMeishou]", m_SeishikiMeishou);
}

void BukkenSet::DoFieldExchange(CDaoFieldExchange* pFX)
{
    pFX->SetFieldType(CDaoFieldExchange::outputColumn);
    DFX_Long(pFX, "[BukkenIndex]", m_BukkenIndex);
    DFX_Text(pFX, "[Bukkenmei]", m_Bukkenmei);
    DFX_DateTime(pFX, "[Koushinbi]", m_Koushinbi);
    DFX_Short(pFX, "[ChikiShiteiCode]", m_ChikiShiteiCode);
    DFX_Short(pFX, "[ShinseiKubun]", m_ShinseiKubun);
    DFX_Text(pFX, "[HozonDirectory]", m_HozonDirectory);
    DFX_Text(pFX, "[Bikou]", m_Bikou);
}

void CodeQuerySet::DoFieldExchange(CDaoFieldExchange* pFX)
{
    pFX->SetFieldType(CDaoFieldExchange::outputColumn);
    DFX_Text(pFX, "[Code]", m_Code);
}

void ReadEveryTable(const std::string& path)
{
    CDaoDatabase database;
    database.Open(path.c_str());
    ShinseishaSet applicants(path);
    applicants.Open();
    Walk(applicants, [&] { return applicants.m_Shimei; });
    BukkenSet register_(path);
    register_.Open();
    Walk(register_, [&] { return register_.m_Bukkenmei; });
    CodeSet codes(&database);
    codes.m_strFilter = "HyoujiFlgApp = True";
    codes.Open();
    Walk(codes, [&] { return codes.m_Code; });
    CodeQuerySet query(&database);
    query.Open(dbOpenSnapshot, "AppCodeQ", 0);
    Walk(query, [&] { return query.m_Code; });
    CDaoRecordset designers(&database);
    designers.Open(dbOpenSnapshot, "[AppSetsubishaTbl]", 0);
    Walk(designers, [&] { return CString(); });
}

std::vector<CString> Walk(CDaoRecordset& recordset, const std::function<CString()>& text)
{
    std::vector<CString> texts;
    for (; !recordset.IsEOF(); recordset.MoveNext())
        texts.push_back(text());
    return texts;
}
