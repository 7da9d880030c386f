// The application's code-table access over the sample COM_CODE.mdb, as a SQLite file and as an
// Access file: codes to names and back for the tables that the writers use, the prepared orders,
// the name corrections at start-up, the combo boxes and the life of the recordsets.
#include "tests/storage/ComCodeFixture.h"
#include "tests/support/RunLogCheck.h"

#include "platform/core/Cp932.h"
#include "storage/ZnAppComTblAccess.h"

#include <algorithm>
#include <cstdio>
#include <sys/stat.h>

using Texts = std::vector<std::string>;
using Access = ZnAppComTblAccess;

namespace {

std::string Utf8(const CString& text) { return cp932::ToUtf8(text.Bytes()); }

std::string Name(ZnRsetComCodeTbl* recordset, LPCTSTR code) { return Utf8(Access::GetNameByCode(recordset, code)); }

// The codes of a slot's rows in its order, joined by blanks.
std::string Codes(ZnRsetComCodeTbl* recordset)
{
    std::string codes;
    for (recordset->MoveFirst(); !recordset->IsEOF(); recordset->MoveNext())
        codes += (codes.empty() ? "" : " ") + recordset->m_Code.Bytes();
    return codes;
}

} // namespace

class ComCodeAccess : public ComCodeSuite {
protected:
    ZnRsetComCodeTbl* Slot(int slot) const { return m_access.m_pRset[slot]; }

    Access m_access;
};

// Every slot opens; the writers' tables turn codes into formal and short names and names back
// into codes, byte for byte; a code without a row gives an empty name.
TEST_P(ComCodeAccess, CodesTurnIntoNamesAndBack)
{
    m_access.Init();
    for (int slot = 0; slot < Access::slotCount; ++slot)
        EXPECT_NE(nullptr, Slot(slot)) << slot;

    EXPECT_EQ(u8"東京都知事", Name(Slot(Access::slotKenchikushiTourokuShubetsu), "00213"));
    EXPECT_EQ(u8"埼玉県知事", Name(Slot(Access::slotJimushoTourokuShubetsu), "00411"));
    EXPECT_EQ(u8"国土交通大臣許可", Name(Slot(Access::slotKensetsugyouKyoka), "00500"));
    EXPECT_EQ(u8"二級建築士", Name(Slot(Access::slotKenchikushiShikaku), "00102"));
    EXPECT_EQ(u8"一級建築士事務所", Name(Slot(Access::slotJimushoShikaku), "00301"));
    EXPECT_EQ(u8"第二種低層住居専用", Name(Slot(Access::slotYoutoChiiki), "00902"));
    EXPECT_EQ(u8"エスカレーター", Name(Slot(Access::slotShoukoukiShubetsu), "01102"));
    EXPECT_EQ(u8"寝台用", Name(Slot(Access::slotShoukoukiYouto), "01203"));
    EXPECT_EQ(u8"鉄筋コンクリート造", Name(Slot(Access::slotKouzouShubetsu), "02405"));
    EXPECT_EQ(u8"準耐火建築物(ロ－１)", Name(Slot(Access::slotTaikaShubetsu), "02503"));
    EXPECT_EQ(u8"平成", Name(Slot(Access::slotGengou), "02"));
    EXPECT_EQ(u8"居住産業併用建築物", Name(Slot(Access::slotShuyouyoutoKubunKoujitodoke), "01812"));
    EXPECT_EQ(u8"事務所", Name(Slot(Access::slotTatemonoYoutoKoujitodoke), "05702"));
    EXPECT_EQ(u8"ＲＣ造", Utf8(Access::GetShortNameByCode(Slot(Access::slotKouzouShubetsu), "02405")));
    EXPECT_EQ(u8"居住産業併用",
              Utf8(Access::GetShortNameByCode(Slot(Access::slotShuyouyoutoKubunKoujitodoke), "01812")));

    EXPECT_EQ("00213", Access::GetCodeByName(Slot(Access::slotKenchikushiTourokuShubetsu), "東京都知事"));
    EXPECT_EQ("00103", Access::GetCodeByName(Slot(Access::slotKenchikushiShikaku), "木造建築士"));
    EXPECT_EQ("00909", Access::GetCodeByName(Slot(Access::slotYoutoChiiki), "商業地域"));
    EXPECT_EQ("02501", Access::GetCodeByName(Slot(Access::slotTaikaShubetsu), "耐火建築物"));
    EXPECT_EQ("", Access::GetCodeByName(Slot(Access::slotKenchikushiTourokuShubetsu), "東京都知事 "));

    // Rows that a slot's preparation leaves out have no name there.
    EXPECT_EQ("", Name(Slot(Access::slotYoutoChiiki), "00990"));
    EXPECT_EQ("", Name(Slot(Access::slotShuyouyoutoKubunKoujitodokeBelow6), "01811"));
    EXPECT_EQ(u8"居住専用建築物", Name(Slot(Access::slotShuyouyoutoKubunKoujitodokeFrom11), "01811"));

    // An unknown code leaves the recordset at its end; a fill starts from the first row again.
    ZnRsetComCodeTbl* lifts = Slot(Access::slotShoukoukiShubetsu);
    EXPECT_EQ("", Name(lifts, "01199"));
    EXPECT_EQ("", Name(lifts, ""));
    EXPECT_TRUE(lifts->IsEOF());
    CComboBox combo;
    combo.AddString("stale");
    Access::FillCombo(lifts, &combo);
    EXPECT_EQ(u8"|エレベーター|エスカレーター|小荷物専用昇降機", ComboTexts(combo));
}

// The prepared slots hold the application's rows or their filter's rows in display order; the
// others hold all rows as the file keeps them.
TEST_P(ComCodeAccess, PreparedSlotsGiveTheirOrder)
{
    m_access.Init();
    EXPECT_EQ("00901 00902 00903 00904 00905 00906 00907 00908 00909 00910 00911 00912 00999",
              Codes(Slot(Access::slotYoutoChiiki)));
    EXPECT_EQ("08010 08020 08030 08040 08060 08070 08080 08130 08260 08440 08530 08540",
              Codes(Slot(Access::slotTatemonoYouto)));
    EXPECT_EQ("02401 02402 02403 02404 02405 02406 02407 02499", Codes(Slot(Access::slotKouzouShubetsu)));
    EXPECT_EQ("04201 04202 04203 04204 04205 04299", Codes(Slot(Access::slotGyoushuKoujitodoke)));
    EXPECT_EQ("04301 04302 04303 04304 04305", Codes(Slot(Access::slotToshikeikakuKuikiKoujitodoke)));
    EXPECT_EQ("01812 01823 01821 01825 01811 01822 01824 01813", Codes(Slot(Access::slotShuyouyoutoKubunKoujitodoke)));
    EXPECT_EQ("01821 01822 01823 01824 01825", Codes(Slot(Access::slotShuyouyoutoKubunKoujitodokeBelow6)));
    EXPECT_EQ("01811 01812 01813", Codes(Slot(Access::slotShuyouyoutoKubunKoujitodokeFrom11)));
    EXPECT_EQ("Hyoujijun ASC", Slot(Access::slotYoutoChiiki)->m_strSort);
    EXPECT_EQ("HyoujiFlgApp = True", Slot(Access::slotYoutoChiiki)->m_strFilter);
}

// The two housing-finance names are corrected at Init, in the file where it allows. An Access
// file refuses with 3027: the names are corrected in what the code tables read of it, the file
// stays byte for byte as it was, and the refusal is one line of the run log.
TEST_P(ComCodeAccess, HousingFinanceNamesAreCorrectedWhateverTheFileAllows)
{
    std::string file = m_folder.Path("app/COM_CODE.mdb");
    std::string before = testsupport::ReadFileBytes(file);
    for (int start = 1; start <= 2; ++start) {
        m_access.Init();
        ZnRsetComCodeTbl* finance = Slot(Access::slotJuutakuShikinKoujitodoke);
        ASSERT_NE(nullptr, finance);
        EXPECT_EQ(u8"民間資金", Name(finance, "07001"));
        EXPECT_EQ(u8"独立行政法人住宅金融支援機構", Name(finance, "07003"));
        EXPECT_EQ(u8"独立行政法人住宅金融支援機構", Utf8(finance->m_TanshukuMeishou));
        EXPECT_EQ(u8"独立行政法人都市再生機構", Name(finance, "07004"));
        EXPECT_EQ(u8"独立行政法人都市再生機構", Utf8(finance->m_TanshukuMeishou));
        CComboBox combo;
        Access::FillCombo(finance, &combo);
        EXPECT_NE(std::string::npos,
                  ComboTexts(combo).find(u8"|独立行政法人住宅金融支援機構|独立行政法人都市再生機構"));
        for (int slot = 0; slot < Access::slotCount; ++slot)
            EXPECT_NE(nullptr, Slot(slot)) << slot;
        if (GetParam().writable) {
            EXPECT_EQ("", RunLog());
            continue;
        }
        EXPECT_EQ(before, testsupport::ReadFileBytes(file));
        // Each start logs the refusal once.
        std::string line = " [WARN ] ZnAppComTblAccess#Init() - "
                           "コードテーブル【JuutakuShikinKoujitodokeTbl】の名称を更新できませんでした（3027：データベ"
                           "ースまたはオブジェクトが読み取り専用なので、更新できません。）。読み込んだ名称を訂正して使"
                           "います。";
        testsupport::ExpectLogLines(RunLog(), std::vector<std::string>(start, line));
    }
}

// Code rows as a user leaves them after editing in Access: a row renamed past its page's room
// lists once, in its place, with its new name, and takes the start-up corrections there; deleted
// rows never show, not even one renamed first.
TEST_P(ComCodeAccess, ListsCodeRowsAfterRenamesAndDeletes)
{
    mkdir(m_folder.Path("edited").c_str(), 0777);
    GetParam().make(m_folder.Path("edited/COM_CODE.mdb"),
                    {{"ShoukoukiShubetsuTbl", 0, "SeishikiMeishou", u8"エレベーター（乗用・人荷共用）"},
                     {"JuutakuShikinKoujitodokeTbl", 1, "SeishikiMeishou", u8"公営（地方公共団体の融資）"},
                     {"JuutakuShikinKoujitodokeTbl", 2, "Bikou", u8"平成19年に独立行政法人となった"},
                     {"JuutakuShikinKoujitodokeTbl", 3, "Bikou", u8"平成16年に独立行政法人となった"},
                     {"JuutakuShikinKoujitodokeTbl", 3, "", ""},
                     {"JuutakuShikinKoujitodokeTbl", 4, "", ""}});
    m_shell.appFolder = CString(LinuxPathToWin(m_folder.Path("edited")));
    m_access.Init();
    CComboBox combo;
    Access::FillCombo(Slot(Access::slotShoukoukiShubetsu), &combo);
    EXPECT_EQ(u8"|エレベーター（乗用・人荷共用）|エスカレーター|小荷物専用昇降機", ComboTexts(combo));
    Access::FillCombo(Slot(Access::slotJuutakuShikinKoujitodoke), &combo);
    EXPECT_EQ(u8"|民間資金|公営（地方公共団体の融資）|独立行政法人住宅金融支援機構", ComboTexts(combo));
    EXPECT_EQ("", Name(Slot(Access::slotJuutakuShikinKoujitodoke), "07004"));
}

// FillComboByChiiki always starts the box afresh with its empty item, lists the region's rows
// (with those for all regions, except in the office slot) and then the others, each in display
// order, and leaves the three slots with all their rows in display order.
TEST_P(ComCodeAccess, FillComboByChiikiListsTheRegionFirst)
{
    m_access.Init();
    CComboBox combo;
    combo.AddString("stale");
    m_shell.chiikiBangou = 3;
    m_access.FillComboByChiiki(Slot(Access::slotKenchikushiTourokuShubetsu), &combo);
    EXPECT_EQ(u8"|国土交通大臣|埼玉県知事|東京都知事|神奈川県知事|北海道知事|京都府知事|大阪府知事|福岡県知事",
              ComboTexts(combo));
    m_access.FillComboByChiiki(Slot(Access::slotJimushoTourokuShubetsu), &combo);
    EXPECT_EQ(u8"|埼玉県知事|東京都知事|神奈川県知事|北海道知事|大阪府知事|その他", ComboTexts(combo));

    // A region without rows of its own: the box is still emptied and starts with the empty item.
    m_shell.chiikiBangou = 6;
    m_access.FillComboByChiiki(Slot(Access::slotJimushoTourokuShubetsu), &combo);
    EXPECT_EQ(u8"|北海道知事|埼玉県知事|東京都知事|神奈川県知事|大阪府知事|その他", ComboTexts(combo));

    m_shell.chiikiBangou = 5;
    m_access.FillComboByChiiki(Slot(Access::slotKensetsugyouKyoka), &combo);
    EXPECT_EQ(u8"|国土交通大臣許可|大阪府知事許可|埼玉県知事許可|東京都知事許可|福岡県知事許可", ComboTexts(combo));

    for (int slot :
         {Access::slotKenchikushiTourokuShubetsu, Access::slotJimushoTourokuShubetsu, Access::slotKensetsugyouKyoka}) {
        EXPECT_EQ("", Slot(slot)->m_strFilter);
        EXPECT_EQ("Hyoujijun ASC", Slot(slot)->m_strSort);
    }
    EXPECT_EQ("00200 00201 00211 00213 00214 00226 00227 00240", Codes(Slot(Access::slotKenchikushiTourokuShubetsu)));

    // The region filters alone.
    m_access.SetRegionExcludeFilter(3);
    EXPECT_EQ("[Bangou]<>3 and [Bangou]<>9999", Slot(Access::slotKenchikushiTourokuShubetsu)->m_strFilter);
    EXPECT_EQ("[Bangou]<>3", Slot(Access::slotJimushoTourokuShubetsu)->m_strFilter);
    EXPECT_EQ("00201 00226 00227 00240", Codes(Slot(Access::slotKenchikushiTourokuShubetsu)));
    m_access.SetRegionFilter(8);
    EXPECT_EQ("[Bangou]=8 or [Bangou]=9999", Slot(Access::slotKensetsugyouKyoka)->m_strFilter);
    EXPECT_EQ("00500 00540", Codes(Slot(Access::slotKensetsugyouKyoka)));
}

// Close frees every slot and the database once; a missing table file leaves every slot empty,
// and the operations on an empty slot change nothing. A folder name ending in a character whose
// second byte is 0x5C still gets its backslash.
TEST_P(ComCodeAccess, ClosesOnceAndCopesWithoutTables)
{
    m_access.Init();
    m_access.Close();
    for (int slot = 0; slot < Access::slotCount; ++slot)
        EXPECT_EQ(nullptr, Slot(slot));
    m_access.Close();

    std::string log = RunLog();
    m_shell.appFolder = CString(LinuxPathToWin(m_folder.Path("missing")));
    m_access.Init();
    for (int slot = 0; slot < Access::slotCount; ++slot)
        EXPECT_EQ(nullptr, Slot(slot));
    CComboBox combo;
    combo.AddString("kept");
    Access::FillCombo(nullptr, &combo);
    m_access.FillComboByChiiki(nullptr, &combo);
    EXPECT_EQ("kept", ComboTexts(combo));
    EXPECT_EQ("", Access::GetNameByCode(nullptr, "00213"));
    EXPECT_EQ("", Access::GetShortNameByCode(nullptr, "00213"));
    EXPECT_EQ("", Access::GetCodeByName(nullptr, "東京都知事"));
    m_access.SetRegionFilter(3);
    EXPECT_EQ(log, RunLog()); // no table, no correction to log

    ASSERT_EQ(0, std::rename(m_folder.Path("app").c_str(), m_folder.Path(u8"コード表").c_str()));
    m_shell.appFolder = CString(LinuxPathToWin(m_folder.Path(u8"コード表")));
    ASSERT_EQ('\\', m_shell.appFolder.Bytes().back());
    m_access.Init();
    EXPECT_EQ(u8"昭和", Name(Slot(Access::slotGengou), "01"));
}

INSTANTIATE_TEST_SUITE_P(Variants, ComCodeAccess, ::testing::ValuesIn(ComCodeVariants()),
                         [](const auto& info) { return info.param.name; });
