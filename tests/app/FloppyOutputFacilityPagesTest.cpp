// The floppy-output pages of lifts, building equipment, structures and lifts of structures in their
// form views, in a started program: what each lists and loads for a confirmation and a plan
// change, the count of further items, the check it runs, and the floppy it writes onto drive A:.
// One table of the pages' values; every test runs for each page.
#include "tests/support/ShellTestSupport.h"

#include "app/ZnFvAppCAFM12.h"
#include "app/ZnFvAppCAFM13.h"
#include "app/ZnFvAppCAFM14.h"
#include "app/ZnFvAppCAFM15.h"
#include "fdoutput/ZnDlgAppFDPage.h"
#include "model/ZnModelApp.h"
#include "model/ZnModelAppBuild.h"
#include "model/ZnModelAppEquipConf.h"
#include "model/ZnModelAppEquipMod.h"
#include "model/ZnModelAppLiftConf.h"
#include "model/ZnModelAppLiftMod.h"
#include "model/ZnModelAppStrLiftConf.h"
#include "model/ZnModelAppStrLiftMod.h"
#include "model/ZnModelAppStructConf.h"
#include "model/ZnModelAppStructMod.h"
#include "platform/core/Cp932.h"
#include "platform/database/CDaoDatabase.h"
#include "platform/files/CArchive.h"
#include "platform/files/WinDrive.h"
#include "platform/wnd/UserInput.h"
#include "res/FloppyOutputIds.h"
#include "storage/AppDatabaseSchemas.h"
#include "tools/sampledata/SampleCodeDatabases.h"
#include "writers/xml/ZnAppDocFDOut12.h"
#include "writers/xml/ZnAppDocFDOut13.h"
#include "writers/xml/ZnAppDocFDOut14.h"
#include "writers/xml/ZnAppDocFDOut15.h"

#include <cstdio>
#include <memory>
#include <sys/stat.h>

using testsupport::Cp932;
using testsupport::ReadFileBytes;
using testsupport::StoreToBytes;
using testsupport::Utf8;
using testsupport::WriteFileBytes;

namespace {

const int confirmation = 1000;
const int planChange = 1008;

// What a page has of its own.
struct PageCase {
    const char* name;
    CRuntimeClass* view;
    int confirmationCode, planChangeCode;
    const char* formFile; // the confirmation's form file in mode 32786
    int confirmationFormNo, planChangeFormNo;
    CRuntimeClass* formClass;
    CRuntimeClass* confirmationClass;
    CRuntimeClass* planChangeClass;
    const char* kindName; // of the titles and the check result
    bool counts;          // shows the count of further items
    std::vector<int> planChangeWidths;
    void (*writeXml)(CString path, int selection);
    std::vector<std::string> emptyFindings; // the check's messages on empty objects (UTF-8)
    // The writers' stored documents of a confirmation and a plan change (tests/data/writers), the
    // expected data files the family writer makes of them, and the family's form copied from theirs.
    const char* confirmationFixture;
    const char* planChangeFixture;
    const char* confirmationExpected;
    const char* planChangeExpected;
    std::unique_ptr<ZnModel> (*familyCopy)(const ZnModel& stored);
};

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

// A stored document as the page puts it into the slots: the application, the family's form and
// the document type's form.
std::string DocumentFile(const PageCase& page, int docType, const char* owner, int furtherItems = 0)
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

// The family's part of a stored form (a confirmation or plan-change object of the family).
template <class Family> std::unique_ptr<ZnModel> FamilyCopy(const ZnModel& stored)
{
    return std::make_unique<Family>(dynamic_cast<const Family&>(stored));
}

// A writers' stored document (the root, the form of the document type and, for a plan change, a
// second one with the change record) as the page stores it: the root, the family's form, and the
// type's form (an empty confirmation form, or the plan change's own).
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

// Confirmations 9 and 5 (5 with a reception number) and plan changes 8 (with one) and 6 of the
// page's kind, and a building confirmation that is not listed.
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

// The quoted fields of the first line of an index file, the record head first.
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

class FacilityPage : public ShellTest, public ::testing::WithParamInterface<PageCase> {
protected:
    FacilityPage()
    {
        MakeFolders({"app", "com", "obj", u8"obj/南町の家", "fd"});
        StoreFolders(Windows("app"), Windows("com"), Windows("obj"), Windows("dst"), "A:");
        SetDriveFolder('A', m_folder.Path("fd"));
    }

    const PageCase& Page() const { return GetParam(); }
    void MakeRegister() const
    {
        DaoCreateDatabase(Windows("obj/APP_BUKKEN.mdb"), std::string(appBukkenSchema) + Register(Page()));
    }
    void StoreDocument(const std::string& name, const std::string& bytes) const
    {
        WriteFileBytes(m_folder.Path(u8"obj/南町の家/" + name), bytes);
    }

    // Starts the program on the property and opens the page for the document type and mode.
    ZnDlgAppFDPage& Open(int docType, int mode = 32786)
    {
        Start();
        m_app.SetObjFolder(Windows("obj"));
        m_app.SetBukkenName(Cp932(u8"南町の家"));
        Frame().SetBukkenIndex(5);
        Frame().SetDocMode(mode);
        Frame().SetDocType(docType);
        m_app.ChangeView(m_app.GetFormTemplate(Page().view));
        return ShownPage<ZnDlgAppFDPage>();
    }

    // "FD出力" with the confirm dialog's choice: 0 check first (the check result then ends with
    // its button), 1 output without the check.
    void Output(ZnDlgAppFDPage& page, int check, int resultButton = IDOK)
    {
        m_ui.ScriptModal([check](CDialog& confirm) {
            ASSERT_TRUE(UserInput::Click(confirm, check ? IDC_RADIO_NO_CHECK : IDC_RADIO_CHECK));
            ASSERT_TRUE(UserInput::Click(confirm, IDOK));
        });
        if (check == 0)
            m_ui.ScriptModal([resultButton](CDialog& result) { ASSERT_TRUE(UserInput::Click(result, resultButton)); });
        ASSERT_TRUE(UserInput::Click(page, IDC_FDP_BTN_OUTPUT));
    }

    std::string FloppyFile(const std::string& relative) const { return ReadFileBytes(m_folder.Path("fd/" + relative)); }
    bool FloppyHas(const std::string& relative) const
    {
        struct stat info;
        return stat(m_folder.Path("fd/" + relative).c_str(), &info) == 0;
    }

    void ExpectCheckOfUnreadableFile(const std::string& bytes)
    {
        MakeRegister();
        StoreDocument(Page().formFile, bytes);
        m_ui.AnswerMessageBox(IDOK);
        ZnDlgAppFDPage& page = Open(confirmation);
        EXPECT_EQ(std::vector<std::string>{u8"予期しないファイル形式です。"}, MessageTexts());
        EXPECT_EQ(Page().formClass, Document().GetFormModel()->GetRuntimeClass());
        EXPECT_EQ(Page().confirmationClass, Document().GetSubFormModel()->GetRuntimeClass());

        Output(page, 0, IDCANCEL);
        EXPECT_EQ(Page().kindName, Utf8(page.m_dlgCheckResult.m_strObjKindTitle));
        std::vector<std::string> findings;
        for (int i = 0; i < page.m_dlgCheckResult.m_messages.GetSize(); ++i)
            findings.push_back(Utf8(page.m_dlgCheckResult.m_messages[i]));
        EXPECT_EQ(Page().emptyFindings, findings);
        EXPECT_FALSE(FloppyHas("Keikaku"));
    }

    // The floppy after an output of the loaded document: the form list, the index head with the
    // submission code, and the data file that the family writer writes for the document; no maps.
    void ExpectFloppy(const std::string& forms, const std::string& submissionCode, const std::string& owner)
    {
        EXPECT_EQ(std::vector<std::string>{}, MessageTexts());
        EXPECT_FALSE(FloppyHas("Mitori") || FloppyHas("Haichi"));
        EXPECT_EQ(forms, FloppyFile("Sinsei/filename"));
        std::vector<std::string> head = HeadFields(FloppyFile("Info/filename.iba"));
        ASSERT_LE(6u, head.size());
        EXPECT_EQ("#000", head[0]);
        EXPECT_EQ(submissionCode, head[5]);
        std::string data = FloppyFile(u8"Keikaku/申請書データ.xml");
        Page().writeXml(Windows("direct.xml"), 0);
        EXPECT_EQ(ReadFileBytes(m_folder.Path("direct.xml")), data);
        EXPECT_NE(std::string::npos, data.find(owner));
    }
};

// A line of the form list: "#" and the form number.
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

} // namespace

// A confirmation lists the kind's confirmations oldest first, loads the form file of its number
// with the comment in row 0, chooses 修正 for a reception number, and counts the further items.
TEST_P(FacilityPage, AConfirmationListsLoadsAndCountsTheFurtherItems)
{
    MakeRegister();
    StoreDocument(Page().formFile, DocumentFile(Page(), confirmation, "一郎", 2));
    ZnDlgAppFDPage& page = Open(confirmation);

    EXPECT_EQ((std::vector<std::string>{u8"確認五|コメント一|2010/9/3|U5|Z5|", u8"確認九||2012/3/9|||"}),
              ListRowTexts(page.m_listDocuments));
    EXPECT_EQ((std::vector<std::string>{u8"申請書データ", u8"コメント", u8"更新日", u8"受付番号", u8"確認済証番号"}),
              Headings(page.m_listDocuments));
    EXPECT_EQ(
        (std::vector<int>{ClientWidth(page.m_listDocuments) - GetSystemMetrics(SM_CXHTHUMB) - 346, 50, 76, 130, 90}),
        Widths(page.m_listDocuments));
    EXPECT_EQ(0, page.GetSelectedRow());
    EXPECT_EQ("U5", Text(page, IDC_FDP_EDIT_RECEPTION));
    EXPECT_EQ(u8"修正申請", ComboItem(page.m_comboFormat, page.m_comboFormat.GetCurSel()));
    EXPECT_EQ(Page().formClass, Document().GetFormModel()->GetRuntimeClass());
    EXPECT_EQ(Page().confirmationClass, Document().GetSubFormModel()->GetRuntimeClass());
    EXPECT_EQ("一郎",
              static_cast<ZnModelApp*>(Document().GetAppModel())->GetOwner().GetIndividualData().GetName().GetName());
    EXPECT_EQ(Page().confirmationCode, m_app.m_nDocKindCode);
    EXPECT_EQ(std::to_string(Page().confirmationCode), m_app.m_strDocKindCode.Bytes());
    EXPECT_EQ(std::string(u8"確認申請書") + Page().kindName, Utf8(m_app.m_strDocName));
    EXPECT_EQ(Page().confirmationFormNo, m_app.m_nFormNo);
    EXPECT_EQ(0, Frame().GetDataChanged());
    if (Page().counts) {
        EXPECT_EQ("2", Text(page, IDC_FD12_EDIT_COUNT));
        EXPECT_TRUE(Shown(page, IDC_FD12_LABEL_FURTHER) && Shown(page, IDC_FD12_LABEL_UNIT) &&
                    Shown(page, IDC_FD12_EDIT_COUNT));
    } else {
        EXPECT_EQ(nullptr, page.GetDlgItem(IDC_FD12_EDIT_COUNT));
    }
    EXPECT_EQ(std::vector<std::string>{}, MessageTexts());
}

// A plan change in the notification mode lists the kind's plan changes with its own columns, hides
// the count, loads the selected row's file and loads another row's when it is clicked.
TEST_P(FacilityPage, APlanChangeLoadsTheSelectedRowAndHidesTheCount)
{
    MakeRegister();
    StoreDocument("m6.doc", DocumentFile(Page(), planChange, "六"));
    StoreDocument("m8.doc", DocumentFile(Page(), planChange, "八"));
    ZnDlgAppFDPage& page = Open(planChange, 32787);

    EXPECT_EQ((std::vector<std::string>{u8"変更六|2011/1/6|||", u8"変更八|2011/2/8|R8|G8|"}),
              ListRowTexts(page.m_listDocuments));
    EXPECT_EQ((std::vector<std::string>{u8"通知書データ", u8"更新日", u8"受付番号", u8"確認済証番号"}),
              Headings(page.m_listDocuments));
    std::vector<int> widths = Page().planChangeWidths;
    widths.insert(widths.begin(), ClientWidth(page.m_listDocuments) - GetSystemMetrics(SM_CXHTHUMB) -
                                      (widths[0] + widths[1] + widths[2]));
    EXPECT_EQ(widths, Widths(page.m_listDocuments));
    EXPECT_EQ(u8"今回通知", ComboItem(page.m_comboFormat, page.m_comboFormat.GetCurSel()));
    EXPECT_EQ(u8"修正通知", ComboItem(page.m_comboFormat, 1));
    EXPECT_FALSE(Shown(page, IDC_FD12_LABEL_FURTHER) || Shown(page, IDC_FD12_LABEL_UNIT) ||
                 Shown(page, IDC_FD12_EDIT_COUNT));
    // A plan change counts nothing.
    EXPECT_EQ("", Text(page, IDC_FD12_EDIT_COUNT));
    EXPECT_EQ(Page().planChangeClass, Document().GetSubFormModel()->GetRuntimeClass());
    EXPECT_EQ("六",
              static_cast<ZnModelApp*>(Document().GetAppModel())->GetOwner().GetIndividualData().GetName().GetName());
    EXPECT_EQ(Page().planChangeCode, m_app.m_nDocKindCode);
    EXPECT_EQ(std::string(u8"計画変更通知書") + Page().kindName, Utf8(m_app.m_strDocName));
    EXPECT_EQ(Page().planChangeFormNo, m_app.m_nFormNo);

    ASSERT_TRUE(UserInput::ClickListItem(page.m_listDocuments, 1));
    EXPECT_EQ("八",
              static_cast<ZnModelApp*>(Document().GetAppModel())->GetOwner().GetIndividualData().GetName().GetName());
    EXPECT_EQ(Page().planChangeClass, Document().GetSubFormModel()->GetRuntimeClass());
    EXPECT_EQ("R8", Text(page, IDC_FDP_EDIT_RECEPTION));
    EXPECT_EQ(1, page.m_comboFormat.GetCurSel());

    // A row whose file is gone leaves new empty objects of the page's classes, nothing of the last.
    std::remove(m_folder.Path(u8"obj/南町の家/m6.doc").c_str());
    ASSERT_TRUE(UserInput::ClickListItem(page.m_listDocuments, 0));
    EXPECT_EQ("",
              static_cast<ZnModelApp*>(Document().GetAppModel())->GetOwner().GetIndividualData().GetName().GetName());
    EXPECT_EQ(Page().formClass, Document().GetFormModel()->GetRuntimeClass());
    EXPECT_EQ(Page().planChangeClass, Document().GetSubFormModel()->GetRuntimeClass());
    EXPECT_EQ(0, page.m_comboFormat.GetCurSel());
    EXPECT_EQ(std::vector<std::string>{}, MessageTexts());
}

// "FD出力" without the check writes the floppy: its three folders, the index files of the page's
// form number (a plan change's from it) with the combo's submission code, and the family writer's
// data file for the loaded document; no message follows.
TEST_P(FacilityPage, AConfirmationGoesOntoTheFloppyWithItsIndexFiles)
{
    MakeRegister();
    StoreDocument(Page().formFile, DocumentFile(Page(), confirmation, "一郎", 1));
    ZnDlgAppFDPage& page = Open(confirmation);
    Output(page, 1);
    // Confirmation 5 has a reception number: 修正, code "3".
    ExpectFloppy(FormLine(Page().confirmationFormNo), "\"3\"", u8"一郎");
}

TEST_P(FacilityPage, APlanChangeGoesOntoTheFloppyWithItsIndexFiles)
{
    MakeRegister();
    StoreDocument("m6.doc", DocumentFile(Page(), planChange, "六"));
    ZnDlgAppFDPage& page = Open(planChange);
    Output(page, 1);
    // Plan change 6 has no reception number: 今回, code "1"; the plan change's form follows the base form.
    ExpectFloppy(FormLine(Page().confirmationFormNo) + FormLine(Page().planChangeFormNo), "\"1\"", u8"六");
}

// Over the sample code tables, the floppy's data file of the writers' stored documents is the
// expected file of the family writer, byte for byte: the confirmation in the application mode, the
// plan change in the notification mode.
TEST_P(FacilityPage, TheDataFileOfAConfirmationIsTheWritersExpectedFile)
{
    MakeSampleComCode(m_folder.Path("app/COM_CODE.mdb"));
    MakeRegister();
    StoreDocument(Page().formFile,
                  PageLayoutOf(Page().confirmationFixture, Page().confirmationClass, false, Page().familyCopy));
    Output(Open(confirmation), 1);
    EXPECT_EQ(std::vector<std::string>{}, MessageTexts());
    EXPECT_EQ(ReadFileBytes(testsupport::DataPath(std::string("writers/") + Page().confirmationExpected)),
              FloppyFile(u8"Keikaku/申請書データ.xml"));
}

TEST_P(FacilityPage, TheDataFileOfAPlanChangeIsTheWritersExpectedFile)
{
    MakeSampleComCode(m_folder.Path("app/COM_CODE.mdb"));
    MakeRegister();
    StoreDocument("m6.doc", PageLayoutOf(Page().planChangeFixture, Page().planChangeClass, true, Page().familyCopy));
    Output(Open(planChange, 32787), 1);
    EXPECT_EQ(std::vector<std::string>{}, MessageTexts());
    EXPECT_EQ(ReadFileBytes(testsupport::DataPath(std::string("writers/") + Page().planChangeExpected)),
              FloppyFile(u8"Keikaku/申請書データ.xml"));
}

// "チェックする" runs the page's check on the loaded document with its object-kind title; "出力しない"
// then writes nothing. A form file that cannot be read, or one of another kind, is told as the
// framework tells a malformed archive and leaves empty objects of the page's classes, whose empty
// values the check reports.
TEST_P(FacilityPage, TheCheckReadsEmptyObjectsAfterACorruptFormFile) { ExpectCheckOfUnreadableFile("no archive"); }

TEST_P(FacilityPage, TheCheckReadsEmptyObjectsAfterAFormFileOfAnotherKind)
{
    ZnModelApp app;
    app.m_firstOwner.m_person.m_name.m_name = "他";
    ZnModelAppBuild build;
    ExpectCheckOfUnreadableFile(StoreToBytes([&](CArchive& ar) {
        app.Serialize(ar);
        build.Serialize(ar);
    }));
}

// Without a register the database layer's report is shown, the list stays empty and the page
// finishes its set-up; a drive that is not there gives the medium's message and nothing is written.
TEST_P(FacilityPage, AMissingRegisterAndAMissingDriveEndInTheirMessages)
{
    ZnDlgAppFDPage& page = Open(confirmation);
    // One report when the program starts, one of the page.
    EXPECT_EQ(2u, m_ui.registerReports.size());
    EXPECT_EQ(0, page.m_listDocuments.GetItemCount());
    EXPECT_EQ(Page().confirmationClass, Document().GetSubFormModel()->GetRuntimeClass());
    EXPECT_EQ(Page().confirmationFormNo, m_app.m_nFormNo);
    // No row: the selection message.
    m_ui.AnswerMessageBox(IDOK);
    ASSERT_TRUE(UserInput::Click(page, IDC_FDP_BTN_OUTPUT));
    EXPECT_EQ((std::vector<std::string>{u8"申請書を選択してください。"}), MessageTexts());

    page.m_listDocuments.InsertItem(0, "doc");
    page.m_listDocuments.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    SetDriveFolder('A', "");
    m_ui.AnswerMessageBox(IDOK);
    Output(page, 1);
    ASSERT_EQ(2u, MessageTexts().size());
    EXPECT_EQ(0u, MessageTexts()[1].find(u8"データを出力できません。"));
    EXPECT_FALSE(FloppyHas("Keikaku") || FloppyHas("Info"));
}

INSTANTIATE_TEST_SUITE_P(Pages, FacilityPage, ::testing::ValuesIn(kPages),
                         [](const ::testing::TestParamInfo<PageCase>& info) { return info.param.name; });
