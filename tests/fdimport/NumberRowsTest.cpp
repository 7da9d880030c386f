// The rows of a document's number list and the groups that the number entry of a row stores into.
#include "tests/support/TestSupport.h"

#include "fdimport/ZnNumberRows.h"
#include "model/ZnModelAppLocalData.h"

#include <gtest/gtest.h>

namespace {

void Fill(ZnModelNumGroupList& list, const char* name, int count, bool nullFirst = false)
{
    if (nullFirst)
        list.AddTail(static_cast<CObject*>(nullptr));
    for (int i = 1; i <= count; ++i) {
        ZnModelNumGroup group;
        CString text;
        text.Format("%s%d", name, i);
        group.m_firstNumber.SetNumber(text);
        list.AddCopy(group);
    }
}

std::vector<CString> Titles(ZnModelAppLocalData& local)
{
    std::vector<CString> titles;
    for (const ZnNumberRows::Row& row : ZnNumberRows::Rows(local))
        titles.push_back(row.title + "|" + row.group->m_firstNumber.GetNumber() + (row.own ? "|own" : ""));
    return titles;
}

std::vector<CString> Targets(ZnModelAppLocalData& local, int row)
{
    std::vector<CString> targets;
    for (const ZnNumberRows::Target& target : ZnNumberRows::Targets(local, row)) {
        CString text;
        text.Format("%s@%d%s", LPCTSTR(target.group->m_firstNumber.GetNumber()), target.position,
                    target.own ? "|own" : "");
        targets.push_back(text);
    }
    return targets;
}

} // namespace

TEST(NumberRows, ListABuildingOnceAndEveryObjectNumbered)
{
    ZnModelAppLocalData local;
    local.m_documentKind.SetCode("100001");
    Fill(local.m_buildingNumGroups, "B", 3, true);
    Fill(local.m_liftNumGroups, "L", 2, true);
    Fill(local.m_equipmentNumGroups, "E", 1);
    Fill(local.m_secondLiftNumGroups, "Q", 1);
    Fill(local.m_structureNumGroups, "S", 1);
    EXPECT_EQ((std::vector<CString>{"建築物|B1|own", "昇降機 01|L1", "昇降機 02|L2", "建築設備 01|E1",
                                    "工作物の昇降機 01|Q1", "工作物(法88条1項) 01|S1"}),
              Titles(local));
    // Row 0 stands for every group of a building confirmation, at its place among the entries.
    EXPECT_EQ((std::vector<CString>{"B1@2|own", "B2@3|own", "B3@4|own"}), Targets(local, 0));
    EXPECT_EQ((std::vector<CString>{"L2@0"}), Targets(local, 2));
    EXPECT_EQ((std::vector<CString>{"S1@0"}), Targets(local, 5));
    EXPECT_TRUE(Targets(local, 6).empty());
    EXPECT_TRUE(Targets(local, -9999).empty());
    // An inspection's row 0 stands for the first entry only, even when it is empty.
    local.m_documentKind.SetCode("100201");
    EXPECT_TRUE(Targets(local, 0).empty());
    local.m_buildingNumGroups.RemoveHead();
    EXPECT_EQ((std::vector<CString>{"B1@1|own"}), Targets(local, 0));
}

TEST(NumberRows, NumberOrNotTheOwnGroupsByTheDocumentKind)
{
    ZnModelAppLocalData local;
    Fill(local.m_buildingNumGroups, "G", 3, true);
    Fill(local.m_liftNumGroups, "L", 1);
    local.m_documentKind.SetCode("100002");
    EXPECT_EQ((std::vector<CString>{"昇降機 01|G1|own", "昇降機 02|G2|own", "昇降機 03|G3|own", "昇降機 01|L1"}),
              Titles(local));
    // The third row is the third group, at place 4 among the entries.
    EXPECT_EQ((std::vector<CString>{"G3@4|own"}), Targets(local, 2));
    EXPECT_EQ((std::vector<CString>{"L1@0"}), Targets(local, 3));
    local.m_documentKind.SetCode("100306");
    EXPECT_EQ("工作物(法88条2項)|G2|own", Titles(local)[1]);
    local.m_documentKind.SetCode("100206");
    EXPECT_EQ("工作物(法88条2項) 02|G2|own", Titles(local)[1]);
    local.m_documentKind.SetCode("100801");
    EXPECT_EQ("建築工事届|G3|own", Titles(local)[2]);
    for (const char* code : {"100501", "300001", "", "100007"}) {
        local.m_documentKind.SetCode(code);
        EXPECT_TRUE(Titles(local).empty()) << code;
        EXPECT_TRUE(Targets(local, 0).empty()) << code;
    }
}

TEST(NumberRows, StoreTheNumbersInEveryTargetAndNumberOnlyTheOwnGroups)
{
    ZnModelAppLocalData local;
    local.m_documentKind.SetCode("100001");
    Fill(local.m_buildingNumGroups, "B", 2, true);
    Fill(local.m_liftNumGroups, "L", 2);
    ZnModelNum reception;
    reception.SetNumber("R");
    ZnModelNum issued;
    issued.SetNumber("I");
    EXPECT_TRUE(ZnNumberRows::StoreNumbers(local, 0, reception, issued));
    EXPECT_FALSE(ZnNumberRows::StoreNumbers(local, 2, issued, reception));
    EXPECT_FALSE(ZnNumberRows::StoreNumbers(local, 9, reception, issued));
    CString stored;
    for (ZnModelNumGroupList* list : {&local.m_buildingNumGroups, &local.m_liftNumGroups})
        for (POSITION pos = list->GetHeadPosition(); pos;)
            if (ZnModelNumGroup* group = list->GetNext(pos)) {
                CString text;
                text.Format("%s%s%d ", LPCTSTR(group->m_firstNumber.GetNumber()),
                            LPCTSTR(group->m_secondNumber.GetNumber()), group->m_itemNumber);
                stored += text;
            }
    EXPECT_EQ("RI2 RI3 L10 IR0 ", stored);
}
