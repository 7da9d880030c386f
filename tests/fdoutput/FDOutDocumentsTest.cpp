// The documents that a floppy-output page lists: the kind's rows of the current property in
// ascending number order with their shown values, the newest construction notice's number, the
// register's failure; and the words that follow the document mode. The building page's columns,
// hidden controls and classes are pinned through the page itself, in the floppy-output page tests.
#include "tests/fdoutput/FdOutputTestSupport.h"

#include "fdoutput/ZnFDOutDocuments.h"
#include "fdoutput/ZnFDOutWording.h"
#include "platform/database/CDaoDatabase.h"
#include "storage/AppDatabaseSchemas.h"

using testsupport::TempFolder;

namespace {

// Property 7 holds building confirmations 9, 5 and 7 (in that order) and notices 2 and 4; property 8
// and another kind are not to be listed.
const char kRows[] =
    u8"INSERT INTO AppBukkenShousaiTbl VALUES (9, 7, '確認九', 100001, 0, 1, '2011-12-01 00:00:00', '受9', '', "
    u8"'', 'Ka009.110', NULL);\n"
    u8"INSERT INTO AppBukkenShousaiTbl VALUES (5, 7, '確認五', 100001, 0, 1, '2010-09-03 00:00:00', '受5', '確5', "
    u8"'合5', 'Ka005.110', NULL);\n"
    u8"INSERT INTO AppBukkenShousaiTbl VALUES (7, 7, '確認七', 100001, 0, 1, '2004-05-02 00:00:00', '', '', "
    u8"'合7', 'Ka007.110', NULL);\n"
    u8"INSERT INTO AppBukkenShousaiTbl VALUES (2, 7, '工事届二', 100801, 0, 1, '2010-01-01 00:00:00', '届2', '', "
    u8"'', 'Ka002.240', NULL);\n"
    u8"INSERT INTO AppBukkenShousaiTbl VALUES (4, 7, '工事届四', 100801, 0, 1, '2010-01-01 00:00:00', '届4', '', "
    u8"'', 'Ka004.240', NULL);\n"
    u8"INSERT INTO AppBukkenShousaiTbl VALUES (3, 8, '他物件', 100001, 0, 1, '2010-01-01 00:00:00', '他', '', "
    u8"'', 'Ka003.110', NULL);\n"
    u8"INSERT INTO AppBukkenShousaiTbl VALUES (6, 7, '計画変更', 100301, 0, 1, '2010-01-01 00:00:00', '変', '', "
    u8"'', 'Ka006.410', NULL);\n";

class FDOutDocuments : public ::testing::Test {
protected:
    FDOutDocuments()
    {
        m_shell.objFolder = LinuxPathToWin(m_folder.Path()).c_str();
        DaoCreateDatabase(m_shell.objFolder + "\\APP_BUKKEN.mdb", std::string(appBukkenSchema) + kRows);
    }

    TempFolder m_folder;
    fdtest::NamesShell m_shell;
};

std::string Shown(const std::vector<ZnFDOutDocument>& documents)
{
    std::string shown;
    for (const ZnFDOutDocument& document : documents)
        shown += fdtest::Utf8(document.name) + "," + fdtest::Utf8(document.date) + "," +
                 fdtest::Utf8(document.reception) + "," + fdtest::Utf8(document.certificate) + "," +
                 fdtest::Utf8(document.fileName) + ";";
    return shown;
}

} // namespace

TEST_F(FDOutDocuments, ListsTheKindOfTheCurrentPropertyInAscendingOrder)
{
    EXPECT_EQ(m_shell.objFolder + "\\APP_BUKKEN.mdb", ZnFDOutDocuments::RegisterPath());
    EXPECT_EQ(u8"確認五,2010/9/3,受5,確5,Ka005.110;確認七,2004/5/2,,合7,Ka007.110;確認九,2011/12/1,受9,,Ka009.110;",
              Shown(ZnFDOutDocuments::List(ZnFDOutDocuments::RegisterPath(), 7, 100001)));
    EXPECT_EQ(u8"計画変更,2010/1/1,変,,Ka006.410;",
              Shown(ZnFDOutDocuments::List(ZnFDOutDocuments::RegisterPath(), 7, 100301)));
    EXPECT_EQ("", Shown(ZnFDOutDocuments::List(ZnFDOutDocuments::RegisterPath(), 9, 100001)));
}

TEST_F(FDOutDocuments, TheNoticeNumberIsTheHighestIndexOnes)
{
    EXPECT_EQ(u8"届4", fdtest::Utf8(ZnFDOutDocuments::NewestReception(ZnFDOutDocuments::RegisterPath(), 7, 100801)));
    EXPECT_EQ("", fdtest::Utf8(ZnFDOutDocuments::NewestReception(ZnFDOutDocuments::RegisterPath(), 8, 100801)));
}

TEST_F(FDOutDocuments, AMissingOrDamagedRegisterRaisesTheDatabaseError)
{
    CString missing = m_shell.objFolder + "\\none\\APP_BUKKEN.mdb";
    EXPECT_NE(0, testsupport::DaoErrorOf([&] { ZnFDOutDocuments::List(missing, 7, 100001); }));
    testsupport::WriteFileBytes(m_folder.Path("bad.mdb"), "not a database at all");
    CString damaged = m_shell.objFolder + "\\bad.mdb";
    EXPECT_NE(0, testsupport::DaoErrorOf([&] { ZnFDOutDocuments::NewestReception(damaged, 7, 100801); }));
}

TEST(FDOutWording, TheApplicationModeSaysShinseiAndAnyOtherTsuuchi)
{
    auto choices = [](int mode) {
        std::string text;
        for (const CString& choice : ZnFDOutWording::FormatChoices(mode))
            text += fdtest::Utf8(choice) + "|";
        return text;
    };
    EXPECT_EQ(u8"今回申請|修正申請|", choices(32786));
    EXPECT_EQ(u8"今回通知|修正通知|", choices(32787));
    EXPECT_EQ(u8"申請書データ", fdtest::Utf8(ZnFDOutWording::DocumentColumnTitle(32786)));
    EXPECT_EQ(u8"通知書データ", fdtest::Utf8(ZnFDOutWording::DocumentColumnTitle(32787)));
    EXPECT_EQ(u8"申請書を選択してください。", fdtest::Utf8(ZnFDOutWording::SelectMessage(32786)));
    EXPECT_EQ(u8"通知書を選択してください。", fdtest::Utf8(ZnFDOutWording::SelectMessage(32787)));
    EXPECT_EQ(u8"確認申請", fdtest::Utf8(ZnFDOutWording::Stem(32786)));
    EXPECT_EQ(u8"計画通知", fdtest::Utf8(ZnFDOutWording::Stem(32787)));
    EXPECT_EQ(u8"計画通知", fdtest::Utf8(ZnFDOutWording::Stem(0)));
    EXPECT_EQ(0, ZnFDOutWording::FormatFor(""));
    EXPECT_EQ(1, ZnFDOutWording::FormatFor("受5"));
}
