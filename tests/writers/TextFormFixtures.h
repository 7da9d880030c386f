// The documents of the text-form tests, filled field by field as the expected files under
// tests/data/writers/forms assume them.
#pragma once

#include "model/ZnModelAppConstNotif.h"
#include "model/ZnModelAppDemNotif.h"
#include "model/ZnModelAppSafeNotif.h"
#include "model/ZnModelAppTempUseConf.h"

namespace textformtest {

inline void SetPerson(JkModelIndividualData& person, const char* reading, const char* name, const char* postal1,
                      const char* postal2, const char* address, const char* tel1, const char* tel2, const char* tel3)
{
    person.m_name.m_nameReading = reading;
    person.m_name.m_name = name;
    person.m_address.m_postalCode1 = postal1;
    person.m_address.m_postalCode2 = postal2;
    person.m_address.m_address = address;
    person.m_telephone.m_firstPart = tel1;
    person.m_telephone.m_secondPart = tel2;
    person.m_telephone.m_thirdPart = tel3;
}

inline ZnModelOwner* NewOwner(const char* reading, const char* name, const char* postal1, const char* postal2,
                              const char* address, const char* tel1, const char* tel2, const char* tel3)
{
    ZnModelOwner* owner = new ZnModelOwner;
    SetPerson(owner->m_person, reading, name, postal1, postal2, address, tel1, tel2, tel3);
    return owner;
}

inline ZnModelDate Date(const char* text)
{
    ZnModelDate date;
    date.SetDateString(text);
    return date;
}

// The application root that the owner, agent, further-owner and signer records read.
inline void FillApp(ZnModelApp& app, bool furtherOwners)
{
    SetPerson(app.m_firstOwner.m_person, "ヤマダタロウ", "山田太郎", "100", "0001", "東京都千代田区千代田1-1", "03",
              "1234", "5678");
    ZnModelDesigner& agent = app.m_agent;
    agent.m_qualificationClass.SetCode("101");
    agent.m_qualificationAuthority.SetCode("01300");
    agent.m_qualificationRegistrationNumber = "12345";
    agent.m_architectName.m_name = "建築士ソ";
    agent.m_officeClass.SetCode("101");
    agent.m_officeAuthority.SetCode("01301");
    agent.m_officeRegistrationNumber = "第5678号";
    SetPerson(agent.m_office, "", "ポ設計事務所", "160", "0022", "新宿区新宿1丁目", "03", "5555", "0000");
    app.m_applicantName.m_nameReading = "シンセイシャ";
    app.m_applicantName.m_name = "申請\r\n者表";
    if (furtherOwners) {
        app.m_furtherOwners.AddTail(NewOwner("スズキ", "鈴木,一郎", "150", "0001", "渋谷区;神宮前", "", "", ""));
        app.m_furtherOwners.AddTail(static_cast<CObject*>(nullptr));
        app.m_furtherOwners.AddTail(NewOwner("サトウ", "佐藤\"花子\"", "", "", "表参道100%", "090", "1", "2"));
    }
}

inline void FillTempUse(ZnModelAppTempUseConf& t)
{
    t.m_formDigit = 3;
    t.m_confirmation.SetNumber("第H10確認123号");
    t.m_confirmation.SetDate(Date("02100401"));
    t.m_confirmation.SetFurtherText("東京都,建築主事");
    t.m_siteAddress1.m_address = "千代田区;1番地";
    t.m_siteAddress2.m_address = "表%d参道";
    t.m_objectAddress.m_address = "港区2-2";
    t.m_objectName.m_nameReading = "ビル";
    t.m_objectName.m_name = "\"ソポ\"ビル";
    t.m_useText = "事務所\r\n店舗";
    t.m_plannedStart = Date("02100501");
    t.m_useFrom = Date("02100601");
    t.m_useTo = Date("02101231");
    t.m_reason = "理由,あり";
    t.m_remarks = "一行目\r\n二行目\r\n三行目";
}

inline ZnModelAppStrNotif* NewBuilding(int number, double area)
{
    ZnModelAppStrNotif* building = new ZnModelAppStrNotif;
    building->m_number = number;
    building->m_area = area;
    return building;
}

inline void FillConstruction(ZnModelAppConstNotif& n, int demolition)
{
    n.m_ownerType.SetCode("01901");
    n.m_ownerOcc.SetCode("02001");
    n.m_ownerValue = -5;
    n.m_siteAddress.m_address = "横浜市中区1";
    n.m_planArea.SetCode("00701");
    n.m_periodStart = Date("02100401");
    n.m_periodEnd = Date("02110331");
    n.m_periodA = 3;
    n.m_periodB = 0;
    n.m_constKind.SetCode("01101");
    n.m_mainUse.m_category = 2;
    n.m_mainUse.m_usage.SetCode("08010");
    ZnModelAppStrNotif* first = NewBuilding(3, 12.346);
    first->m_use.SetCode("08010");
    first->m_multiUse.SetCode("00101");
    first->m_partStructure.SetCode("00201");
    first->m_count1 = 1;
    first->m_count2 = 2;
    first->m_housing1.SetCode("a1");
    first->m_housing2.SetCode("a2");
    first->m_housing3.SetCode("a3");
    first->m_housing4.SetCode("a4");
    first->m_housingCount1 = 1;
    first->m_housingArea1 = 12.344;
    first->m_housingArea2 = 0.004;
    n.m_buildings.AddTail(first);
    n.m_buildings.AddTail(NewBuilding(123, 0.0));
    n.m_buildings.AddTail(NewBuilding(0, 7.5));
    n.m_siteArea = 150.0;
    ZnModelAppDemData& d = n.m_demolition;
    d.m_present = demolition;
    d.m_mainUse.m_category = 1;
    d.m_mainUse.m_usage.SetCode("08020");
    d.m_cause.SetCode("03001");
    d.m_structure.SetCode("03101");
    d.m_buildingCount = 2;
    d.m_tenure.SetCode("03201");
    d.m_floorArea = 55.556;
    d.m_value = 1000000;
    d.m_contractor.m_name.m_name = "解体工業";
    SetPerson(d.m_contractor.m_individualData, "", "解体営業所", "220", "0001", "横浜市西区", "045", "111", "2222");
    n.m_supervisor.m_architectName.m_name = "監理者";
    SetPerson(n.m_supervisor.m_office, "", "監理事務所", "", "", "川崎市", "", "", "");
}

inline void FillDemolition(ZnModelAppDemNotif& n)
{
    n.m_place.m_address = "名古屋市中区3-3";
    n.m_date = Date("02100701");
    n.m_mainUse.m_category = 3;
    n.m_mainUse.m_usage.SetCode("08030");
    n.m_cause.SetCode("03002");
    n.m_structure.SetCode("03102");
    n.m_buildingCount = 1;
    n.m_dwellingCount = -2;
    n.m_tenure.SetCode("03202");
    n.m_floorArea = 123.456;
    n.m_contractor.m_name.m_name = "除却建設";
    SetPerson(n.m_contractor.m_individualData, "", "除却営業所", "460", "0001", "名古屋市中区", "052", "000", "1111");
}

inline void FillSafetyPlan(ZnModelAppSafeNotif& n)
{
    n.m_buildingAddress.m_address = "大阪市北区1-1";
    n.m_buildingName.m_nameReading = "アンゼンビル";
    n.m_buildingName.m_name = "安全ビル";
    n.m_text1 = "概要一";
    n.m_mainStructure.SetCode("02401");
    n.m_text3 = "鉄骨造";
    n.m_number1 = 3;
    n.m_area1 = 12.345;
    n.m_area2 = 99.999;
    n.m_area3 = 0.005;
    n.m_plannedEnd = Date("02110301");
    n.m_useFrom = Date("01630101");
    n.m_useTo = Date("02010201");
    n.m_confirmation.SetNumber("確認1");
    n.m_confirmation.SetDate(Date("02100401"));
    n.m_confirmation.SetFurtherText("大阪市");
    n.m_tempUseApproval.SetNumber("承認2");
    n.m_tempUseApproval.SetDate(Date("02100501"));
    n.m_tempUseApproval.SetFurtherText("書かれない");
    n.m_remarks = "備考A\r\n備考B";
}

} // namespace textformtest
