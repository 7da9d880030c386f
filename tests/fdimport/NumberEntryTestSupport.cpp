#include "tests/fdimport/NumberEntryTestSupport.h"

#include "model/ZnModelDocKinds.h"

namespace numberentrytest {

const char kRows[] = u8"INSERT INTO AppBukkenKanriTbl VALUES (5, '南町の家', '2004-04-01 00:00:00', 3, 0, 'X', NULL);\n"
                     u8"INSERT INTO AppBukkenShousaiTbl VALUES (1, 5, '確認申請書（建築物）', 100001, 1, 2, "
                     u8"'2004-04-01 10:00:00', 'U1', '', 'G1', 'Ka001.110', NULL);\n"
                     u8"INSERT INTO AppBukkenShousaiTbl VALUES (2, 5, '確認申請書（昇降機）', 100002, 0, 1, "
                     u8"'2004-05-02 00:00:00', '', 'Z2', 'G2', 'Ka002.160', NULL);\n"
                     u8"INSERT INTO AppBukkenShousaiTbl VALUES (3, 5, '計画変更確認申請書（昇降機）', 100302, 0, 1, "
                     u8"'2004-06-03 00:00:00', 'U3', '', '', 'Ka003.420', NULL);\n"
                     u8"INSERT INTO AppBukkenShousaiTbl VALUES (4, 5, '完了報告書', 100501, 0, 1, "
                     u8"'2004-07-04 00:00:00', '', '', '', 'Ka004.501', NULL);\n"
                     u8"INSERT INTO AppBukkenShousaiTbl VALUES (5, 5, '確認申請書（昇降機）', 100002, 0, 1, "
                     u8"'2004-08-05 00:00:00', '', '', '', 'Ka005.160', NULL);\n"
                     u8"INSERT INTO AppBukkenShousaiTbl VALUES (6, 5, '建築工事届', 100801, 0, 1, "
                     u8"'2004-09-06 00:00:00', 'U6', '', '', 'Ke006.240', NULL);\n"
                     u8"INSERT INTO AppBukkenShousaiTbl VALUES (7, 5, '完了検査申請書（建築物）', 100201, 0, 1, "
                     u8"'2004-10-07 00:00:00', 'U7', '', '', 'Ka007.211', NULL);\n"
                     u8"INSERT INTO AppBukkenShousaiTbl VALUES (1, 8, '別の物件の書類', 100002, 0, 1, "
                     u8"'2004-04-01 00:00:00', '', '', '', 'x.160', NULL);\n";

std::string DocumentFile(int code, std::vector<int> counts)
{
    auto* app = new ZnModelApp;
    ZnModelAppLocalData& local = app->m_header.m_localData;
    local.m_documentKind.SetCode(std::to_string(code).c_str());
    ZnModelNumGroupList* lists[] = {&local.m_buildingNumGroups, &local.m_liftNumGroups, &local.m_equipmentNumGroups,
                                    &local.m_secondLiftNumGroups, &local.m_structureNumGroups};
    const char* names[] = {"B", "L", "E", "Q", "S"};
    for (size_t list = 0; list < counts.size(); ++list)
        for (int i = 1; i <= counts[list]; ++i) {
            ZnModelNumGroup group;
            CString text;
            text.Format("%s%d", names[list], i);
            group.m_firstNumber.SetNumber(text);
            group.m_secondNumber.SetNumber(text + "-2");
            group.m_secondNumber.SetFurtherText("issuer");
            group.m_itemNumber = 10 + i;
            lists[list]->AddCopy(group);
        }
    CZnAppProDoc document;
    document.ReplaceModel(CZnAppProDoc::appModel, app);
    const ZnModelDocKind* kind = ZnModelDocKinds::Find(code);
    document.ReplaceModel(CZnAppProDoc::formModel, ZnModelDocKinds::CreateSlotObject(kind->formClass));
    document.ReplaceModel(CZnAppProDoc::subFormModel, ZnModelDocKinds::CreateSlotObject(kind->subFormClass));
    return testsupport::StoreToBytes([&](CArchive& ar) { document.Serialize(ar); });
}

std::vector<std::string> ListRows(CListCtrl& list)
{
    std::vector<std::string> rows = ListRowTexts(list);
    for (int i = 0; i < static_cast<int>(rows.size()); ++i)
        rows[i] += std::to_string(list.GetItemData(i));
    return rows;
}

const std::vector<std::string> kDocuments = {
    u8"完了検査申請書（建築物）|2004/10/7|U7||7",
    u8"建築工事届|2004/9/6|U6||6",
    u8"確認申請書（昇降機）|2004/8/5|||5",
    u8"完了報告書|2004/7/4|||4",
    u8"計画変更確認申請書（昇降機）|2004/6/3|U3||3",
    u8"確認申請書（昇降機）|2004/5/2||Z2|2",
    u8"確認申請書（建築物） 併願アリ 2回目|2004/4/1|U1|G1|1",
};

} // namespace numberentrytest
