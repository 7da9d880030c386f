#include "fdimport/ZnNumberRows.h"

#include "model/ZnModelAppLocalData.h"

#include <cstdlib>

namespace {

enum RowKind { firstOnly, numbered, titleAlone };

struct OwnTitle {
    int codes[4];
    const char* title;
    RowKind kind;
};

// The title of the own list's rows by document-kind code.
const OwnTitle ownTitles[] = {
    {{100001, 100101, 100201, 100301}, "建築物", firstOnly},
    {{100002, 100102, 100202}, "昇降機", numbered},
    {{100302}, "昇降機", titleAlone},
    {{100003, 100303}, "建築設備", titleAlone},
    {{100103, 100203}, "建築設備", numbered},
    {{100004, 100104, 100204}, "工作物(法88条1項)", numbered},
    {{100304}, "工作物(法88条1項)", titleAlone},
    {{100005, 100105, 100205}, "工作物の昇降機", numbered},
    {{100305}, "工作物の昇降機", titleAlone},
    {{100006, 100106, 100306}, "工作物(法88条2項)", titleAlone},
    {{100206}, "工作物(法88条2項)", numbered},
    {{100401}, "仮使用承認申請書 (特定行政庁)", titleAlone},
    {{100411}, "仮使用承認申請書 (建築主事)", titleAlone},
    {{100801}, "建築工事届", titleAlone},
    {{100802}, "建築物除却届", titleAlone},
    {{100803}, "安全上の措置等に関する計画届", titleAlone},
};

const OwnTitle* FindOwnTitle(int code)
{
    for (const OwnTitle& entry : ownTitles)
        for (int listed : entry.codes)
            if (listed != 0 && listed == code)
                return &entry;
    return nullptr;
}

CString Numbered(const char* title, int number)
{
    CString text;
    text.Format("%s %02d", title, number);
    return text;
}

} // namespace

int ZnNumberRows::DocKindCode(const ZnModelAppLocalData& local) { return std::atoi(local.GetDocKindCode().GetCode()); }

std::vector<ZnNumberRows::Row> ZnNumberRows::Rows(ZnModelAppLocalData& local)
{
    std::vector<Row> rows;
    const OwnTitle* own = FindOwnTitle(DocKindCode(local));
    if (!own)
        return rows;
    for (POSITION pos = local.m_buildingNumGroups.GetHeadPosition(); pos;) {
        ZnModelNumGroup* group = local.m_buildingNumGroups.GetNext(pos);
        if (!group)
            continue;
        CString title =
            own->kind == numbered ? Numbered(own->title, static_cast<int>(rows.size()) + 1) : CString(own->title);
        rows.push_back({title, group, true});
        if (own->kind == firstOnly)
            break;
    }
    struct ObjectList {
        ZnModelNumGroupList& list;
        const char* title;
    };
    const ObjectList objects[] = {
        {local.m_liftNumGroups, "昇降機"},
        {local.m_equipmentNumGroups, "建築設備"},
        {local.m_secondLiftNumGroups, "工作物の昇降機"},
        {local.m_structureNumGroups, "工作物(法88条1項)"},
    };
    for (const ObjectList& object : objects) {
        int number = 0;
        for (POSITION pos = object.list.GetHeadPosition(); pos;)
            if (ZnModelNumGroup* group = object.list.GetNext(pos))
                rows.push_back({Numbered(object.title, ++number), group, false});
    }
    return rows;
}

std::vector<ZnNumberRows::Target> ZnNumberRows::Targets(ZnModelAppLocalData& local, int row)
{
    std::vector<Row> rows = Rows(local);
    std::vector<Target> targets;
    if (row < 0 || row >= static_cast<int>(rows.size()))
        return targets;
    const int code = DocKindCode(local);
    ZnModelNumGroupList& ownList = local.m_buildingNumGroups;
    if (row == 0 && (code == 100001 || code == 100301)) {
        int position = 0;
        for (POSITION pos = ownList.GetHeadPosition(); pos;) {
            ++position;
            if (ZnModelNumGroup* group = ownList.GetNext(pos))
                targets.push_back({group, position, true});
        }
        return targets;
    }
    if (row == 0 && (code == 100101 || code == 100201)) {
        if (ZnModelNumGroup* first = ownList.GetAtIndex(0))
            targets.push_back({first, 1, true});
        return targets;
    }
    const Row& chosen = rows[row];
    int position = 0;
    if (chosen.own)
        for (POSITION pos = ownList.GetHeadPosition(); pos;) {
            ++position;
            if (ownList.GetNext(pos) == chosen.group)
                break;
        }
    targets.push_back({chosen.group, position, chosen.own});
    return targets;
}

bool ZnNumberRows::StoreNumbers(ZnModelAppLocalData& local, int row, const ZnModelNum& reception,
                                const ZnModelNum& issued)
{
    bool ownGroup = false;
    for (const Target& target : Targets(local, row)) {
        target.group->m_firstNumber = reception;
        target.group->m_secondNumber = issued;
        if (target.own) {
            target.group->m_itemNumber = target.position;
            ownGroup = true;
        }
    }
    return ownGroup;
}
