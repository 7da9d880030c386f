#include "writers/common/ZnAppDocFDOut99.h"

#include "storage/PatchUserRegistMdb.h"
#include "storage/ZnAppChimeiChibanTblDAO.h"
#include "storage/ZnAppComTblAccess.h"
#include "storage/ZnAppGaihekiTblDAO.h"
#include "storage/ZnAppKenchikunushiTblDAO.h"
#include "storage/ZnAppMDB.h"
#include "storage/ZnAppSekkeishaTblDAO.h"
#include "storage/ZnAppSekoushaTblDAO.h"
#include "storage/ZnAppSetsubishaTblDAO.h"
#include "storage/ZnAppShinseishaTblDAO.h"
#include "storage/ZnAppTokuteiKouteiTblDAO.h"
#include "storage/ZnAppYaneTblDAO.h"
#include "storage/ZnShellState.h"
#include "writers/XmlPieceWriters.h"
#include "writers/ZnAppDocFDOut00.h"

#include <functional>
#include <initializer_list>

IMPLEMENT_DYNAMIC(ZnAppDocFDOut99, VhObject)

namespace {

// The fields of one section element, each a line at the same depth.
class SectionFields {
public:
    SectionFields(FILE* file, int depth) : m_file(file), m_indent(CString('\t', depth)) {}

    void Write(LPCTSTR tag, const CString& value) { Write(tag, {value}); }
    // The parts with "-" between them, also between empty parts.
    void Write(LPCTSTR tag, std::initializer_list<CString> parts)
    {
        WriteXmlLiteral(m_file, m_indent + "<" + tag + ">");
        bool first = true;
        for (const CString& part : parts) {
            if (!first)
                WriteXmlValue(m_file, "-");
            WriteXmlValue(m_file, part);
            first = false;
        }
        WriteXmlLiteral(m_file, CString("</") + tag + ">\n");
    }

private:
    FILE* m_file;
    CString m_indent;
};

CString UserRegistMdbPath(const CString& folder)
{
    return folder + ZnShellState::Current()->GetAppMDB()->GetAppUserRegistMdb();
}

// Opens the recordset on the reference database of folder with sql and writes one section
// element per row, its fields by writeFields. The recordset is closed at the end, and by its
// destructor when a read raises.
void WriteSection(ZnAppKeyedTblDAO& set, const CString& folder, FILE* file, LPCTSTR sql, LPCTSTR section,
                  int fieldDepth, const std::function<void(SectionFields&)>& writeFields)
{
    set.SetDBPath(UserRegistMdbPath(folder));
    set.Open(dbOpenDynaset, sql, 0);
    SectionFields fields(file, fieldDepth);
    for (; !set.IsEOF(); set.MoveNext()) {
        WriteXmlLiteral(file, CString("\t<") + section + ">\n");
        writeFields(fields);
        WriteXmlLiteral(file, CString("\t</") + section + ">\n");
    }
    set.Close();
}

// The formal name of a code in a code table of the shell's code-table access; empty without one.
CString CodeName(int slot, const CString& code)
{
    ZnAppComTblAccess* access = ZnShellState::Current()->GetComTblAccess();
    return ZnAppComTblAccess::GetNameByCode(access ? access->m_pRset[slot] : nullptr, code);
}

// Whether the table of the database file has the column. The database layer's error is raised
// when the file or the table cannot be opened.
BOOL TableHasColumn(const CString& path, LPCTSTR table, LPCTSTR column)
{
    CDaoDatabase database;
    database.Open(path, FALSE, FALSE, "");
    CDaoTableDef tableDef(&database);
    tableDef.Open(table);
    BOOL exists = FieldExists(&tableDef, column);
    tableDef.Close();
    database.Close();
    return exists;
}

const int kFieldDepth = 2;
// The designer section's fields stand one level deeper than the others.
const int kDesignerFieldDepth = 3;

} // namespace

void ZnAppDocFDOut99::WriteKenchikunushi(CString folder, FILE* file)
{
    ZnAppKenchikunushiTblDAO set;
    WriteSection(set, folder, file, "SELECT * FROM AppKenchikunushiTbl  ORDER BY Houjijun ASC", "建築主", kFieldDepth,
                 [&](SectionFields& fields) {
                     fields.Write("フリガナ", set.m_Furigana);
                     fields.Write("氏名", set.m_Shimei);
                     fields.Write("郵便番号", {set.m_YuubinBangou1, set.m_YuubinBangou2});
                     fields.Write("住所", set.m_Juusho);
                     fields.Write("電話番号", {set.m_DenwaBangou1, set.m_DenwaBangou2, set.m_DenwaBangou3});
                 });
}

void ZnAppDocFDOut99::WriteShinseisha(CString folder, FILE* file)
{
    ZnAppShinseishaTblDAO set;
    WriteSection(set, folder, file, "SELECT * FROM AppShinseishaTbl  ORDER BY Hyoujijun ASC", "申請者_届出者_通知者",
                 kFieldDepth, [&](SectionFields& fields) {
                     fields.Write("フリガナ", set.m_Furigana);
                     fields.Write("氏名", set.m_Shimei);
                 });
}

void ZnAppDocFDOut99::WriteSekkeisha(CString folder, FILE* file)
{
    ZnAppSekkeishaTblDAO set;
    WriteSection(
        set, folder, file, "SELECT * FROM AppSekkeishaTbl  ORDER BY Hyoujijun ASC", "代理者_設計者_工事監理者",
        kDesignerFieldDepth, [&](SectionFields& fields) {
            fields.Write("建築士種別_建築士", ZnAppDocFDOut00::GetArchitectClassName(set.m_KenchikushiShikaku));
            fields.Write("資格発行元_建築士",
                         CodeName(ZnAppComTblAccess::slotKenchikushiTourokuShubetsu, set.m_SekkeishaTourokuShubetsu));
            fields.Write("登録番号_建築士", set.m_KenchikushiTourokuBangou);
            fields.Write("氏名", set.m_Shimei);
            fields.Write("建築士種別_事務所", ZnAppDocFDOut00::GetArchitectClassName(set.m_JimushoShikaku));
            fields.Write("許可交付元_事務所",
                         CodeName(ZnAppComTblAccess::slotJimushoTourokuShubetsu, set.m_JimushoTourokuShubetsu));
            fields.Write("登録番号_事務所", set.m_JImushoTourokuBangou);
            fields.Write("建築士事務所名", set.m_Meishou);
            fields.Write("郵便番号", {set.m_YuubinBangou1, set.m_YuubinBangou2});
            fields.Write("所在地", set.m_Shozaoti);
            fields.Write("電話番号", {set.m_DenwaBangou1, set.m_DenwaBangou2, set.m_DenwaBangou3});
            fields.Write("構造設計一級建築士交付番号", CString());
            fields.Write("設備設計一級建築士交付番号", CString());
        });
}

void ZnAppDocFDOut99::WriteSekousha(CString folder, FILE* file)
{
    ZnAppSekoushaTblDAO set;
    WriteSection(set, folder, file, "SELECT * FROM AppSekoushaTbl  ORDER BY Hyoujijun ASC", "工事施工者", kFieldDepth,
                 [&](SectionFields& fields) {
                     fields.Write("氏名", set.m_Shimei);
                     fields.Write("建築業許可種別",
                                  CodeName(ZnAppComTblAccess::slotKensetsugyouKyoka, set.m_KensetsugyouKyokaShubetsu));
                     fields.Write("登録番号", set.m_TourokuBangou);
                     fields.Write("名称", set.m_Meishou);
                     fields.Write("郵便番号", {set.m_YuubinBangou1, set.m_YuubinBangou2});
                     fields.Write("所在地", set.m_Shozaiti);
                     fields.Write("電話番号", {set.m_DenwaBangou1, set.m_DenwaBangou2, set.m_DenwaBangou3});
                 });
}

void ZnAppDocFDOut99::WriteTokuteiKoutei(CString folder, FILE* file)
{
    ZnAppTokuteiKouteiTblDAO set;
    WriteSection(set, folder, file, "SELECT * FROM AppTokuteiKouteiTbl  ORDER BY Hyoujijun ASC", "特定工程名",
                 kFieldDepth, [&](SectionFields& fields) { fields.Write("特定工程名", set.m_KoumokuMei); });
}

void ZnAppDocFDOut99::WriteChimeiChiban(CString folder, FILE* file)
{
    ZnAppChimeiChibanTblDAO set;
    WriteSection(set, folder, file, "SELECT * FROM AppChimeiChibanTbl  ORDER BY Hyoujijun ASC", "住所_地名地番等",
                 kFieldDepth, [&](SectionFields& fields) {
                     fields.Write("郵便番号", {set.m_YuubinBangou1, set.m_YuubinBangou2});
                     fields.Write("住所", set.m_Juusho);
                 });
}

void ZnAppDocFDOut99::WriteSetsubisha(CString folder, FILE* file)
{
    ZnAppSetsubishaTblDAO set;
    // A file that the schema patch could not change still lacks the registration number.
    set.BindTourokuBangou(TableHasColumn(UserRegistMdbPath(folder), "AppSetsubishaTbl", "TourokuBangou"));
    WriteSection(set, folder, file, "SELECT * FROM AppSetsubishaTbl  ORDER BY Hyoujijun ASC",
                 "建築設備に関し意見を聴いた者", kFieldDepth, [&](SectionFields& fields) {
                     fields.Write("氏名", set.m_Shimei);
                     fields.Write("勤務先", set.m_Kinmusaki);
                     fields.Write("郵便番号", {set.m_YuubinBangou1, set.m_YuubinBangou2});
                     fields.Write("所在地", set.m_Shozaiti);
                     fields.Write("電話番号", {set.m_DenwaBangou1, set.m_DenwaBangou2, set.m_DenwaBangou3});
                     fields.Write("登録番号", set.m_TourokuBangou);
                 });
}

void ZnAppDocFDOut99::WriteYane(CString folder, FILE* file)
{
    ZnAppYaneTblDAO set;
    WriteSection(set, folder, file, "SELECT * FROM AppYaneTbl  ORDER BY Hyoujijun ASC", "屋根", kFieldDepth,
                 [&](SectionFields& fields) { fields.Write("屋根", set.m_KoumokuMei); });
}

void ZnAppDocFDOut99::WriteGaiheki(CString folder, FILE* file)
{
    ZnAppGaihekiTblDAO set;
    WriteSection(set, folder, file, "SELECT * FROM AppGaihekiTbl  ORDER BY Hyoujijun ASC", "外壁_軒裏", kFieldDepth,
                 [&](SectionFields& fields) { fields.Write("外壁_軒裏", set.m_KoumokuMei); });
}
