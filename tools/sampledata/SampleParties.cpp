#include "tools/sampledata/SampleParties.h"

namespace sampledata {

namespace {

// A person or an office as the forms write it: name, reading, postal code, address, telephone.
struct Contact {
    LPCTSTR name;
    LPCTSTR reading;
    LPCTSTR postal1;
    LPCTSTR postal2;
    LPCTSTR address;
    LPCTSTR tel1;
    LPCTSTR tel2;
    LPCTSTR tel3;
};

// Qualification and registration of an architect and of their office; codes of the sample
// COM_CODE.mdb (KenchikushiShikakuTbl, KenchikushiTourokuShubetsuTbl, JimushoShikakuTbl,
// JimushoTourokuShubetsuTbl).
struct Architect {
    LPCTSTR qualification;
    LPCTSTR issuer;
    LPCTSTR registration;
    LPCTSTR name;
    LPCTSTR reading;
    LPCTSTR officeClass;
    LPCTSTR officeIssuer;
    LPCTSTR officeRegistration;
    Contact office;
    LPCTSTR designDocuments;
};

// A constructor: the person, the licence (issuer code of KensetsugyouKyokaTbl, number) and the
// business office.
struct Builder {
    LPCTSTR name;
    LPCTSTR reading;
    LPCTSTR licenceIssuer;
    LPCTSTR licence;
    Contact office;
};

// clang-format off
// Name, reading, postal code, address, telephone.
const Contact owners[] = {
    {"山田 太郎", "ヤマダ タロウ",
     "160", "0023", "東京都新宿区西新宿三丁目5番2号", "03", "3345", "6789"},
    {"株式会社さくら台開発　代表取締役　佐藤 一郎", "カブシキガイシャサクラダイカイハツ",
     "220", "0012", "神奈川県横浜市西区みなとみらい二丁目3番1号", "045", "221", "4500"},
    {"東山市長　高橋 和夫", "ヒガシヤマシチョウ タカハシ カズオ",
     "350", "1101", "埼玉県東山市本町一丁目1番1号", "049", "222", "1111"},
    {"株式会社駅前アド　代表取締役　伊藤 健二", "カブシキガイシャエキマエアド",
     "141", "0021", "東京都品川区上大崎二丁目14番3号", "03", "3490", "2211"},
    {"東部生コン株式会社　代表取締役　渡辺 修", "トウブナマコンカブシキガイシャ",
     "340", "0002", "埼玉県草加市青柳五丁目8番20号", "048", "936", "5100"},
    {"鈴木 花子", "スズキ ハナコ",
     "140", "0011", "東京都品川区東大井三丁目9番4号", "03", "3471", "0808"},
};

// Qualification, issuer, registration, name, reading; the office's class, issuer, registration
// and contact; the design documents.
const Architect architects[] = {
    {"00101", "00200", "第234567号", "中村 誠", "ナカムラ マコト",
     "00301", "00413", "第45678号",
     {"中村建築設計事務所", "ナカムラケンチクセッケイジムショ",
      "150", "0002", "東京都渋谷区渋谷二丁目10番8号", "03", "5466", "1234"},
     "意匠図、構造図、設備図一式"},
    {"00101", "00200", "第301234号", "小林 由美", "コバヤシ ユミ",
     "00301", "00414", "第12-3456号",
     {"アトリエK&S一級建築士事務所", "アトリエケーアンドエス",
      "231", "0023", "神奈川県横浜市中区山下町25番地", "045", "641", "7070"},
     "意匠図一式"},
    {"00102", "00211", "第5432号", "加藤 浩", "カトウ ヒロシ",
     "00302", "00411", "第(1)2345号",
     {"加藤設計室", "カトウセッケイシツ",
      "330", "0854", "埼玉県さいたま市大宮区桜木町一丁目7番5号", "048", "645", "3210"},
     "構造図一式"},
};

// The person, the licence's issuer and number, the business office.
const Builder builders[] = {
    {"山本 勇", "ヤマモト イサム", "00513", "(般-20)第12345号",
     {"株式会社山本工務店", "カブシキガイシャヤマモトコウムテン",
      "164", "0001", "東京都中野区中野五丁目32番1号", "03", "3385", "4411"}},
    {"松本 茂", "マツモト シゲル", "00500", "(特-21)第6789号",
     {"松本建設株式会社　東京支店", "マツモトケンセツ",
      "104", "0031", "東京都中央区京橋一丁目3番2号", "03", "3561", "8000"}},
    {"井上 聡", "イノウエ サトシ", "00511", "(般-19)第23456号",
     {"井上電気工業株式会社", "イノウエデンキコウギョウ",
      "330", "0802", "埼玉県さいたま市大宮区宮町三丁目20番地", "048", "641", "2020"}},
};

const Contact equipAdviserWorkplace = {"木村設備設計事務所", "キムラセツビセッケイジムショ",
                                       "151", "0053", "東京都渋谷区代々木一丁目22番1号", "03", "3370", "5566"};
// clang-format on

JkModelIndividualData MakeIndividual(const Contact& contact)
{
    JkModelIndividualData person;
    person.m_name = MakeName(contact.name, contact.reading);
    person.m_address = MakeAddress(contact.postal1, contact.postal2, contact.address);
    person.m_telephone.m_firstPart = contact.tel1;
    person.m_telephone.m_secondPart = contact.tel2;
    person.m_telephone.m_thirdPart = contact.tel3;
    return person;
}

} // namespace

ZnModelDate HeiseiDate(int year, int month, int day)
{
    const int heiseiEra = 4;
    ZnModelDate date;
    date.SetEraDate(year - ZnModelDate::GetEraFirstYear(heiseiEra) + 1, month, day, heiseiEra);
    return date;
}

JkModelAddress MakeAddress(LPCTSTR postal1, LPCTSTR postal2, LPCTSTR address)
{
    JkModelAddress result;
    result.m_postalCode1 = postal1;
    result.m_postalCode2 = postal2;
    result.m_address = address;
    return result;
}

JkModelName MakeName(LPCTSTR name, LPCTSTR reading)
{
    JkModelName result;
    result.m_name = name;
    result.m_nameReading = reading;
    return result;
}

ZnModelNum MakeNum(LPCTSTR number, const ZnModelDate& date, LPCTSTR issuer)
{
    ZnModelNum num;
    num.m_number = number;
    num.m_date = date;
    num.m_furtherText = issuer;
    return num;
}

ZnModelOwner MakeOwner(SampleOwner owner)
{
    ZnModelOwner result;
    result.m_person = MakeIndividual(owners[owner]);
    return result;
}

ZnModelDesigner MakeArchitect(SampleArchitect architect)
{
    const Architect& row = architects[architect];
    ZnModelDesigner designer;
    designer.m_qualificationClass = MakeCode<ZnModelArchiCode>(row.qualification);
    designer.m_qualificationAuthority = MakeCode<ZnModelRegistInstCode>(row.issuer);
    designer.m_qualificationRegistrationNumber = row.registration;
    designer.m_architectName = MakeName(row.name, row.reading);
    designer.m_officeClass = MakeCode<ZnModelArchiCode>(row.officeClass);
    designer.m_officeAuthority = MakeCode<ZnModelRegistInstCode>(row.officeIssuer);
    designer.m_officeRegistrationNumber = row.officeRegistration;
    designer.m_office = MakeIndividual(row.office);
    designer.m_designDocuments = row.designDocuments;
    return designer;
}

ZnModelConstructor MakeConstructor(SampleBuilder builder)
{
    const Builder& row = builders[builder];
    ZnModelConstructor constructor;
    constructor.m_name = MakeName(row.name, row.reading);
    constructor.m_licenceIssuer = MakeCode<ZnModelRegistInstCode>(row.licenceIssuer);
    constructor.m_registrationNumber = row.licence;
    constructor.m_individualData = MakeIndividual(row.office);
    return constructor;
}

ZnModelEquipDesigner MakeEquipAdviser()
{
    ZnModelEquipDesigner adviser;
    adviser.m_name = MakeName("木村 隆", "キムラ タカシ");
    adviser.m_registrationNumber = "建築設備士　第10234号";
    adviser.m_individualData = MakeIndividual(equipAdviserWorkplace);
    adviser.m_designDocuments = "設備図一式";
    return adviser;
}

} // namespace sampledata
