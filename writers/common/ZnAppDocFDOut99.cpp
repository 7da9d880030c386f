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
#include "writers/XmlText.h"
#include "writers/ZnAppDocFDOut00.h"

#include <functional>
#include <initializer_list>

IMPLEMENT_DYNAMIC(ZnAppDocFDOut99, VhObject)

namespace {

// The fields of one section element, each a line at the same depth.
class SectionFields {
public:
    SectionFields(XmlText& xml, int depth) : m_xml(xml), m_depth(depth) {}

    void Write(LPCTSTR tag, const CString& value) { m_xml.Leaf(m_depth, tag, value); }
    // The parts with "-" between them, also between empty parts.
    void Write(LPCTSTR tag, std::initializer_list<CString> parts)
    {
        m_xml.StartLeaf(m_depth, tag);
        bool first = true;
        for (const CString& part : parts) {
            if (!first)
                m_xml.Value("-");
            m_xml.Value(part);
            first = false;
        }
        m_xml.EndLeaf(tag);
    }

private:
    XmlText& m_xml;
    int m_depth;
};

CString UserRegistMdbPath(const CString& folder)
{
    return folder + ZnShellState::Current()->GetAppMDB()->GetAppUserRegistMdb();
}

// Opens the recordset on the reference database of folder with sql and adds one section element
// per row, its fields by writeFields. The recordset is closed at the end, and by its destructor
// when a read raises.
void WriteSection(ZnAppKeyedTblDAO& set, const CString& folder, XmlText& xml, LPCTSTR sql, LPCTSTR section,
                  int fieldDepth, const std::function<void(SectionFields&)>& writeFields)
{
    set.SetDBPath(UserRegistMdbPath(folder));
    set.Open(dbOpenDynaset, sql, 0);
    SectionFields fields(xml, fieldDepth);
    for (; !set.IsEOF(); set.MoveNext()) {
        xml.OpenTag(1, section);
        writeFields(fields);
        xml.CloseTag(1, section);
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

// The sections.

void Kenchikunushi(const CString& folder, XmlText& xml)
{
    ZnAppKenchikunushiTblDAO set;
    WriteSection(set, folder, xml, "SELECT * FROM AppKenchikunushiTbl  ORDER BY Houjijun ASC", "建築主", kFieldDepth,
                 [&](SectionFields& fields) {
                     fields.Write("フリガナ", set.m_Furigana);
                     fields.Write("氏名", set.m_Shimei);
                     fields.Write("郵便番号", {set.m_YuubinBangou1, set.m_YuubinBangou2});
                     fields.Write("住所", set.m_Juusho);
                     fields.Write("電話番号", {set.m_DenwaBangou1, set.m_DenwaBangou2, set.m_DenwaBangou3});
                 });
}

void Shinseisha(const CString& folder, XmlText& xml)
{
    ZnAppShinseishaTblDAO set;
    WriteSection(set, folder, xml, "SELECT * FROM AppShinseishaTbl  ORDER BY Hyoujijun ASC", "申請者_届出者_通知者",
                 kFieldDepth, [&](SectionFields& fields) {
                     fields.Write("フリガナ", set.m_Furigana);
                     fields.Write("氏名", set.m_Shimei);
                 });
}

void Sekkeisha(const CString& folder, XmlText& xml)
{
    ZnAppSekkeishaTblDAO set;
    WriteSection(
        set, folder, xml, "SELECT * FROM AppSekkeishaTbl  ORDER BY Hyoujijun ASC", "代理者_設計者_工事監理者",
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

void Sekousha(const CString& folder, XmlText& xml)
{
    ZnAppSekoushaTblDAO set;
    WriteSection(set, folder, xml, "SELECT * FROM AppSekoushaTbl  ORDER BY Hyoujijun ASC", "工事施工者", kFieldDepth,
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

void TokuteiKoutei(const CString& folder, XmlText& xml)
{
    ZnAppTokuteiKouteiTblDAO set;
    WriteSection(set, folder, xml, "SELECT * FROM AppTokuteiKouteiTbl  ORDER BY Hyoujijun ASC", "特定工程名",
                 kFieldDepth, [&](SectionFields& fields) { fields.Write("特定工程名", set.m_KoumokuMei); });
}

void ChimeiChiban(const CString& folder, XmlText& xml)
{
    ZnAppChimeiChibanTblDAO set;
    WriteSection(set, folder, xml, "SELECT * FROM AppChimeiChibanTbl  ORDER BY Hyoujijun ASC", "住所_地名地番等",
                 kFieldDepth, [&](SectionFields& fields) {
                     fields.Write("郵便番号", {set.m_YuubinBangou1, set.m_YuubinBangou2});
                     fields.Write("住所", set.m_Juusho);
                 });
}

void Setsubisha(const CString& folder, XmlText& xml)
{
    ZnAppSetsubishaTblDAO set;
    // A file that the schema patch could not change still lacks the registration number.
    set.BindTourokuBangou(TableHasColumn(UserRegistMdbPath(folder), "AppSetsubishaTbl", "TourokuBangou"));
    WriteSection(set, folder, xml, "SELECT * FROM AppSetsubishaTbl  ORDER BY Hyoujijun ASC",
                 "建築設備に関し意見を聴いた者", kFieldDepth, [&](SectionFields& fields) {
                     fields.Write("氏名", set.m_Shimei);
                     fields.Write("勤務先", set.m_Kinmusaki);
                     fields.Write("郵便番号", {set.m_YuubinBangou1, set.m_YuubinBangou2});
                     fields.Write("所在地", set.m_Shozaiti);
                     fields.Write("電話番号", {set.m_DenwaBangou1, set.m_DenwaBangou2, set.m_DenwaBangou3});
                     fields.Write("登録番号", set.m_TourokuBangou);
                 });
}

void Yane(const CString& folder, XmlText& xml)
{
    ZnAppYaneTblDAO set;
    WriteSection(set, folder, xml, "SELECT * FROM AppYaneTbl  ORDER BY Hyoujijun ASC", "屋根", kFieldDepth,
                 [&](SectionFields& fields) { fields.Write("屋根", set.m_KoumokuMei); });
}

void Gaiheki(const CString& folder, XmlText& xml)
{
    ZnAppGaihekiTblDAO set;
    WriteSection(set, folder, xml, "SELECT * FROM AppGaihekiTbl  ORDER BY Hyoujijun ASC", "外壁_軒裏", kFieldDepth,
                 [&](SectionFields& fields) { fields.Write("外壁_軒裏", set.m_KoumokuMei); });
}

using Section = void (*)(const CString& folder, XmlText& xml);

const Section kSections[] = {
    Kenchikunushi, Shinseisha, Sekkeisha, Sekousha, TokuteiKoutei, ChimeiChiban, Setsubisha, Yane, Gaiheki,
};

// Writes one section to a stream opened in text mode.
void WriteToStream(Section section, const CString& folder, FILE* file)
{
    WriteXmlPiece(file, [&](XmlText& xml) { section(folder, xml); });
}

} // namespace

void ZnAppDocFDOut99::WriteSections(CString folder, XmlText& xml)
{
    for (Section section : kSections)
        section(folder, xml);
}

void ZnAppDocFDOut99::WriteKenchikunushi(CString folder, FILE* file) { WriteToStream(Kenchikunushi, folder, file); }

void ZnAppDocFDOut99::WriteShinseisha(CString folder, FILE* file) { WriteToStream(Shinseisha, folder, file); }

void ZnAppDocFDOut99::WriteSekkeisha(CString folder, FILE* file) { WriteToStream(Sekkeisha, folder, file); }

void ZnAppDocFDOut99::WriteSekousha(CString folder, FILE* file) { WriteToStream(Sekousha, folder, file); }

void ZnAppDocFDOut99::WriteTokuteiKoutei(CString folder, FILE* file) { WriteToStream(TokuteiKoutei, folder, file); }

void ZnAppDocFDOut99::WriteChimeiChiban(CString folder, FILE* file) { WriteToStream(ChimeiChiban, folder, file); }

void ZnAppDocFDOut99::WriteSetsubisha(CString folder, FILE* file) { WriteToStream(Setsubisha, folder, file); }

void ZnAppDocFDOut99::WriteYane(CString folder, FILE* file) { WriteToStream(Yane, folder, file); }

void ZnAppDocFDOut99::WriteGaiheki(CString folder, FILE* file) { WriteToStream(Gaiheki, folder, file); }
