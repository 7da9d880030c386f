#include "tests/platform/database/DaoFixture.h"

#include <filesystem>

// The test schema, built into the tests as the program's own schemas are built into it.
extern const char* const daoTestSchema;

namespace {

DaoVariant SqliteVariant()
{
    return {"Sqlite", [](const std::string& folder) {
                std::string path = folder + "/test.db";
                DaoCreateDatabase(path.c_str(), daoTestSchema + ReadFileBytes(testsupport::DataPath("dao/rows.sql")));
                return path;
            }};
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
    JetDatabase database(version);
    AddSqliteTables(database, source);
    database.AddQuery(JetQuery::Select("AppCodeQ", "CodeTbl", {"[CodeTbl].[Code]", "[CodeTbl].[SeishikiMeishou]"},
                                       "([CodeTbl].[HyoujiFlgApp]<>0)", {}));
    std::filesystem::remove_all(sourceFolder);
    return database;
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

void ColumnSet::DoFieldExchange(CDaoFieldExchange* pFX)
{
    pFX->SetFieldType(CDaoFieldExchange::outputColumn);
    DFX_Text(pFX, m_column, m_value);
}

Texts ColumnSet::Rows()
{
    return Walk(*this, [&] { return m_value; });
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
    ColumnSet codes(&database);
    codes.m_strFilter = "HyoujiFlgApp = True";
    codes.Open();
    codes.Rows();
    ColumnSet query(&database);
    query.Open(dbOpenSnapshot, "AppCodeQ", 0);
    query.Rows();
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
