#include "tests/writers/ConfDocTestData.h"

#include "tests/support/TestSupport.h"

#include "platform/files/WinPath.h"
#include "tools/sampledata/SampleCodeDatabases.h"

#include <libxml/parser.h>
#include <sys/stat.h>

namespace confdoc {

namespace {

JkModelName Name(LPCTSTR name, LPCTSTR reading)
{
    JkModelName record;
    record.m_name = name;
    record.m_nameReading = reading;
    return record;
}

JkModelAddress Address(LPCTSTR postal1, LPCTSTR postal2, LPCTSTR line)
{
    JkModelAddress address;
    address.m_postalCode1 = postal1;
    address.m_postalCode2 = postal2;
    address.m_address = line;
    return address;
}

JkModelTelNumber Telephone(LPCTSTR first, LPCTSTR second, LPCTSTR third)
{
    JkModelTelNumber telephone;
    telephone.m_firstPart = first;
    telephone.m_secondPart = second;
    telephone.m_thirdPart = third;
    return telephone;
}

JkModelIndividualData Person(const JkModelName& name, const JkModelAddress& address, const JkModelTelNumber& tel)
{
    JkModelIndividualData person;
    person.m_name = name;
    person.m_address = address;
    person.m_telephone = tel;
    return person;
}

ZnModelOwner* NewOwner(const JkModelIndividualData& person)
{
    ZnModelOwner* owner = new ZnModelOwner;
    owner->m_person = person;
    return owner;
}

ZnModelInspDate Process(int count, const ZnModelDate& date, LPCTSTR name)
{
    ZnModelInspDate record;
    record.m_count = count;
    record.m_date = date;
    record.m_name = name;
    return record;
}

} // namespace

ZnModelDate Date(int year, int month, int day)
{
    ZnModelDate date;
    date.m_yearCode.m_year = year;
    date.m_month = month;
    date.m_day = day;
    return date;
}

void FillRoot(ZnModelApp& root)
{
    root.m_submissionDestination = "東京都建築主事";
    root.m_applicantName = Name("山田\r\n太郎", "ヤマダタロウ");
    root.m_firstOwner.m_person =
        Person(Name("山田太郎", "ヤマダタロウ"), Address("100", "0001", "東京都千代田区千代田1-1"),
               Telephone("03", "1234", "5678"));
    root.m_furtherOwners.AddTail(
        NewOwner(Person(Name("佐藤&花子", "サトウハナコ"), Address("", "", "横浜市<中区>"), Telephone("045", "", ""))));
    root.m_furtherOwners.AddTail(nullptr);
    root.m_furtherOwners.AddTail(
        NewOwner(Person(Name("鈴木一郎", "スズキイチロウ"), Address("231", "", ""), Telephone("", "", ""))));

    ZnModelDesigner& agent = root.m_agent;
    agent.m_qualificationClass.SetCode("301");
    agent.m_qualificationAuthority.SetCode("00213");
    agent.m_qualificationRegistrationNumber = "123456";
    agent.m_architectName = Name("田中'設計'", "タナカ");
    agent.m_officeClass.SetCode("102");
    agent.m_officeAuthority.SetCode("00413");
    agent.m_officeRegistrationNumber = "東京都知事第1234号";
    agent.m_office = Person(Name("田中設計事務所", ""), Address("160", "0022", "東京都新宿区新宿2-2"),
                            Telephone("03", "1111", "2222"));
    agent.m_designDocuments = "代理者の図書"; // the agent entry has no 設計図書

    ZnModelNumGroup group;
    group.m_firstNumber.m_number = "第100号";
    group.m_firstNumber.m_date = Date(2010, 9, 3);
    root.m_header.m_localData.m_buildingNumGroups.AddCopy(group);
}

void FillPersons(ZnModelAppPersons& form)
{
    ZnModelDesigner& designer = form.m_designer;
    designer.m_qualificationClass.SetCode("101");
    designer.m_qualificationAuthority.SetCode("00200");
    designer.m_qualificationRegistrationNumber = "200001";
    designer.m_architectName = Name("設計一郎", "セッケイイチロウ");
    designer.m_officeClass.SetCode("303");
    designer.m_officeAuthority.SetCode("00499");
    designer.m_officeRegistrationNumber = "第2号";
    designer.m_office =
        Person(Name("一郎設計", ""), Address("150", "0001", "渋谷区神宮前1-1"), Telephone("03", "3333", "4444"));
    designer.m_designDocuments = "構造図、設備図";

    ZnModelDesigner second;
    second.m_qualificationClass.SetCode("999");
    second.m_qualificationAuthority.SetCode("99999"); // no such row
    second.m_architectName = Name("設計二郎", "");
    second.m_designDocuments = "意匠図";
    form.m_designerList.AddCopy(second);

    ZnModelConstructor& constructor = form.m_constructor;
    constructor.m_name = Name("施工太郎", "セコウタロウ");
    constructor.m_licenceIssuer.SetCode("00500");
    constructor.m_registrationNumber = "国土交通大臣(特-22)第100号";
    constructor.m_individualData = Person(Name("施工建設株式会社", ""), Address("530", "0001", "大阪市北区梅田1-1"),
                                          Telephone("06", "6666", "7777"));
    ZnModelConstructor further;
    further.m_name = Name("施工次郎", "");
    further.m_licenceIssuer.SetCode("0051"); // only a whole code matches
    form.m_constructorList.AddTail(nullptr);
    form.m_constructorList.AddCopy(further);
}

namespace {

// The schedule fields that every family has under the same names.
template <typename Form> void FillSchedule(Form& form)
{
    form.m_constStartDate = Date(2010, 10, 1);
    form.m_constEndDate = Date(2011, 3, 31);
    form.m_specStageDate = Process(2, Date(2010, 12, 15), "基礎工事");
    form.m_note = "備考1行目\r\n2行目";
    form.m_changeSummary = "変更\r\n概要";
}

ZnModelLift* NewLift(int number, LPCTSTR kind, LPCTSTR usage, double load, int persons, double speed, LPCTSTR note)
{
    ZnModelLift* lift = new ZnModelLift;
    lift->m_leadingValue = number;
    lift->m_kindCode.SetCode(kind);
    lift->m_kindText = "種別の文字";
    lift->m_usageCode.SetCode(usage);
    lift->m_usageText = "用途の文字";
    lift->m_loadCapacity = load;
    lift->m_maxPersons = persons;
    lift->m_ratedSpeed = speed;
    lift->m_otherMatters = note;
    return lift;
}

ZnModelStruct* NewStructure(int number, double height, LPCTSTR kindText, LPCTSTR note)
{
    ZnModelStruct* structure = new ZnModelStruct;
    structure->m_leadingValue = number;
    structure->m_height = height;
    structure->m_kindText = kindText;
    structure->m_remarks = note;
    return structure;
}

} // namespace

void FillLift(ZnModelAppLift& form)
{
    FillPersons(form);
    form.m_address = Address("105", "0011", "東京都港区芝公園4-2-8");
    form.m_name = Name("芝ビル", "シバビル");
    form.m_usageText = "事務所";
    ZnModelLift* first = NewLift(1, "01101", "01201", 1000.9, 13, 45.0, "乗用\r\n非常用");
    form.m_lift = *first;
    delete first;
    form.m_liftList.AddTail(NewLift(2, "01103", "01204", 0.4, 0, 60.5, "荷物用"));
    form.m_liftList.AddTail(nullptr);
    form.m_liftList.AddTail(new ZnModelLift);
    FillSchedule(form);
}

void FillEquipment(ZnModelAppEquip& form)
{
    FillPersons(form);
    form.m_address = Address("105", "0011", "東京都港区芝公園4-2-8");
    form.m_name = Name("芝ビル", "シバビル");
    form.m_usageText = "事務所";
    form.m_equipOutline = "排煙設備\r\n<換気>&\"給湯\"";
    FillSchedule(form);
}

void FillStructure(ZnModelAppStruct& form)
{
    FillPersons(form);
    form.m_lotAddress = Address("102", "0081", "千代田区一番町1番地");
    form.m_displayAddress = Address("102", "0081", "千代田区一番町1-1");

    ZnModelStruct& first = form.m_structure;
    first.m_leadingValue = 1;
    first.m_kindCode.SetCode("01501");
    first.m_kindText = "広告塔&看板";
    first.m_height = 12.4;
    first.m_structureDetail = "鉄骨造";
    first.SetConstKind("01601", "新築の文字");
    first.SetConstKind("01602", "増築の文字");
    first.m_remarks = "高さ\r\n注意";

    ZnModelStruct* second = NewStructure(2, 12.6, "高架水槽", "");
    second->SetConstKind("01603", "改築の文字");
    second->SetConstKind("01699", "移設");
    form.m_structList.AddTail(second);
    form.m_structList.AddTail(nullptr);
    ZnModelStruct* third = NewStructure(0, 0.4, "", "");
    third->m_newBuild = 2; // only 1 counts as set
    third->m_otherKindText = "無視";
    form.m_structList.AddTail(third);

    FillSchedule(form);
    form.m_name = Name("一番町広告塔", "イチバンチョウコウコクトウ");
}

ConfDocShell::ConfDocShell()
{
    mkdir(m_appFolder.Path("app").c_str(), 0777);
    MakeSampleComCode(m_appFolder.Path("app/COM_CODE.mdb"));
    appFolder = LinuxPathToWin(m_appFolder.Path("app")).c_str();
    m_codeTables.Init();
    comTblAccess = &m_codeTables;
    ZnModelApp* root = new ZnModelApp;
    FillRoot(*root);
    ReplaceModel(appModelSlot, root);
}

CString OutputFolder::WinPath(LPCTSTR name) const
{
    return CString(LinuxPathToWin(m_folder.Path()).c_str()) + "\\" + name;
}

std::string OutputFolder::Written(LPCTSTR name) const
{
    return testsupport::ReadFileBytes(WinPathToLinux(WinPath(name)));
}

std::string Expected(const std::string& name)
{
    return testsupport::ReadFileBytes(testsupport::DataPath("writers/" + name));
}

std::string XmlProblems(const std::string& bytes)
{
    xmlResetLastError();
    xmlDocPtr document = xmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), "written.xml", nullptr,
                                       XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    if (document) {
        xmlFreeDoc(document);
        return std::string();
    }
    const xmlError* error = xmlGetLastError();
    return error && error->message ? error->message : "not well-formed";
}

void ExpectStopMessages(const std::vector<MessageBoxRequest>& boxes, size_t count, LPCTSTR text)
{
    ASSERT_EQ(count, boxes.size());
    for (const MessageBoxRequest& box : boxes) {
        EXPECT_EQ(CString(text), box.text);
        EXPECT_EQ(UINT(MB_ICONSTOP), box.type & MB_ICONMASK);
    }
}

} // namespace confdoc
