// Every recordset class over a populated database: each row of its default SQL, in its order,
// with each column in its own member.
#include "tests/storage/AppDatabaseFixture.h"

#include "storage/ZnAppBukkenKanriTblDAO.h"
#include "storage/ZnAppBukkenShousaiTblDAO.h"
#include "storage/ZnAppCheckoutTblDAO.h"
#include "storage/ZnAppChiikiShiteiQ2TblDAO.h"
#include "storage/ZnAppChiikiShiteiTblDAO.h"
#include "storage/ZnAppChimeiChibanTblDAO.h"
#include "storage/ZnAppGaihekiTblDAO.h"
#include "storage/ZnAppKenchikunushiTblDAO.h"
#include "storage/ZnAppSekkeishaTblDAO.h"
#include "storage/ZnAppSekoushaTblDAO.h"
#include "storage/ZnAppSetsubishaTblDAO.h"
#include "storage/ZnAppShinseishaTblDAO.h"
#include "storage/ZnAppTanbunTblDAO.h"
#include "storage/ZnAppTodoufukenQTblDAO.h"
#include "storage/ZnAppTokuteiKouteiTblDAO.h"
#include "storage/ZnAppYaneTblDAO.h"

using Rows = std::vector<std::string>;

namespace {

template <typename Set, typename Describe> Rows DefaultRows(Describe describe)
{
    Set set;
    return ReadRows(set, describe);
}

// The three tables of Hyoujijun, ShokisentakuFlg, KoumokuMei and Bikou.
template <typename Set> Rows ItemRows()
{
    return DefaultRows<Set>([](Set& s) { return Line(s.m_Hyoujijun, s.m_ShokisentakuFlg, s.m_KoumokuMei, s.m_Bikou); });
}

// Each class's rows as it describes them, every member in the order of its table's columns.
std::map<std::string, Rows> RowsOfEveryClass()
{
    return {
        {"ZnAppBukkenKanriTblDAO", DefaultRows<ZnAppBukkenKanriTblDAO>([](ZnAppBukkenKanriTblDAO& s) {
             return Line(s.m_BukkenIndex, s.m_Bukkenmei, s.m_Koushinbi, s.m_ChikiShiteiCode, s.m_ShinseiKubun,
                         s.m_HozonDirectory, s.m_Bikou);
         })},
        {"ZnAppBukkenShousaiTblDAO", DefaultRows<ZnAppBukkenShousaiTblDAO>([](ZnAppBukkenShousaiTblDAO& s) {
             return Line(s.m_BukkenShousaiIndex, s.m_BukkenIndex, s.m_ShinseiShoruiName, s.m_ShinseiShubetuCode,
                         s.m_HeiganCode, s.m_ShinseiKaisuu, s.m_Koushinbi, s.m_UketukeBangou, s.m_ZadazezBangou,
                         s.m_GoukakuBangou, s.m_FileName, s.m_Bikou);
         })},
        {"ZnAppCheckoutTblDAO", DefaultRows<ZnAppCheckoutTblDAO>([](ZnAppCheckoutTblDAO& s) {
             return Line(s.m_BukkenKeyCode, s.m_BukkenKeyName, s.m_CheckoutSubsystem, s.m_ShiyoushaID,
                         s.m_ShiyoushaCode, s.m_ShiyoushaName, s.m_ShiyoushaFirstName, s.m_ShiyoushaTanmatsu,
                         s.m_Bikou);
         })},
        {"ZnAppChiikiShiteiQ2TblDAO", DefaultRows<ZnAppChiikiShiteiQ2TblDAO>([](ZnAppChiikiShiteiQ2TblDAO& s) {
             return Line(s.m_ShokiSentakuFlg, s.m_ChiikiMei, s.m_ChiikiBangou);
         })},
        {"ZnAppChiikiShiteiTblDAO", DefaultRows<ZnAppChiikiShiteiTblDAO>([](ZnAppChiikiShiteiTblDAO& s) {
             return Line(s.m_ChiikiBangou, s.m_ChiikiRenban, s.m_ChiikiMei, s.m_TodoufukenBangou, s.m_Todoufuken,
                         s.m_ShokiSentakuFlg, s.m_Bikou);
         })},
        {"ZnAppTodoufukenQTblDAO", DefaultRows<ZnAppTodoufukenQTblDAO>([](ZnAppTodoufukenQTblDAO& s) {
             return Line(s.m_Todoufuken, s.m_TodoufukenBangou, s.m_ShokiSentakuFlg, s.m_ChiikiBangou, s.m_ChiikiRenban);
         })},
        {"ZnAppKenchikunushiTblDAO", DefaultRows<ZnAppKenchikunushiTblDAO>([](ZnAppKenchikunushiTblDAO& s) {
             return Line(s.m_Houjijun, s.m_ShokisentakuFlg, s.m_Furigana, s.m_Shimei, s.m_YuubinBangou1,
                         s.m_YuubinBangou2, s.m_TodoufukenmeiBangou, s.m_Juusho, s.m_DenwaBangou1, s.m_DenwaBangou2,
                         s.m_DenwaBangou3, s.m_Bikou);
         })},
        {"ZnAppShinseishaTblDAO", DefaultRows<ZnAppShinseishaTblDAO>([](ZnAppShinseishaTblDAO& s) {
             return Line(s.m_Hyoujijun, s.m_ShokisentakuFlg, s.m_Furigana, s.m_Shimei, s.m_Bikou);
         })},
        {"ZnAppSekkeishaTblDAO", DefaultRows<ZnAppSekkeishaTblDAO>([](ZnAppSekkeishaTblDAO& s) {
             return Line(s.m_Hyoujijun, s.m_ShokisentakuFlg, s.m_KenchikushiShikaku, s.m_SekkeishaTourokuShubetsu,
                         s.m_KenchikushiTourokuBangou, s.m_Shimei, s.m_JimushoShikaku, s.m_JimushoTourokuShubetsu,
                         s.m_JImushoTourokuBangou, s.m_Meishou, s.m_YuubinBangou1, s.m_YuubinBangou2,
                         s.m_TodoufukenmeiBangou, s.m_Shozaoti, s.m_DenwaBangou1, s.m_DenwaBangou2, s.m_DenwaBangou3,
                         s.m_Bikou);
         })},
        {"ZnAppSekoushaTblDAO", DefaultRows<ZnAppSekoushaTblDAO>([](ZnAppSekoushaTblDAO& s) {
             return Line(s.m_Hyoujijun, s.m_ShokisentakuFlg, s.m_Shimei, s.m_KensetsugyouKyokaShubetsu,
                         s.m_TourokuBangou, s.m_Meishou, s.m_YuubinBangou1, s.m_YuubinBangou2, s.m_TodoufukenmeiBangou,
                         s.m_Shozaiti, s.m_DenwaBangou1, s.m_DenwaBangou2, s.m_DenwaBangou3, s.m_Bikou);
         })},
        {"ZnAppSetsubishaTblDAO", DefaultRows<ZnAppSetsubishaTblDAO>([](ZnAppSetsubishaTblDAO& s) {
             return Line(s.m_Hyoujijun, s.m_ShokisentakuFlg, s.m_Shimei, s.m_TourokuBangou, s.m_Kinmusaki,
                         s.m_YuubinBangou1, s.m_YuubinBangou2, s.m_TodoufukenmeiBangou, s.m_Shozaiti, s.m_DenwaBangou1,
                         s.m_DenwaBangou2, s.m_DenwaBangou3, s.m_Bikou);
         })},
        {"ZnAppChimeiChibanTblDAO", DefaultRows<ZnAppChimeiChibanTblDAO>([](ZnAppChimeiChibanTblDAO& s) {
             return Line(s.m_Hyoujijun, s.m_ShokisentakuFlg, s.m_YuubinBangou1, s.m_YuubinBangou2,
                         s.m_TodoufukenmeiBangou, s.m_Juusho, s.m_ChimeiChibanCode, s.m_Bikou);
         })},
        {"ZnAppGaihekiTblDAO", ItemRows<ZnAppGaihekiTblDAO>()},
        {"ZnAppTokuteiKouteiTblDAO", ItemRows<ZnAppTokuteiKouteiTblDAO>()},
        {"ZnAppYaneTblDAO", ItemRows<ZnAppYaneTblDAO>()},
        {"ZnAppTanbunTblDAO", DefaultRows<ZnAppTanbunTblDAO>([](ZnAppTanbunTblDAO& s) { return Line(s.m_Tanbun); })},
    };
}

} // namespace

class RecordsetColumns : public AppDatabaseSuite {};

// Each class reads the file of its own folder (the three folders hold different rows), so a class
// that looked in another folder, or put a column into another member, shows here.
TEST_P(RecordsetColumns, EveryClassReadsItsRowsInItsOrder)
{
    std::map<std::string, Rows> expected;
    std::istringstream lines(testsupport::ReadFileBytes(testsupport::DataPath("storage/recordset_rows.txt")));
    for (std::string line; std::getline(lines, line);)
        if (!line.empty() && line[0] != '#')
            expected[line.substr(0, line.find('\t'))].push_back(line.substr(line.find('\t') + 1));
    std::map<std::string, Rows> read = RowsOfEveryClass();
    EXPECT_EQ(16u, expected.size());
    for (const auto& [name, rows] : read)
        EXPECT_EQ(expected[name], rows) << name;
    EXPECT_EQ(expected.size(), read.size());
}

INSTANTIATE_TEST_SUITE_P(Variants, RecordsetColumns, ::testing::ValuesIn(AppDatabaseVariants()),
                         [](const auto& info) { return info.param.name; });

// A path set instead of the folder's file is used exactly as given; an empty one brings the
// default back.
TEST(RecordsetFiles, APathSetInsteadIsUsedAsGiven)
{
    testsupport::TestShellState shell;
    shell.objFolder = "C:\\Zadazez\\物件";
    ZnAppCheckoutTblDAO checkout;
    checkout.SetDBPath("E:\\別\\register.db");
    EXPECT_EQ("E:\\別\\register.db", checkout.GetDefaultDBName());
    checkout.SetDBPath("");
    EXPECT_EQ("C:\\Zadazez\\物件\\APP_BUKKEN.mdb", checkout.GetDefaultDBName());
}
