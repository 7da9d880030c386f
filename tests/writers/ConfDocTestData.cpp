#include "tests/writers/ConfDocTestData.h"

#include "tests/support/TestSupport.h"
#include "tests/writers/XmlCheck.h"

#include "platform/files/WinPath.h"

namespace confdoc {

namespace {

JkModelAddress Address(LPCTSTR postal1, LPCTSTR postal2, LPCTSTR line)
{
    return Person({"", "", postal1, postal2, line}).m_address;
}

ZnModelOwner* NewOwner(const PersonRow& row)
{
    ZnModelOwner* owner = new ZnModelOwner;
    owner->m_person = Person(row);
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

void FillRoot(ZnModelApp& root)
{
    root.m_submissionDestination = "東京都建築主事";
    root.m_applicantName = Name("山田\r\n太郎", "ヤマダタロウ");
    root.m_firstOwner.m_person =
        Person({"山田太郎", "ヤマダタロウ", "100", "0001", "東京都千代田区千代田1-1", "03", "1234", "5678"});
    root.m_furtherOwners.AddTail(NewOwner({"佐藤&花子", "サトウハナコ", "", "", "横浜市<中区>", "045"}));
    root.m_furtherOwners.AddTail(nullptr);
    root.m_furtherOwners.AddTail(NewOwner({"鈴木一郎", "スズキイチロウ", "231"}));
    // The agent entry has no 設計図書.
    root.m_agent = Architect({"301", "00213", "123456", "田中'設計'", "タナカ", "102", "00413", "東京都知事第1234号",
                              {"田中設計事務所", "", "160", "0022", "東京都新宿区新宿2-2", "03", "1111", "2222"},
                              "代理者の図書"});

    ZnModelNumGroup group;
    group.m_firstNumber.m_number = "第100号";
    group.m_firstNumber.m_date = Date(2010, 9, 3);
    root.m_header.m_localData.m_buildingNumGroups.AddCopy(group);
}

void FillPersons(ZnModelAppPersons& form)
{
    form.m_designer = Architect({"101", "00200", "200001", "設計一郎", "セッケイイチロウ", "303", "00499", "第2号",
                                 {"一郎設計", "", "150", "0001", "渋谷区神宮前1-1", "03", "3333", "4444"},
                                 "構造図、設備図"});
    // No such issuer row.
    form.m_designerList.AddCopy(Architect({"999", "99999", "", "設計二郎", "", "", "", "", {}, "意匠図"}));

    form.m_constructor = Constructor(Name("施工太郎", "セコウタロウ"), "00500", "国土交通大臣(特-22)第100号",
                                     {"施工建設株式会社", "", "530", "0001", "大阪市北区梅田1-1", "06", "6666", "7777"});
    form.m_constructorList.AddTail(nullptr);
    form.m_constructorList.AddCopy(Constructor(Name("施工次郎"), "0051", "")); // only a whole code matches
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

std::string XmlProblems(const std::string& bytes) { return xmlcheck::IsWellFormed(bytes) ? "" : "not well-formed"; }

void ExpectStopMessages(const std::vector<MessageBoxRequest>& boxes, size_t count, LPCTSTR text)
{
    ASSERT_EQ(count, boxes.size());
    for (const MessageBoxRequest& box : boxes) {
        EXPECT_EQ(CString(text), box.text);
        EXPECT_EQ(UINT(MB_ICONSTOP), box.type & MB_ICONMASK);
    }
}

} // namespace confdoc
