// The floppy-output pages of the facilities in their form views: what each lists and loads for a
// confirmation and a plan change, and the count of further items.
#include "tests/app/FloppyOutputFacilityPagesTestSupport.h"

#include "model/ZnModelApp.h"

using namespace facilitytest;

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
