#include "fdimport/ZnFDImportKinds.h"

#include "model/ZnModelAppBuild.h"
#include "model/ZnModelAppEquip.h"
#include "model/ZnModelAppInspConf.h"
#include "model/ZnModelAppLift.h"
#include "model/ZnModelAppSemiStr.h"
#include "model/ZnModelAppStruct.h"

#include <iterator>

namespace {

// The copy of one class level of a document: that class's part of it only.
template <typename Level> ZnModel* CloneLevel(const ZnModelApp& document)
{
    const auto* level = dynamic_cast<const Level*>(&document);
    return level ? level->Level::Clone() : nullptr;
}

const char kSite[] = "ksq310.bmp";
const char kLayout[] = "ksq330.bmp";
const char kSemiSite[] = "ksq320.bmp";
const char kSemiLayout[] = "ksq340.bmp";

const ZnFDImportKind kinds[] = {
    {"ZnModelAppBuildConf", CloneLevel<ZnModelAppBuild>, ".110", false, kSite, kLayout},
    {"ZnModelAppBuildMod", CloneLevel<ZnModelAppBuild>, ".410", true, kSite, kLayout},
    {"ZnModelAppLiftConf", CloneLevel<ZnModelAppLift>, ".160", false, nullptr, nullptr},
    {"ZnModelAppLiftMod", CloneLevel<ZnModelAppLift>, ".420", true, nullptr, nullptr},
    {"ZnModelAppEquipConf", CloneLevel<ZnModelAppEquip>, ".170", false, nullptr, nullptr},
    {"ZnModelAppEquipMod", CloneLevel<ZnModelAppEquip>, ".430", true, nullptr, nullptr},
    {"ZnModelAppStructConf", CloneLevel<ZnModelAppStruct>, ".180", false, nullptr, nullptr},
    {"ZnModelAppStructMod", CloneLevel<ZnModelAppStruct>, ".440", true, nullptr, nullptr},
    {"ZnModelAppStrLiftConf", CloneLevel<ZnModelAppLift>, ".161", false, nullptr, nullptr},
    {"ZnModelAppStrLiftMod", CloneLevel<ZnModelAppLift>, ".421", true, nullptr, nullptr},
    {"ZnModelAppSemiStrConf", CloneLevel<ZnModelAppSemiStr>, ".190", false, kSemiSite, kSemiLayout},
    {"ZnModelAppSemiStrMod", CloneLevel<ZnModelAppSemiStr>, ".450", true, kSemiSite, kSemiLayout},
    {"ZnModelAppRegInspConf", CloneLevel<ZnModelAppInspConf>, nullptr, true, nullptr, nullptr},
    {"ZnModelAppCompInspConf", CloneLevel<ZnModelAppInspConf>, nullptr, true, nullptr, nullptr},
    {"ZnModelAppTempUseConf", nullptr, nullptr, false, nullptr, nullptr},
    {"ZnModelAppConstNotif", nullptr, ".240", false, nullptr, nullptr},
    {"ZnModelAppDemNotif", nullptr, ".250", false, nullptr, nullptr},
    {"ZnModelAppSafeNotif", nullptr, ".260", false, nullptr, nullptr},
};

// ".28" or ".21" and the code's last digit for the six codes from first on, else "".
CString CodeExtension(int floppyCode, int first, const char* stem)
{
    if (floppyCode < first || floppyCode > first + 5)
        return CString();
    CString extension;
    extension.Format("%s%d", stem, floppyCode % 10);
    return extension;
}

} // namespace

namespace ZnFDImportKinds {

const ZnFDImportKind* Find(const CString& className)
{
    for (const ZnFDImportKind& kind : kinds)
        if (className == kind.className)
            return &kind;
    return nullptr;
}

CString Extension(const ZnFDImportKind& kind, int floppyCode)
{
    if (kind.extension)
        return kind.extension;
    CString name = kind.className;
    if (name == "ZnModelAppRegInspConf")
        return CodeExtension(floppyCode, 100101, ".28");
    if (name == "ZnModelAppCompInspConf")
        return CodeExtension(floppyCode, 100201, ".21");
    if (floppyCode >= 100401 && floppyCode <= 100406)
        return ".220";
    if (floppyCode >= 100411 && floppyCode <= 100416)
        return ".230";
    return CString();
}

CString NextFileName(const ZnFDImportKind& kind, int floppyCode, LPCTSTR prefix, Counters& counters)
{
    CString extension = Extension(kind, floppyCode);
    if (extension.IsEmpty())
        return CString();
    int number = kind.numbered ? ++counters[static_cast<LPCTSTR>(extension)] : 1;
    CString name;
    name.Format("%s%03d%s", prefix, number, static_cast<LPCTSTR>(extension));
    return name;
}

void CloneLevels(const ZnFDImportKind& kind, const ZnModelApp& document, ZnModel* levels[3])
{
    levels[0] = document.ZnModelApp::Clone();
    levels[1] = kind.cloneMiddle ? kind.cloneMiddle(document) : nullptr;
    levels[2] = CString(document.GetRuntimeClass()->m_lpszClassName) == kind.className ? document.Clone() : nullptr;
}

} // namespace ZnFDImportKinds
