// The building confirmation's floppy-output page in its form view, in a started program: what it
// lists and loads from the property's register and folder.
#include "tests/app/ShellTestSupport.h"

#include "app/ZnFvAppCAFM11.h"
#include "fdoutput/ZnDlgAppFDOut11.h"
#include "model/ZnModelApp.h"
#include "model/ZnModelAppBuild.h"
#include "model/ZnModelAppBuildConf.h"
#include "platform/core/Cp932.h"
#include "platform/database/CDaoDatabase.h"
#include "platform/files/CArchive.h"
#include "res/FloppyOutputIds.h"
#include "storage/AppDatabaseSchemas.h"

using testsupport::StoreToBytes;
using testsupport::WriteFileBytes;

namespace {

CString Cp932(const char* utf8) { return CString(cp932::FromUtf8(utf8)); }

// Building confirmations 9, 5 and 7 (inserted in that order) and construction notices 2 and 4.
std::string Register()
{
    return u8"INSERT INTO AppBukkenShousaiTbl VALUES (9, 5, '確認申請書九', 100001, 0, 3, "
           u8"'2012-03-09 00:00:00', 'U9', '', 'G9', 'doc009.110', NULL);\n"
           u8"INSERT INTO AppBukkenShousaiTbl VALUES (5, 5, '確認申請書五', 100001, 0, 1, "
           u8"'2010-09-03 10:00:00', 'U5', 'Z5', 'G5', 'doc005.110', NULL);\n"
           u8"INSERT INTO AppBukkenShousaiTbl VALUES (7, 5, '確認申請書七', 100001, 0, 2, "
           u8"'2011-01-20 00:00:00', '', '', '', 'doc007.110', NULL);\n"
           u8"INSERT INTO AppBukkenShousaiTbl VALUES (2, 5, '建築工事届二', 100801, 0, 1, "
           u8"'2011-01-20 00:00:00', 'N2', '', '', 'n2.240', NULL);\n"
           u8"INSERT INTO AppBukkenShousaiTbl VALUES (4, 5, '建築工事届四', 100801, 0, 2, "
           u8"'2011-01-21 00:00:00', 'N4', '', '', 'n4.240', NULL);\n";
}

class FloppyOutputPage : public ShellTest {
protected:
    FloppyOutputPage()
    {
        MakeFolders({"app", "com", "obj", u8"obj/南町の家"});
        DaoCreateDatabase(Windows("obj/APP_BUKKEN.mdb"), std::string(appBukkenSchema) + Register());
        StoreFolders(Windows("app"), Windows("com"), Windows("obj"), Windows("dst"), nullptr);
    }

    // Starts the program on the property and opens the page for the document type.
    ZnDlgAppFDOut11& Open(int docType)
    {
        Start();
        m_app.SetObjFolder(Windows("obj"));
        m_app.SetBukkenName(Cp932(u8"南町の家"));
        Frame().SetBukkenIndex(5);
        Frame().SetDocMode(32786);
        Frame().SetDocType(docType);
        m_app.ChangeView(m_app.GetFormTemplate(RUNTIME_CLASS(ZnFvAppCAFM11)));
        CView& view = *Frame().MDIGetActive()->GetActiveView();
        for (CWnd* child = view.GetWindow(GW_CHILD); child; child = child->GetWindow(GW_HWNDNEXT))
            if (auto* page = dynamic_cast<ZnDlgAppFDOut11*>(child))
                return *page;
        throw std::logic_error("the form view shows no page");
    }

    std::string Text(CWnd& page, int id) const
    {
        CString text;
        page.GetDlgItemText(id, text);
        return cp932::ToUtf8(text.Bytes());
    }
};

std::vector<std::string> Rows(CListCtrl& list)
{
    std::vector<std::string> rows;
    for (int i = 0; i < list.GetItemCount(); ++i) {
        std::string row;
        for (int column = 0; column < list.GetColumnCount(); ++column)
            row += cp932::ToUtf8(list.GetItemText(i, column).Bytes()) + "|";
        rows.push_back(row);
    }
    return rows;
}

} // namespace

TEST_F(FloppyOutputPage, ListsTheBuildingConfirmationsOldestFirstAndLoadsTheFormFile)
{
    ZnModelApp app;
    app.m_header.m_localData.m_localText = Cp932(u8"コメント一");
    ZnModelAppBuild build;
    ZnModelAppBuildConf conf;
    WriteFileBytes(m_folder.Path(u8"obj/南町の家/Ka001.110"), StoreToBytes([&](CArchive& ar) {
                       app.Serialize(ar);
                       build.Serialize(ar);
                       conf.Serialize(ar);
                   }));
    ZnDlgAppFDOut11& page = Open(1000);

    EXPECT_EQ((std::vector<std::string>{u8"確認申請書五|コメント一|2010/9/3|U5|Z5|", u8"確認申請書七||2011/1/20|||",
                                        u8"確認申請書九||2012/3/9|U9|G9|"}),
              Rows(page.m_listDocuments));
    EXPECT_EQ(0, page.GetSelectedRow());
    EXPECT_EQ(std::vector<std::string>{}, MessageTexts());
    EXPECT_EQ("U5", Text(page, IDC_FDP_EDIT_RECEPTION));
    EXPECT_EQ("N4", Text(page, IDC_FD11_EDIT_NOTICE));
    EXPECT_EQ(1, page.m_comboFormat.GetCurSel());
    EXPECT_NE(nullptr, dynamic_cast<ZnModelAppBuildConf*>(Document().GetSubFormModel()));
    EXPECT_EQ(100001, m_app.m_nDocKindCode);
    EXPECT_EQ("100001", m_app.m_strDocKindCode);
    EXPECT_EQ(110, m_app.m_nFormNo);
    EXPECT_EQ(0, Frame().GetDataChanged());
}
