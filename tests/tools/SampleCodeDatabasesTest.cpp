// The sample COM_CHIIKI.mdb read through the program's recordsets: the regions and the 47
// prefectures in their number order. (The sample COM_CODE.mdb is read in the storage tests.)
#include "tests/support/TempFolder.h"
#include "tests/support/TestShellState.h"
#include "tests/support/TestSupport.h"

#include "platform/core/Cp932.h"
#include "platform/files/WinPath.h"
#include "platform/wnd/CComboBox.h"
#include "storage/ZnAppChiikiShiteiQ2TblDAO.h"
#include "storage/ZnAppTodoufukenQTblDAO.h"
#include "tools/sampledata/SampleCodeDatabases.h"

#include <string>
#include <vector>

using Texts = std::vector<std::string>;

namespace {

std::string Utf8(const CString& text) { return cp932::ToUtf8(text.Bytes()); }

} // namespace

TEST(SampleCodeDatabases, RegionsAndThePrefecturesInTheirOrder)
{
    testsupport::TempFolder folder;
    testsupport::TestShellState shell;
    shell.appFolder = CString(LinuxPathToWin(folder.Path()));
    MakeSampleComChiiki(folder.Path("COM_CHIIKI.mdb"));

    // The combo box of the prefectures: an empty item, then the 47 in their number order, each
    // with its number.
    CComboBox combo;
    ZnAppTodoufukenQTblDAO prefectures;
    prefectures.FillCombo(&combo);
    std::string names;
    for (int i = 1; i < combo.GetCount(); ++i) {
        CString text;
        combo.GetLBText(i, text);
        names += Utf8(text) + " ";
        EXPECT_EQ(static_cast<DWORD_PTR>(i), combo.GetItemData(i)) << Utf8(text);
    }
    EXPECT_EQ(u8"北海道 青森県 岩手県 宮城県 秋田県 山形県 福島県 茨城県 栃木県 群馬県 埼玉県 千葉県 東京都 神奈川県 "
              u8"新潟県 富山県 石川県 福井県 山梨県 長野県 岐阜県 静岡県 愛知県 三重県 滋賀県 京都府 大阪府 兵庫県 "
              u8"奈良県 和歌山県 鳥取県 島根県 岡山県 広島県 山口県 徳島県 香川県 愛媛県 高知県 福岡県 佐賀県 長崎県 "
              u8"熊本県 大分県 宮崎県 鹿児島県 沖縄県 ",
              names);

    ZnAppChiikiShiteiQ2TblDAO regions;
    Texts rows;
    regions.Open(dbOpenDynaset, nullptr, 0);
    for (; !regions.IsEOF(); regions.MoveNext())
        rows.push_back(std::to_string(regions.m_ChiikiBangou) + Utf8(regions.m_ChiikiMei) +
                       (regions.m_ShokiSentakuFlg ? "*" : ""));
    regions.Close();
    EXPECT_EQ((Texts{u8"1北海道", u8"2東北", u8"3関東*", u8"4中部", u8"5近畿", u8"6中国", u8"7四国", u8"8九州・沖縄"}),
              rows);
}
