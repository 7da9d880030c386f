#include "writers/fdoutput/ZnFloppyMedium.h"

#include "platform/core/AfxMessageBox.h"
#include "platform/files/WinFileApi.h"
#include "platform/files/WinFolderHandle.h"
#include "storage/CheckMedium.h"
#include "storage/ZnShellState.h"
#include "writers/CheckBitmapFile.h"

namespace {

const char kUnformattedText[] = "フロッピーがフォーマットされていません。";
const char kMediaText[] = "データを出力できません。下記をご確認ください。\n"
                          "①   メディア（フロッピーなど）が入っていない。\n"
                          "②   メディアが書き込み禁止になっている。\n"
                          "③   Kelmoでは出力できないドライブを指定している。";

bool Fail(LPCTSTR text)
{
    AfxMessageBox(text, MB_OK | MB_ICONSTOP);
    return false;
}

// Empties a folder of the medium of its files, or creates it when it is missing; false after
// telling that something in it cannot be deleted or that it cannot be created.
bool PrepareFolder(const CString& folder)
{
    WinFolderHandle held;
    if (!held.Open(folder))
        return CreateDirectory(folder, nullptr) || Fail("申請用ディレクトリの作成に失敗しました。");
    // Each file by its own name in the folder; a folder inside is not the output's and stops it.
    return held.DeleteFiles() || Fail(kMediaText);
}

// One map: its folder on the medium, its file names for buildings and for the other object
// kinds, and its messages.
struct MapKind {
    LPCTSTR folder;
    LPCTSTR buildingName;
    LPCTSTR otherName;
    LPCTSTR unsupportedText;
    LPCTSTR copyFailedText;
};

const MapKind kSiteMap = {"Mitori", "Ksq310.bmp", "Ksq320.bmp",
                          "この見取図のビットマップファイルはサポートされない形式です。",
                          "見取図のファイルコピーに失敗しました。"};
const MapKind kLayoutPlan = {"Haichi", "Ksq330.bmp", "Ksq340.bmp",
                             "この配置図のビットマップファイルはサポートされない形式です。",
                             "配置図のファイルコピーに失敗しました。"};

// Checks a map and copies it into its folder on the medium, then into the property's folder
// (replacing a file there); nothing for an empty source. False after telling why not.
bool CopyMap(const MapKind& map, const CString& source, const CString& root)
{
    if (source.IsEmpty())
        return true;
    if (CheckBitmapFile(source) != bitmapOk)
        return Fail(map.unsupportedText);
    ZnShellState* shell = ZnShellState::Current();
    bool building = shell->GetObjKind() == 1023 || shell->GetObjKind() == 1009;
    CString name = building ? map.buildingName : map.otherName;
    CString propertyFolder = shell->GetObjFolder() + "\\" + shell->GetBukkenName() + "\\";
    if (!CopyFile(source, root + "\\" + map.folder + "\\" + name, TRUE) ||
        !CopyFile(source, propertyFolder + name, FALSE))
        return Fail(map.copyFailedText);
    return true;
}

} // namespace

DWORD ZnFloppyMedium::LookForEntries(const CString& pattern) const { return SearchForEntries(pattern); }

bool ZnFloppyMedium::Prepare(LPCTSTR root, LPCTSTR dataFolder) const
{
    static const MediumCheckTexts texts = {kUnformattedText, kMediaText};
    auto search = [this](const CString& pattern) { return LookForEntries(pattern); };
    if (!CheckMedium(root, texts, search))
        return false;
    for (LPCTSTR name : {dataFolder, "Sinsei", "Info"}) {
        if (!PrepareFolder(CString(root) + "\\" + name))
            return false;
    }
    return true;
}

bool ZnFloppyMedium::CopyMapBitmaps(LPCTSTR root, LPCTSTR mitoriPath, LPCTSTR haichiPath)
{
    for (const MapKind* map : {&kSiteMap, &kLayoutPlan}) {
        if (!PrepareFolder(CString(root) + "\\" + map->folder))
            return false;
    }
    return CopyMap(kSiteMap, mitoriPath, root) && CopyMap(kLayoutPlan, haichiPath, root);
}

CString ZnFloppyMedium::DataFilePath(LPCTSTR root) { return CString(root) + "\\Keikaku\\申請書データ.xml"; }
