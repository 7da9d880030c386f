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

    CComboBox combo;
    ZnAppTodoufukenQTblDAO prefectures;
    prefectures.FillCombo(&combo);
    Texts names;
    for (int i = 1; i < combo.GetCount(); ++i) {
        CString text;
        combo.GetLBText(i, text);
        names.push_back(Utf8(text));
        EXPECT_EQ(static_cast<DWORD_PTR>(i), combo.GetItemData(i)) << names.back();
    }
    ASSERT_EQ(47u, names.size());
    EXPECT_EQ(u8"北海道", names[0]);
    EXPECT_EQ(u8"東京都", names[12]);
    EXPECT_EQ(u8"京都府", names[25]);
    EXPECT_EQ(u8"沖縄県", names[46]);

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
