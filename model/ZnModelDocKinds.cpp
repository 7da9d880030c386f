#include "model/ZnModelDocKinds.h"

#include <algorithm>

namespace ZnModelDocKinds {

namespace {

// Interim inspections use 280 + object kind and completion inspections 210 + object kind; the
// completion report of 100501 and the proxy letter have no extension of their own.
const ZnModelDocKind kinds[] = {
    {100001, "ZnModelAppBuild", "ZnModelAppBuildConf", ".110"},
    {100002, "ZnModelAppLift", "ZnModelAppLiftConf", ".160"},
    {100003, "ZnModelAppEquip", "ZnModelAppEquipConf", ".170"},
    {100004, "ZnModelAppStruct", "ZnModelAppStructConf", ".180"},
    {100005, "ZnModelAppLift", "ZnModelAppStrLiftConf", ".161"},
    {100006, "ZnModelAppSemiStr", "ZnModelAppSemiStrConf", ".190"},
    {100101, "ZnModelAppInspConf", "ZnModelAppRegInspConf", ".281"},
    {100102, "ZnModelAppInspConf", "ZnModelAppRegInspConf", ".282"},
    {100103, "ZnModelAppInspConf", "ZnModelAppRegInspConf", ".283"},
    {100104, "ZnModelAppInspConf", "ZnModelAppRegInspConf", ".284"},
    {100105, "ZnModelAppInspConf", "ZnModelAppRegInspConf", ".285"},
    {100106, "ZnModelAppInspConf", "ZnModelAppRegInspConf", ".286"},
    {100201, "ZnModelAppInspConf", "ZnModelAppCompInspConf", ".211"},
    {100202, "ZnModelAppInspConf", "ZnModelAppCompInspConf", ".212"},
    {100203, "ZnModelAppInspConf", "ZnModelAppCompInspConf", ".213"},
    {100204, "ZnModelAppInspConf", "ZnModelAppCompInspConf", ".214"},
    {100205, "ZnModelAppInspConf", "ZnModelAppCompInspConf", ".215"},
    {100206, "ZnModelAppInspConf", "ZnModelAppCompInspConf", ".216"},
    {100301, "ZnModelAppBuild", "ZnModelAppBuildMod", ".410"},
    {100302, "ZnModelAppLift", "ZnModelAppLiftMod", ".420"},
    {100303, "ZnModelAppEquip", "ZnModelAppEquipMod", ".430"},
    {100304, "ZnModelAppStruct", "ZnModelAppStructMod", ".440"},
    {100305, "ZnModelAppLift", "ZnModelAppStrLiftMod", ".421"},
    {100306, "ZnModelAppSemiStr", "ZnModelAppSemiStrMod", ".450"},
    {100401, "ZnModelAppTempUseConf", nullptr, ".220"},
    {100411, "ZnModelAppTempUseConf", nullptr, ".230"},
    {100501, "ZnModelAppInspConf", "ZnModelAppCompInspConf", ""},
    {100801, "ZnModelAppConstNotif", nullptr, ".240"},
    {100802, "ZnModelAppDemNotif", nullptr, ".250"},
    {100803, "ZnModelAppSafeNotif", nullptr, ".260"},
    {300001, "ZnModelAppProxy", nullptr, ""},
};

const int kindCount = static_cast<int>(sizeof kinds / sizeof kinds[0]);

} // namespace

const ZnModelDocKind* Find(int code)
{
    const ZnModelDocKind* end = kinds + kindCount;
    const ZnModelDocKind* found =
        std::lower_bound(kinds, end, code, [](const ZnModelDocKind& kind, int value) { return kind.code < value; });
    return found != end && found->code == code ? found : nullptr;
}

const ZnModelDocKind* GetAll(int& count)
{
    count = kindCount;
    return kinds;
}

ZnModel* CreateSlotObject(LPCSTR className)
{
    if (!className)
        return nullptr;
    CRuntimeClass* modelClass = CRuntimeClass::FromName(className);
    if (!modelClass || !modelClass->IsDerivedFrom(RUNTIME_CLASS(ZnModel)) || !modelClass->m_pfnCreateObject)
        return nullptr;
    return static_cast<ZnModel*>(modelClass->CreateObject());
}

void SerializeSlots(CArchive& ar, ZnModel* const* slots, int count)
{
    for (int slot = 0; slot < count; ++slot)
        if (slots[slot])
            slots[slot]->Serialize(ar);
}

} // namespace ZnModelDocKinds
