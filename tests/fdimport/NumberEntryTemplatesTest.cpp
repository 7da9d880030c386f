// The number-entry screens' templates and the number input's field descriptors.
#include "tests/support/TestSupport.h"

#include "fdimport/ZnDlgAppBangouInput.h"
#include "platform/wnd/Resources.h"
#include "res/FormViewIds.h"
#include "res/MainFrameIds.h"
#include "res/NumberEntryIds.h"
#include "shell/VhEditSetup.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The template's caption and size, then each control's id, text and rectangle.
std::vector<std::string> Layout(UINT id)
{
    const DialogResource* dialog = AfxFindDialogResource(id);
    if (!dialog)
        return {};
    std::vector<std::string> lines = {std::string(dialog->caption ? dialog->caption : "") + " " +
                                      std::to_string(dialog->cx) + "x" + std::to_string(dialog->cy)};
    for (size_t i = 0; i < dialog->controlCount; ++i) {
        const ControlResource& c = dialog->controls[i];
        lines.push_back(std::to_string(c.id) + " " + (c.text ? c.text : "") + " " + std::to_string(c.x) + "," +
                        std::to_string(c.y) + "," + std::to_string(c.cx) + "," + std::to_string(c.cy));
    }
    return lines;
}

} // namespace

TEST(NumberEntryTemplates, PlaceTheControlsOfTheThreeScreens)
{
    EXPECT_EQ((std::vector<std::string>{u8" 327x296", u8"-1 申請書一覧 10,10,45,15", u8"-1 ドライブ名： 140,10,35,15",
                                        "14056  177,10,128,12", u8"14055 参照 305,10,20,15", "16013  280,10,35,50",
                                        "16034  10,30,305,110", u8"16033 詳細 10,150,40,15", "16035  10,170,305,115"}),
              Layout(IDD_SHINSEISHO_LIST));
    EXPECT_EQ((std::vector<std::string>{u8"■内容の確認 350x209", u8"-1 物件名 10,10,40,15", "16011  55,10,285,15",
                                        u8"-1 申請書類 10,30,40,15", "16010  55,30,230,15", "16007  10,55,330,125",
                                        "1 OK 235,190,50,14", u8"2 ｷｬﾝｾﾙ 290,190,50,14"}),
              Layout(IDD_UKETUKE_CONFIRM));
    std::vector<std::string> input = Layout(IDD_BANGOU_INPUT);
    ASSERT_FALSE(input.empty());
    EXPECT_EQ(u8"■番号の入力 294x189", input.front());
    // The hidden drive list is never shown; both era lists offer 昭和 and 平成.
    const DialogResource* list = AfxFindDialogResource(IDD_SHINSEISHO_LIST);
    EXPECT_EQ(0u, list->controls[4].style & WS_VISIBLE);
    const DialogResource* dialog = AfxFindDialogResource(IDD_BANGOU_INPUT);
    int eraLists = 0;
    for (size_t i = 0; i < dialog->controlCount; ++i) {
        const ControlResource& c = dialog->controls[i];
        if (c.id != IDC_BG_RECV_ERA && c.id != IDC_BG_ISSUE_ERA)
            continue;
        ++eraLists;
        ASSERT_NE(nullptr, c.items);
        EXPECT_EQ(std::string(u8"昭和"), c.items[0]);
        EXPECT_EQ(std::string(u8"平成"), c.items[1]);
        EXPECT_EQ(nullptr, c.items[2]);
    }
    EXPECT_EQ(2, eraLists);
}

TEST(NumberEntryTemplates, TheNumberInputDescribesItsNineFields)
{
    ZnDlgAppBangouInput dialog;
    std::vector<std::string> fields;
    for (POSITION pos = dialog.m_setupList.GetHeadPosition(); pos;) {
        auto* setup = static_cast<VhEditSetup*>(dialog.m_setupList.GetNext(pos));
        CWnd* control = setup->m_pControl;
        int id = control == &dialog.m_editRecvNumber   ? IDC_BG_RECV_NUMBER
                 : control == &dialog.m_editRecvYear   ? IDC_BG_RECV_YEAR
                 : control == &dialog.m_editRecvMonth  ? IDC_BG_RECV_MONTH
                 : control == &dialog.m_editRecvDay    ? IDC_BG_RECV_DAY
                 : control == &dialog.m_editNumber     ? IDC_BG_NUMBER
                 : control == &dialog.m_editIssueYear  ? IDC_BG_ISSUE_YEAR
                 : control == &dialog.m_editIssueMonth ? IDC_BG_ISSUE_MONTH
                 : control == &dialog.m_editIssueDay   ? IDC_BG_ISSUE_DAY
                 : control == &dialog.m_editIssuer     ? IDC_BG_ISSUER
                                                       : 0;
        fields.push_back(std::to_string(id) + " " + std::to_string(setup->m_nMaxLength) + " " +
                         std::to_string(setup->m_nCharMask) + " " + std::to_string(setup->m_nImeOpenMode) + " " +
                         setup->m_pszFormat + " " + std::to_string(setup->m_nExtra));
    }
    EXPECT_EQ((std::vector<std::string>{"16025 32 65535 1 %32s 0", "16027 2 65535 2 %2s 0", "16015 2 65535 2 %2s 0",
                                        "16016 2 65535 2 %2s 0", "16022 32 65535 1 %32s 0", "16019 2 65535 2 %2s 0",
                                        "16020 2 65535 2 %2s 0", "16021 2 65535 2 %2s 0", "16023 60 65535 1 %60s 0"}),
              fields);
    EXPECT_EQ(-9999, dialog.m_nSelectedRow);
    EXPECT_EQ(-9999, dialog.m_nShousaiIndex);
}
