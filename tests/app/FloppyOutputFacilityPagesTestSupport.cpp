#include "tests/app/FloppyOutputFacilityPagesTestSupport.h"

#include "app/ZnFvAppCAFM12.h"
#include "app/ZnFvAppCAFM13.h"
#include "app/ZnFvAppCAFM14.h"
#include "app/ZnFvAppCAFM15.h"
#include "model/ZnModelApp.h"
#include "model/ZnModelAppEquipConf.h"
#include "model/ZnModelAppEquipMod.h"
#include "model/ZnModelAppLiftConf.h"
#include "model/ZnModelAppLiftMod.h"
#include "model/ZnModelAppStrLiftConf.h"
#include "model/ZnModelAppStrLiftMod.h"
#include "model/ZnModelAppStructConf.h"
#include "model/ZnModelAppStructMod.h"
#include "writers/xml/ZnAppDocFDOut12.h"
#include "writers/xml/ZnAppDocFDOut13.h"
#include "writers/xml/ZnAppDocFDOut14.h"
#include "writers/xml/ZnAppDocFDOut15.h"

#include <cstdio>

namespace facilitytest {

namespace {

// A form of the page's family with the given further items (lifts or structures) and the owner.
std::unique_ptr<ZnModel> Form(const PageCase& page, int furtherItems)
{
    std::unique_ptr<ZnModel> form(static_cast<ZnModel*>(page.formClass->CreateObject()));
    if (auto* lift = dynamic_cast<ZnModelAppLift*>(form.get())) {
        lift->m_address.m_address = "東京都港区一丁目";
        for (int i = 0; i < furtherItems; ++i)
            lift->m_liftList.AddTail(new ZnModelLift);
    }
    if (auto* structure = dynamic_cast<ZnModelAppStruct*>(form.get()))
        for (int i = 0; i < furtherItems; ++i)
            structure->m_structList.AddTail(new ZnModelStruct);
    return form;
}

// The family's part of a stored form (a confirmation or plan-change object of the family).
template <class Family> std::unique_ptr<ZnModel> FamilyCopy(const ZnModel& stored)
{
    return std::make_unique<Family>(dynamic_cast<const Family&>(stored));
}

const std::vector<std::string> kLiftFindings = {u8"設置者の氏名が未入力です。",
                                                u8"設置する建築物または工作物の所在地が未入力です。",
                                                u8"昇降機の概要の種別コードが未入力です。昇降機番号：0"};

const PageCase kPages[] = {
    {"lift",
     RUNTIME_CLASS(ZnFvAppCAFM12),
     100002,
     100302,
     "Ka001.160",
     160,
     420,
     RUNTIME_CLASS(ZnModelAppLift),
     RUNTIME_CLASS(ZnModelAppLiftConf),
     RUNTIME_CLASS(ZnModelAppLiftMod),
     u8"_昇降機_",
     true,
     {76, 170, 100},
     ZnAppDocFDOut12::WriteXml,
     kLiftFindings,
     "lift_confirmation",
     "lift_plan_change",
     "lift_confirmation.xml",
     "lift_plan_change.xml",
     FamilyCopy<ZnModelAppLift>},
    {"equipment",
     RUNTIME_CLASS(ZnFvAppCAFM13),
     100003,
     100303,
     "Ka001.170",
     170,
     430,
     RUNTIME_CLASS(ZnModelAppEquip),
     RUNTIME_CLASS(ZnModelAppEquipConf),
     RUNTIME_CLASS(ZnModelAppEquipMod),
     u8"_昇降機以外の建築設備_",
     false,
     {76, 130, 84},
     ZnAppDocFDOut13::WriteXml,
     {u8"設置者の氏名が未入力です。", u8"設置する建築物の所在地が未入力です。", u8"建築設備の概要が未入力です。"},
     "equipment_confirmation",
     "equipment_plan_change",
     "equipment_confirmation.xml",
     "equipment_plan_change.xml",
     FamilyCopy<ZnModelAppEquip>},
    {"structure",
     RUNTIME_CLASS(ZnFvAppCAFM14),
     100004,
     100304,
     "Ka001.180",
     180,
     440,
     RUNTIME_CLASS(ZnModelAppStruct),
     RUNTIME_CLASS(ZnModelAppStructConf),
     RUNTIME_CLASS(ZnModelAppStructMod),
     u8"_工作物（法第88条1項）_",
     true,
     {76, 130, 84},
     ZnAppDocFDOut14::WriteXml,
     {u8"築造主の氏名が未入力です。", u8"敷地の位置の地名地番が未入力です。",
      u8"工作物の概要の種類コードが未入力です。工作物番号：0"},
     "structure_confirmation",
     "structure_plan_change",
     "structure_confirmation.xml",
     "structure_plan_change.xml",
     FamilyCopy<ZnModelAppStruct>},
    {"structure_lift",
     RUNTIME_CLASS(ZnFvAppCAFM15),
     100005,
     100305,
     "Ka001.161",
     161,
     421,
     RUNTIME_CLASS(ZnModelAppLift),
     RUNTIME_CLASS(ZnModelAppStrLiftConf),
     RUNTIME_CLASS(ZnModelAppStrLiftMod),
     u8"_工作物の昇降機_",
     true,
     {76, 130, 84},
     ZnAppDocFDOut15::WriteXml,
     kLiftFindings,
     "structure_lift_confirmation",
     "structure_lift_plan_change",
     "lift_confirmation.xml",
     "lift_plan_change.xml",
     FamilyCopy<ZnModelAppLift>},
};

} // namespace

std::string DocumentFile(const PageCase& page, int docType, const char* owner, int furtherItems)
{
    ZnModelApp app;
    app.m_header.m_localData.m_localText = "コメント一";
    app.m_firstOwner.m_person.m_name.m_name = owner;
    std::unique_ptr<ZnModel> form = Form(page, furtherItems);
    CRuntimeClass* subClass = docType == planChange ? page.planChangeClass : page.confirmationClass;
    std::unique_ptr<ZnModel> sub(static_cast<ZnModel*>(subClass->CreateObject()));
    return StoreToBytes([&](CArchive& ar) {
        app.Serialize(ar);
        form->Serialize(ar);
        sub->Serialize(ar);
    });
}

std::string PageLayoutOf(const std::string& fixture, CRuntimeClass* storedClass, bool planChange,
                         std::unique_ptr<ZnModel> (*familyCopy)(const ZnModel&))
{
    ZnModelApp app;
    std::unique_ptr<ZnModel> form(static_cast<ZnModel*>(storedClass->CreateObject()));
    std::unique_ptr<ZnModel> sub(static_cast<ZnModel*>(storedClass->CreateObject()));
    testsupport::LoadFromBytes(testsupport::ReadHexFixture("writers/documents/" + fixture + ".hex"), [&](CArchive& ar) {
        app.Serialize(ar);
        form->Serialize(ar);
        if (planChange)
            sub->Serialize(ar);
    });
    std::unique_ptr<ZnModel> family = familyCopy(*form);
    return StoreToBytes([&](CArchive& ar) {
        app.Serialize(ar);
        family->Serialize(ar);
        sub->Serialize(ar);
    });
}

std::string Register(const PageCase& page)
{
    char rows[2048];
    std::snprintf(rows, sizeof rows,
                  u8"INSERT INTO AppBukkenShousaiTbl VALUES (9, 5, '確認九', %d, 0, 3, '2012-03-09 00:00:00', '', "
                  u8"'', '', 'c9.doc', NULL);\n"
                  u8"INSERT INTO AppBukkenShousaiTbl VALUES (5, 5, '確認五', %d, 0, 1, '2010-09-03 10:00:00', 'U5', "
                  u8"'Z5', '', 'c5.doc', NULL);\n"
                  u8"INSERT INTO AppBukkenShousaiTbl VALUES (8, 5, '変更八', %d, 0, 2, '2011-02-08 00:00:00', 'R8', "
                  u8"'', 'G8', 'm8.doc', NULL);\n"
                  u8"INSERT INTO AppBukkenShousaiTbl VALUES (6, 5, '変更六', %d, 0, 1, '2011-01-06 00:00:00', '', "
                  u8"'', '', 'm6.doc', NULL);\n"
                  u8"INSERT INTO AppBukkenShousaiTbl VALUES (7, 5, '建物七', 100001, 0, 1, '2011-01-07 00:00:00', "
                  u8"'B7', '', '', 'b7.doc', NULL);\n",
                  page.confirmationCode, page.confirmationCode, page.planChangeCode, page.planChangeCode);
    return rows;
}

std::vector<std::string> HeadFields(const std::string& iba)
{
    std::vector<std::string> fields;
    std::string line = iba.substr(0, iba.find("\r\n"));
    size_t start = 0;
    for (size_t comma; (comma = line.find(',', start)) != std::string::npos; start = comma + 1)
        fields.push_back(line.substr(start, comma - start));
    fields.push_back(line.substr(start));
    return fields;
}

std::string FormLine(int formNo) { return "#" + std::to_string(formNo) + "\r\n"; }

std::vector<std::string> Headings(CListCtrl& list)
{
    std::vector<std::string> headings;
    for (int column = 0; column < list.GetColumnCount(); ++column)
        headings.push_back(Utf8(list.GetColumnHeading(column)));
    return headings;
}

std::vector<int> Widths(CListCtrl& list)
{
    std::vector<int> widths;
    for (int column = 0; column < list.GetColumnCount(); ++column)
        widths.push_back(list.GetColumnWidth(column));
    return widths;
}

int ClientWidth(CListCtrl& list)
{
    CRect client;
    list.GetClientRect(&client);
    return client.Width();
}

std::string Text(CWnd& page, int id)
{
    CString text;
    page.GetDlgItemText(id, text);
    return Utf8(text);
}

std::string ComboItem(CComboBox& combo, int index)
{
    CString text;
    combo.GetLBText(index, text);
    return Utf8(text);
}

bool Shown(CWnd& page, int id) { return page.GetDlgItem(id) && (page.GetDlgItem(id)->GetStyle() & WS_VISIBLE); }

} // namespace facilitytest

using namespace facilitytest;

INSTANTIATE_TEST_SUITE_P(Pages, FacilityPage, ::testing::ValuesIn(kPages),
                         [](const ::testing::TestParamInfo<PageCase>& info) { return info.param.name; });
