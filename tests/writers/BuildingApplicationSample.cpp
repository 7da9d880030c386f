#include "tests/writers/BuildingApplicationSample.h"

#include "model/ZnModelAppBuildConf.h"
#include "model/ZnModelAppBuildMod.h"

namespace buildingsample {

namespace {

JkModelName Name(LPCTSTR name, LPCTSTR reading)
{
    JkModelName result;
    result.m_name = name;
    result.m_nameReading = reading;
    return result;
}

// A person or office: name, postal code in two parts, address, telephone in three parts.
struct PersonRow {
    LPCTSTR name, reading, postal1, postal2, address, tel1, tel2, tel3;
};

JkModelIndividualData Person(const PersonRow& row)
{
    JkModelIndividualData person;
    person.m_name = Name(row.name, row.reading);
    person.m_address.m_postalCode1 = row.postal1;
    person.m_address.m_postalCode2 = row.postal2;
    person.m_address.m_address = row.address;
    person.m_telephone.m_firstPart = row.tel1;
    person.m_telephone.m_secondPart = row.tel2;
    person.m_telephone.m_thirdPart = row.tel3;
    return person;
}

// An agent, designer or supervisor with its statements.
struct ArchitectRow {
    LPCTSTR qualificationClass, qualificationIssuer, qualificationNumber, name;
    LPCTSTR officeClass, officeIssuer, officeNumber;
    PersonRow office;
    LPCTSTR designDocuments;
    int structural1, structural3;
    LPCTSTR structuralCertificate;
    int equipment1, equipment3;
    LPCTSTR equipmentCertificate;
};

ZnModelDesigner Architect(const ArchitectRow& row)
{
    ZnModelDesigner architect;
    architect.m_qualificationClass.SetCode(row.qualificationClass);
    architect.m_qualificationAuthority.SetCode(row.qualificationIssuer);
    architect.m_qualificationRegistrationNumber = row.qualificationNumber;
    architect.m_architectName = Name(row.name, "");
    architect.m_officeClass.SetCode(row.officeClass);
    architect.m_officeAuthority.SetCode(row.officeIssuer);
    architect.m_officeRegistrationNumber = row.officeNumber;
    architect.m_office = Person(row.office);
    architect.m_designDocuments = row.designDocuments;
    architect.m_structuralParagraph1Statement = row.structural1;
    architect.m_structuralParagraph3Statement = row.structural3;
    architect.m_structuralCertificateNumber = row.structuralCertificate;
    architect.m_equipmentParagraph1Statement = row.equipment1;
    architect.m_equipmentParagraph3Statement = row.equipment3;
    architect.m_equipmentCertificateNumber = row.equipmentCertificate;
    return architect;
}

ZnModelEquipDesigner Adviser(LPCTSTR name, LPCTSTR registrationNumber, const PersonRow& workplace,
                             LPCTSTR designDocuments)
{
    ZnModelEquipDesigner adviser;
    adviser.m_name = Name(name, "");
    adviser.m_registrationNumber = registrationNumber;
    adviser.m_individualData = Person(workplace);
    adviser.m_designDocuments = designDocuments;
    return adviser;
}

ZnModelConstructor Constructor(LPCTSTR name, LPCTSTR issuer, LPCTSTR licence, const PersonRow& office)
{
    ZnModelConstructor constructor;
    constructor.m_name = Name(name, "");
    constructor.m_licenceIssuer.SetCode(issuer);
    constructor.m_registrationNumber = licence;
    constructor.m_individualData = Person(office);
    return constructor;
}

ZnModelNum Number(LPCTSTR number, int year, int month, int day, LPCTSTR furtherText)
{
    ZnModelNum result;
    result.m_number = number;
    result.m_date.m_yearCode.m_year = year;
    result.m_date.m_month = month;
    result.m_date.m_day = day;
    result.m_furtherText = furtherText;
    return result;
}

ZnModelAppBuildPage Page(int number, const ZnModelConstructor& constructor)
{
    ZnModelAppBuildPage page;
    page.m_buildingNumber = number;
    page.m_constructor = constructor;
    return page;
}

const PersonRow noPerson = {"", "", "", "", "", "", "", ""};

const ZnModelConstructor firstConstructor =
    Constructor("中村建設株式会社", "00500", "(特-22)第100号",
                {"中村建設東京支店", "", "105", "0011", "東京都港区9-9", "03", "1111", "2222"});

} // namespace

ZnModelApp* PopulatedApp()
{
    ZnModelApp* app = new ZnModelApp;
    app->m_applicantName = Name("山田&太郎", "ヤマダタロウ");
    app->m_submissionDestination = "東京都建築主事";
    ZnModelNumGroup group;
    group.m_firstNumber = Number("R02-001", 2010, 4, 5, "");
    app->m_header.m_localData.m_buildingNumGroups.AddCopy(group);
    group.m_firstNumber = Number("R02-002", 2010, 5, 6, "");
    app->m_header.m_localData.m_buildingNumGroups.AddCopy(group);

    ZnModelOwner owner;
    owner.m_person = Person({"山田太郎", "ヤマダタロウ", "100", "0001", "東京都千代田区一丁目1", "03", "1234", "5678"});
    app->m_firstOwner = owner;
    owner.m_person = Person({"鈴木<花子>", "スズキハナコ", "150", "", "東京都渋谷区2-2", "", "", ""});
    app->m_furtherOwners.AddCopy(owner);
    app->m_furtherOwners.AddTail(nullptr);
    owner.m_person = Person({"株式会社'青空'", "", "", "", "横浜市中区3", "045", "", ""});
    app->m_furtherOwners.AddCopy(owner);

    // The agent's design documents and statements belong to no element of the agent.
    app->m_agent = Architect({"101",
                              "00200",
                              "123456",
                              "佐藤一郎",
                              "302",
                              "00413",
                              "第5678号",
                              {"佐藤設計事務所", "", "160", "0022", "東京都新宿区3-3", "03", "0000", "1111"},
                              "代理者の図書",
                              1,
                              1,
                              "S-0",
                              1,
                              1,
                              "E-0"});
    return app;
}

ZnModelAppBuild* PopulatedBuild()
{
    ZnModelAppBuild* build = new ZnModelAppBuild;
    build->m_designerText = "高橋次郎 ほか";
    build->m_designer = Architect({"301",
                                   "00213",
                                   "200001",
                                   "高橋次郎",
                                   "103",
                                   "00427",
                                   "E-1",
                                   {"高橋建築設計", "", "530", "0001", "大阪市北区4-4", "06", "2222", "3333"},
                                   "意匠図一式",
                                   1,
                                   0,
                                   "S-100",
                                   0,
                                   2,
                                   "E-200"});
    build->m_designerList.AddCopy(
        Architect({"104", "", "", "田中三郎", "", "99999", "", noPerson, "構造図", 0, 2, "S-2", 0, 0, "E-2"}));
    build->m_designerList.AddTail(nullptr);
    build->m_designerList.AddCopy(Architect({"102",
                                             "00200",
                                             "300003",
                                             "木村五郎",
                                             "101",
                                             "00413",
                                             "F-3",
                                             {"木村&設計", "", "100", "0002", "東京都千代田区5", "03", "4444", "5555"},
                                             "設備図",
                                             1,
                                             1,
                                             "S-3",
                                             1,
                                             0,
                                             "E-3"}));

    build->m_equipDesigner = Adviser(
        "伊藤六郎", "設備-1", {"伊藤設備", "", "460", "0001", "名古屋市中区6", "052", "666", "7777"}, "設備設計図");
    build->m_equipDesignerList.AddTail(nullptr);
    build->m_equipDesignerList.AddCopy(Adviser("加藤七子", "", noPerson, ""));
    build->m_equipDesignerList.AddCopy(
        Adviser("吉田八郎", "設備-3", {"吉田設備", "", "812", "", "福岡市9", "", "", ""}, "意見書"));

    build->m_supervisor = Architect({"303",
                                     "00213",
                                     "400004",
                                     "渡辺四郎",
                                     "303",
                                     "00427",
                                     "G-4",
                                     {"渡辺監理", "", "980", "0001", "仙台市青葉区7", "022", "777", "8888"},
                                     "監理図書",
                                     0,
                                     0,
                                     "",
                                     0,
                                     0,
                                     ""});
    build->m_supervisorList.AddCopy(
        Architect({"301",
                   "00200",
                   "500005",
                   "山本九郎",
                   "301",
                   "00413",
                   "H-5",
                   {"山本事務所", "", "100", "0003", "東京都千代田区8", "03", "9999", "0000"},
                   "工事監理報告書",
                   1,
                   1,
                   "S-5",
                   1,
                   1,
                   "E-5"}));

    build->m_constructor = firstConstructor;
    // The first page's constructor is the application's own; the second page's has no name.
    build->m_buildPageList.AddCopy(Page(1, firstConstructor));
    build->m_buildPageList.AddCopy(Page(2, Constructor("", "00511", "(般-23)第999号", noPerson)));
    build->m_buildPageList.AddTail(nullptr);
    build->m_buildPageList.AddCopy(
        Page(3, Constructor("小林工務店", "00511", "(般-23)第200号",
                            {"小林工務店本社", "", "330", "0001", "さいたま市10", "048", "333", "4444"})));

    build->m_note = "一行目\r\n二行目\n三行目";
    build->m_name = Name("青空ビル", "アオゾラビル");
    return build;
}

namespace {

ZnModelAppBuildMod* PopulatedPlanChange()
{
    ZnModelAppBuildMod* planChange = new ZnModelAppBuildMod;
    planChange->m_planChangeSummary = "階段の位置を変更";
    planChange->m_prevConfNum = Number("第H22確認建築東京00123号", 2010, 6, 7, "東京都");
    return planChange;
}

// A confirmation with two lifts and two structures, an absent entry between each two.
ZnModelAppBuildConf* PopulatedConfirmation()
{
    ZnModelAppBuildConf* confirmation = new ZnModelAppBuildConf;
    ZnModelLift lift;
    lift.m_leadingValue = 7;
    lift.m_kindCode.SetCode("01101");
    lift.m_usageCode.SetCode("01201");
    lift.m_ratedSpeed = 45.5;
    lift.m_maxPersons = 8;
    lift.m_loadCapacity = 600.0;
    lift.m_otherMatters = "非常用\r\n兼用";
    confirmation->m_with.m_liftList.AddCopy(lift);
    confirmation->m_with.m_liftList.AddTail(nullptr);
    ZnModelLift emptyLift;
    emptyLift.m_ratedSpeed = 0.4;
    confirmation->m_with.m_liftList.AddCopy(emptyLift);

    ZnModelStruct structure;
    structure.m_leadingValue = 5;
    structure.m_kindCode.SetCode("01301");
    structure.m_kindText = "広告塔";
    structure.m_height = 12.5;
    structure.m_structureDetail = "鉄骨造";
    structure.SetConstKind("01601", "");
    structure.SetConstKind("01603", "");
    structure.SetConstKind("01699", "撤去");
    structure.m_remarks = "備考1\r\n備考2";
    confirmation->m_with.m_structList.AddCopy(structure);
    confirmation->m_with.m_structList.AddTail(nullptr);
    ZnModelStruct emptyStructure;
    emptyStructure.m_otherKindText = "その他ではない";
    confirmation->m_with.m_structList.AddCopy(emptyStructure);
    return confirmation;
}

// The kind object of the document type, populated or new: the plan change for 1008, else the
// confirmation.
ZnModel* KindObject(int docType, bool populated)
{
    if (docType == planChangeDocType)
        return populated ? PopulatedPlanChange() : new ZnModelAppBuildMod;
    return populated ? static_cast<ZnModel*>(PopulatedConfirmation()) : new ZnModelAppBuildConf;
}

void Install(testsupport::TestShellState& shell, int docType, ZnModelApp* app, ZnModelAppBuild* build,
             ZnModel* kindObject)
{
    shell.docType = docType;
    shell.ReplaceModel(ZnShellState::appModelSlot, app);
    shell.ReplaceModel(ZnShellState::formModelSlot, build);
    shell.ReplaceModel(ZnShellState::subFormModelSlot, kindObject);
}

} // namespace

void InstallPopulated(testsupport::TestShellState& shell, int docType)
{
    Install(shell, docType, PopulatedApp(), PopulatedBuild(), KindObject(docType, true));
}

void InstallEmpty(testsupport::TestShellState& shell, int docType)
{
    Install(shell, docType, new ZnModelApp, new ZnModelAppBuild, KindObject(docType, false));
}

} // namespace buildingsample
