// The application's code-table access over the sample COM_CODE.mdb, as a SQLite file and as an
// Access file: codes to names and back for the tables that the writers use, the prepared orders,
// the name corrections at start-up, the combo boxes and the life of the recordsets.
#include "tests/storage/ComCodeFixture.h"
#include "tests/support/RunLogCheck.h"

#include "tests/support/TabbedCases.h"
#include "storage/ZnAppComTblAccess.h"

#include <algorithm>
#include <cstdio>
#include <map>

using Access = ZnAppComTblAccess;

namespace {

std::string Name(ZnRsetComCodeTbl* recordset, LPCTSTR code) { return Field(Access::GetNameByCode(recordset, code)); }

// The codes of a slot's rows in its order, joined by blanks.
std::string Codes(ZnRsetComCodeTbl* recordset)
{
    std::string codes;
    for (recordset->MoveFirst(); !recordset->IsEOF(); recordset->MoveNext())
        codes += (codes.empty() ? "" : " ") + recordset->m_Code.Bytes();
    return codes;
}

#define SLOT(name) {#name, Access::slot##name}
const std::map<std::string, int> kSlots = {
    SLOT(KenchikushiTourokuShubetsu), SLOT(JimushoTourokuShubetsu),       SLOT(KensetsugyouKyoka),
    SLOT(KenchikushiShikaku),         SLOT(JimushoShikaku),               SLOT(YoutoChiiki),
    SLOT(TatemonoYouto),              SLOT(ShoukoukiShubetsu),            SLOT(ShoukoukiYouto),
    SLOT(KouzouShubetsu),             SLOT(TaikaShubetsu),                SLOT(Gengou),
    SLOT(GyoushuKoujitodoke),         SLOT(ToshikeikakuKuikiKoujitodoke), SLOT(TatemonoYoutoKoujitodoke),
    SLOT(ShuyouyoutoKubunKoujitodoke), SLOT(ShuyouyoutoKubunKoujitodokeBelow6),
    SLOT(ShuyouyoutoKubunKoujitodokeFrom11)};
#undef SLOT

} // namespace

class ComCodeAccess : public ComCodeSuite {
protected:
    ZnRsetComCodeTbl* Slot(int slot) const { return m_access.m_pRset[slot]; }

    Access m_access;
};

// Every slot opens and gives, byte for byte, the names, codes and orders of storage/code_names.txt.
TEST_P(ComCodeAccess, SlotsGiveTheNamesCodesAndOrdersOfTheFile)
{
    m_access.Init();
    for (int slot = 0; slot < Access::slotCount; ++slot)
        EXPECT_NE(nullptr, Slot(slot)) << slot;
    for (const std::vector<CString>& check : testsupport::ReadTabbedCases("storage/code_names.txt")) {
        SCOPED_TRACE(check[0].Bytes() + " " + check[1].Bytes() + " " + Field(check[2]));
        ZnRsetComCodeTbl* set = Slot(kSlots.at(check[1].Bytes()));
        const std::string what = check[0].Bytes();
        EXPECT_EQ(check[3], what == "name"    ? Access::GetNameByCode(set, check[2])
                            : what == "short" ? Access::GetShortNameByCode(set, check[2])
                            : what == "code"  ? Access::GetCodeByName(set, check[2])
                                              : CString(Codes(set).c_str()));
    }
    EXPECT_EQ("Hyoujijun ASC", Slot(Access::slotYoutoChiiki)->m_strSort);
    EXPECT_EQ("HyoujiFlgApp = True", Slot(Access::slotYoutoChiiki)->m_strFilter);

    // An unknown code leaves the recordset at its end; a fill starts from the first row again.
    ZnRsetComCodeTbl* lifts = Slot(Access::slotShoukoukiShubetsu);
    EXPECT_EQ("", Name(lifts, "01199"));
    EXPECT_TRUE(lifts->IsEOF());
    CComboBox combo;
    combo.AddString("stale");
    Access::FillCombo(lifts, &combo);
    EXPECT_EQ(u8"|エレベーター|エスカレーター|小荷物専用昇降機", ComboTexts(combo));
}

// The two housing-finance names are corrected at Init where the file can be changed. An Access
// file refuses with 3027: start-up goes on with the names as the file holds them, and the refusal
// is one line of the run log.
TEST_P(ComCodeAccess, HousingFinanceNamesAreCorrectedWhereTheFileAllows)
{
    m_access.Init();
    ZnRsetComCodeTbl* finance = Slot(Access::slotJuutakuShikinKoujitodoke);
    ASSERT_NE(nullptr, finance);
    EXPECT_EQ(u8"民間資金", Name(finance, "07001"));
    if (GetParam().writable) {
        EXPECT_EQ(u8"独立行政法人住宅金融支援機構", Name(finance, "07003"));
        EXPECT_EQ(u8"独立行政法人住宅金融支援機構", Field(finance->m_TanshukuMeishou));
        EXPECT_EQ(u8"独立行政法人都市再生機構", Name(finance, "07004"));
        EXPECT_EQ(u8"独立行政法人都市再生機構", Field(finance->m_TanshukuMeishou));
        EXPECT_EQ("", RunLog());
    } else {
        EXPECT_EQ(u8"住宅金融公庫", Name(finance, "07003"));
        EXPECT_EQ(u8"都市基盤整備公団", Name(finance, "07004"));
        testsupport::ExpectLogLines(RunLog(), {" [WARN ] ZnAppComTblAccess#Init() - "
                                               "コードテーブル【JuutakuShikinKoujitodokeTbl】の名称を更新できませんでし"
                                               "た（3027：データベースまたはオブジェクトが読み取り専用なので、更新でき"
                                               "ません。）。"});
        for (int slot = 0; slot < Access::slotCount; ++slot)
            EXPECT_NE(nullptr, Slot(slot)) << slot;
    }

    // A second start finds the same names (and, for the Access file, logs once more).
    m_access.Init();
    finance = Slot(Access::slotJuutakuShikinKoujitodoke);
    EXPECT_EQ(GetParam().writable ? u8"独立行政法人都市再生機構" : u8"都市基盤整備公団", Name(finance, "07004"));
    std::string log = RunLog();
    EXPECT_EQ(GetParam().writable ? 0 : 2, std::count(log.begin(), log.end(), '\n'));
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

INSTANTIATE_TEST_SUITE_P(Variants, ComCodeAccess, ::testing::ValuesIn(AppDatabaseVariants()),
                         [](const auto& info) { return info.param.name; });
