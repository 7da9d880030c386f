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

} // namespace

class RecordsetColumns : public AppDatabaseSuite {};

TEST_P(RecordsetColumns, PropertyRegister)
{
    EXPECT_EQ(
        (Rows{u8"1|Plant A|2008-01-31 00:00:00|-1|1||memo",
              u8"2|南町の家|2009-10-10 14:05:30|13|0|C:\\Zadazez\\Obj\\南町の家|", u8"3|O'Hara 表|null|27|2|D:\\表|"}),
        DefaultRows<ZnAppBukkenKanriTblDAO>([](ZnAppBukkenKanriTblDAO& s) {
            return Line(s.m_BukkenIndex, s.m_Bukkenmei, s.m_Koushinbi, s.m_ChikiShiteiCode, s.m_ShinseiKubun,
                        s.m_HozonDirectory, s.m_Bikou);
        }));
    EXPECT_EQ((Rows{u8"3|1|確認申請書（建築物）|100001|0|1|2008-02-01 09:00:00|U-3|Z-3|G-3|Ka001.110|",
                    u8"7|1|計画変更確認申請書（建築物）|100301|2|3|2008-05-20 17:45:00|||G-7|Ka001.111|change",
                    u8"5|1|中間検査申請書（建築物）|100101|1|2|null|U-5|Z-5||Ka001.160|",
                    u8"1|2|確認申請書（昇降機）|100002|0|1|2009-10-10 14:05:30|U-21|Z-21|G-21|Ka001.120|lift"}),
              DefaultRows<ZnAppBukkenShousaiTblDAO>([](ZnAppBukkenShousaiTblDAO& s) {
                  return Line(s.m_BukkenShousaiIndex, s.m_BukkenIndex, s.m_ShinseiShoruiName, s.m_ShinseiShubetuCode,
                              s.m_HeiganCode, s.m_ShinseiKaisuu, s.m_Koushinbi, s.m_UketukeBangou, s.m_ZadazezBangou,
                              s.m_GoukakuBangou, s.m_FileName, s.m_Bikou);
              }));
    EXPECT_EQ((Rows{u8"9|南町の家|1|-5|u-5|Smith|Jo||late", u8"4|Plant A|2|101|u101|山田|太郎|PC-04|"}),
              DefaultRows<ZnAppCheckoutTblDAO>([](ZnAppCheckoutTblDAO& s) {
                  return Line(s.m_BukkenKeyCode, s.m_BukkenKeyName, s.m_CheckoutSubsystem, s.m_ShiyoushaID,
                              s.m_ShiyoushaCode, s.m_ShiyoushaName, s.m_ShiyoushaFirstName, s.m_ShiyoushaTanmatsu,
                              s.m_Bikou);
              }));
}

TEST_P(RecordsetColumns, RegionsAndPrefectures)
{
    EXPECT_EQ((Rows{u8"0|北海道|1", u8"1|関東|3", u8"0|近畿|5"}),
              DefaultRows<ZnAppChiikiShiteiQ2TblDAO>([](ZnAppChiikiShiteiQ2TblDAO& s) {
                  return Line(s.m_ShokiSentakuFlg, s.m_ChiikiMei, s.m_ChiikiBangou);
              }));
    EXPECT_EQ((Rows{u8"3|1|関東|13|東京都|1|", u8"3|2|関東|11|埼玉県|0|", u8"1|1|北海道|1|北海道|0|north",
                    u8"5|1|近畿|27|大阪府|0|", u8"5|2|近畿|26|京都府|0|"}),
              DefaultRows<ZnAppChiikiShiteiTblDAO>([](ZnAppChiikiShiteiTblDAO& s) {
                  return Line(s.m_ChiikiBangou, s.m_ChiikiRenban, s.m_ChiikiMei, s.m_TodoufukenBangou, s.m_Todoufuken,
                              s.m_ShokiSentakuFlg, s.m_Bikou);
              }));
    EXPECT_EQ(
        (Rows{u8"北海道|1|0|1|1", u8"埼玉県|11|0|3|2", u8"東京都|13|1|3|1", u8"京都府|26|0|5|2", u8"大阪府|27|0|5|1"}),
        DefaultRows<ZnAppTodoufukenQTblDAO>([](ZnAppTodoufukenQTblDAO& s) {
            return Line(s.m_Todoufuken, s.m_TodoufukenBangou, s.m_ShokiSentakuFlg, s.m_ChiikiBangou, s.m_ChiikiRenban);
        }));
}

// The registered data lists unselected rows before selected ones (Yes is stored as -1, so it sorts
// below No), each group by its key descending, texts compared without case.
TEST_P(RecordsetColumns, RegisteredPeople)
{
    EXPECT_EQ((Rows{u8"1|0|ﾔﾏﾀﾞ ﾀﾛｳ|山田 太郎|100|0005|13|東京都千代田区丸の内1-1|03|1234|5678|",
                    u8"3|0|ｱﾝﾄﾞｳ|ando|060|0042|1|北海道札幌市中央区|011|222|3333|",
                    u8"2|1|ｵﾊﾗ|O'Hara|530|0001|27|大阪府大阪市北区梅田2-2|06|2345|6789|quote"}),
              DefaultRows<ZnAppKenchikunushiTblDAO>([](ZnAppKenchikunushiTblDAO& s) {
                  return Line(s.m_Houjijun, s.m_ShokisentakuFlg, s.m_Furigana, s.m_Shimei, s.m_YuubinBangou1,
                              s.m_YuubinBangou2, s.m_TodoufukenmeiBangou, s.m_Juusho, s.m_DenwaBangou1,
                              s.m_DenwaBangou2, s.m_DenwaBangou3, s.m_Bikou);
              }));
    EXPECT_EQ((Rows{u8"3|0|ﾍﾞｰｶｰ|baker|", u8"1|0|ｱｵｷ|Aoki|", u8"4|1|ﾋｮｳｻﾂ|表札|sjis", u8"2|1|ｵﾌﾞﾗｲｴﾝ|O'Brien|quote"}),
              DefaultRows<ZnAppShinseishaTblDAO>([](ZnAppShinseishaTblDAO& s) {
                  return Line(s.m_Hyoujijun, s.m_ShokisentakuFlg, s.m_Furigana, s.m_Shimei, s.m_Bikou);
              }));
    EXPECT_EQ((Rows{u8"2|0|102|01|B-2|Carter|202|27|J-9|Carter Design|541|0041|27|大阪府大阪市中央区|06|5555|6666|",
                    u8"1|1|101|02|A-12345|設計 一郎|201|13|J-678|一郎設計室|150|0002|13|東京都渋谷区|03|3333|4444|"
                    u8"first"}),
              DefaultRows<ZnAppSekkeishaTblDAO>([](ZnAppSekkeishaTblDAO& s) {
                  return Line(s.m_Hyoujijun, s.m_ShokisentakuFlg, s.m_KenchikushiShikaku, s.m_SekkeishaTourokuShubetsu,
                              s.m_KenchikushiTourokuBangou, s.m_Shimei, s.m_JimushoShikaku, s.m_JimushoTourokuShubetsu,
                              s.m_JImushoTourokuBangou, s.m_Meishou, s.m_YuubinBangou1, s.m_YuubinBangou2,
                              s.m_TodoufukenmeiBangou, s.m_Shozaoti, s.m_DenwaBangou1, s.m_DenwaBangou2,
                              s.m_DenwaBangou3, s.m_Bikou);
              }));
    EXPECT_EQ((Rows{u8"1|0|施工 次郎|13|(般-20) 第1234号|次郎建設|160|0023|13|東京都新宿区|03|7777|8888|",
                    u8"2|0|Baker Build|00|(特-21) 第5号|Baker KK|460|0008|23|愛知県名古屋市中区|052|111|2222|b"}),
              DefaultRows<ZnAppSekoushaTblDAO>([](ZnAppSekoushaTblDAO& s) {
                  return Line(s.m_Hyoujijun, s.m_ShokisentakuFlg, s.m_Shimei, s.m_KensetsugyouKyokaShubetsu,
                              s.m_TourokuBangou, s.m_Meishou, s.m_YuubinBangou1, s.m_YuubinBangou2,
                              s.m_TodoufukenmeiBangou, s.m_Shozaiti, s.m_DenwaBangou1, s.m_DenwaBangou2,
                              s.m_DenwaBangou3, s.m_Bikou);
              }));
    EXPECT_EQ((Rows{u8"1|1|設備 三郎|設備-001|三郎設備事務所|810|0001|40|福岡県福岡市中央区|092|123|4567|",
                    u8"2|1|D'Arcy||Arcy Eng|980|0811|4|宮城県仙台市青葉区|022|234|5678|x"}),
              DefaultRows<ZnAppSetsubishaTblDAO>([](ZnAppSetsubishaTblDAO& s) {
                  return Line(s.m_Hyoujijun, s.m_ShokisentakuFlg, s.m_Shimei, s.m_TourokuBangou, s.m_Kinmusaki,
                              s.m_YuubinBangou1, s.m_YuubinBangou2, s.m_TodoufukenmeiBangou, s.m_Shozaiti,
                              s.m_DenwaBangou1, s.m_DenwaBangou2, s.m_DenwaBangou3, s.m_Bikou);
              }));
}

TEST_P(RecordsetColumns, RegisteredItemsPlacesAndPhrases)
{
    EXPECT_EQ((Rows{u8"1|0|100|0014|13|永田町1-7-1|C-01|", u8"3|0|060|8588|1|Kita 6 Nishi 6|C-03|",
                    u8"2|1|530|8201|27|中之島1-3-20|C-02|city"}),
              DefaultRows<ZnAppChimeiChibanTblDAO>([](ZnAppChimeiChibanTblDAO& s) {
                  return Line(s.m_Hyoujijun, s.m_ShokisentakuFlg, s.m_YuubinBangou1, s.m_YuubinBangou2,
                              s.m_TodoufukenmeiBangou, s.m_Juusho, s.m_ChimeiChibanCode, s.m_Bikou);
              }));
    EXPECT_EQ((Rows{u8"1|0|モルタル塗り|", u8"3|0|ALC|", u8"2|1|サイディング|default"}),
              ItemRows<ZnAppGaihekiTblDAO>());
    EXPECT_EQ((Rows{u8"2|0|屋根の小屋組の工事|roof", u8"1|1|2階の床及びこれを支持するはりに鉄筋を配置する工事|"}),
              ItemRows<ZnAppTokuteiKouteiTblDAO>());
    EXPECT_EQ((Rows{u8"1|0|瓦葺|", u8"2|0|スレート葺|", u8"3|1|Metal 'G'|quotes"}), ItemRows<ZnAppYaneTblDAO>());
    EXPECT_EQ((Rows{u8"工事は完了しました。", u8"Zz", u8"It's", u8"aa"}),
              DefaultRows<ZnAppTanbunTblDAO>([](ZnAppTanbunTblDAO& s) { return Line(s.m_Tanbun); }));
}

INSTANTIATE_TEST_SUITE_P(Variants, RecordsetColumns, ::testing::ValuesIn(AppDatabaseVariants()),
                         [](const auto& info) { return info.param.name; });

// Each class finds its file in its folder of the shell, or at the path set instead.
TEST(RecordsetFiles, EachClassNamesItsFileInItsFolder)
{
    testsupport::TestShellState shell;
    shell.objFolder = "C:\\Zadazez\\物件";
    shell.comFolder = "D:\\共通";
    shell.appFolder = "C:\\Program Files\\Zadazez";
    const CString bukken = "C:\\Zadazez\\物件\\APP_BUKKEN.mdb";
    const CString userRegist = "D:\\共通\\APP_USER_REGIST.mdb";
    const CString chiiki = "C:\\Program Files\\Zadazez\\COM_CHIIKI.mdb";
    EXPECT_EQ(bukken, ZnAppBukkenKanriTblDAO().GetDefaultDBName());
    EXPECT_EQ(bukken, ZnAppBukkenShousaiTblDAO().GetDefaultDBName());
    EXPECT_EQ(bukken, ZnAppCheckoutTblDAO().GetDefaultDBName());
    EXPECT_EQ(chiiki, ZnAppChiikiShiteiQ2TblDAO().GetDefaultDBName());
    EXPECT_EQ(chiiki, ZnAppChiikiShiteiTblDAO().GetDefaultDBName());
    EXPECT_EQ(chiiki, ZnAppTodoufukenQTblDAO().GetDefaultDBName());
    EXPECT_EQ(userRegist, ZnAppChimeiChibanTblDAO().GetDefaultDBName());
    EXPECT_EQ(userRegist, ZnAppGaihekiTblDAO().GetDefaultDBName());
    EXPECT_EQ(userRegist, ZnAppTokuteiKouteiTblDAO().GetDefaultDBName());
    EXPECT_EQ(userRegist, ZnAppYaneTblDAO().GetDefaultDBName());
    EXPECT_EQ(userRegist, ZnAppKenchikunushiTblDAO().GetDefaultDBName());
    EXPECT_EQ(userRegist, ZnAppSekkeishaTblDAO().GetDefaultDBName());
    EXPECT_EQ(userRegist, ZnAppSekoushaTblDAO().GetDefaultDBName());
    EXPECT_EQ(userRegist, ZnAppSetsubishaTblDAO().GetDefaultDBName());
    EXPECT_EQ(userRegist, ZnAppShinseishaTblDAO().GetDefaultDBName());
    EXPECT_EQ(userRegist, ZnAppTanbunTblDAO().GetDefaultDBName());

    // A path set instead is used exactly as given; an empty one brings the default back.
    ZnAppCheckoutTblDAO checkout;
    checkout.SetDBPath("E:\\別\\register.db");
    EXPECT_EQ("E:\\別\\register.db", checkout.GetDefaultDBName());
    checkout.SetDBPath("");
    EXPECT_EQ(bukken, checkout.GetDefaultDBName());
    ZnAppTanbunTblDAO phrases;
    phrases.SetDBPath("relative.mdb");
    EXPECT_EQ("relative.mdb", phrases.GetDefaultDBName());
}
