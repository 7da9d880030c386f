// The floppy medium: its check, its folders and the map bitmaps.
#include "writers/ZnAppDocFDOut00.h"

#include "platform/core/AfxMessageBox.h"
#include "platform/files/CFileFind.h"
#include "platform/files/WinFileApi.h"
#include "storage/CheckMedium.h"
#include "storage/ZnShellState.h"
#include "writers/CheckBitmapFile.h"

namespace {

const char kUnformattedText[] = "フロッピーがフォーマットされていません。";
const char kMediaText[] = "データを出力できません。下記をご確認ください。\n"
                          "①   メディア（フロッピーなど）が入っていない。\n"
                          "②   メディアが書き込み禁止になっている。\n"
                          "③   Kelmoでは出力できないドライブを指定している。";
const char kFolderNotCreatedText[] = "申請用ディレクトリの作成に失敗しました。";

int ShowMediaMessage()
{
    AfxMessageBox(kMediaText, MB_OK | MB_ICONSTOP);
    return 0;
}

} // namespace

// One map: its folder on the medium, its file names for buildings and for the other object
// kinds, and its messages.
struct ZnAppDocFDOut00::MapKind {
    LPCTSTR folder;
    LPCTSTR buildingName;
    LPCTSTR otherName;
    LPCTSTR unsupportedText;
    LPCTSTR copyFailedText;
};

int ZnAppDocFDOut00::PrepareMedia(LPCTSTR root, LPCTSTR dataFolder)
{
    static const MediumCheckTexts texts = {kUnformattedText, kMediaText};
    if (!CheckMedium(root, texts, [this](const CString& pattern) { return LookForEntries(pattern); }))
        return 0;
    for (LPCTSTR name : {dataFolder, "Sinsei", "Info"}) {
        if (!PrepareMediaFolder(CString(root) + "\\" + name))
            return 0;
    }
    return 1;
}

int ZnAppDocFDOut00::PrepareMediaFolder(const CString& folder)
{
    CFileFind finder;
    // An existing folder always holds its "." entry.
    if (!finder.FindFile(folder + "\\*.*")) {
        if (CreateDirectory(folder, nullptr))
            return 1;
        AfxMessageBox(kFolderNotCreatedText, MB_OK | MB_ICONSTOP);
        return 0;
    }
    for (BOOL more = TRUE; more;) {
        more = finder.FindNextFile();
        if (finder.IsDots())
            continue;
        // A folder inside, or a link to one, is not deleted: files alone are the output's.
        if (finder.IsDirectory() || !DeleteFile(finder.GetFilePath()))
            return ShowMediaMessage();
    }
    return 1;
}

int ZnAppDocFDOut00::CopyMapBitmaps(LPCTSTR root, LPCTSTR mitoriPath, LPCTSTR haichiPath)
{
    static const MapKind maps[] = {
        {"Mitori", "Ksq310.bmp", "Ksq320.bmp", "この見取図のビットマップファイルはサポートされない形式です。",
         "見取図のファイルコピーに失敗しました。"},
        {"Haichi", "Ksq330.bmp", "Ksq340.bmp", "この配置図のビットマップファイルはサポートされない形式です。",
         "配置図のファイルコピーに失敗しました。"},
    };
    for (const MapKind& map : maps) {
        if (!PrepareMediaFolder(CString(root) + "\\" + map.folder))
            return 0;
    }
    ZnShellState* shell = ZnShellState::Current();
    CString propertyFolder = shell->GetObjFolder() + "\\" + shell->GetBukkenName() + "\\";
    const LPCTSTR sources[] = {mitoriPath, haichiPath};
    for (int i = 0; i < 2; ++i) {
        if (!CopyMap(maps[i], root, sources[i], propertyFolder))
            return 0;
    }
    return 1;
}

int ZnAppDocFDOut00::CopyMap(const MapKind& map, LPCTSTR root, const CString& source, const CString& propertyFolder)
{
    if (source.IsEmpty())
        return 1;
    if (CheckBitmapFile(source) != bitmapOk) {
        AfxMessageBox(map.unsupportedText, MB_OK | MB_ICONSTOP);
        return 0;
    }
    int objKind = ZnShellState::Current()->GetObjKind();
    CString name = objKind == 1023 || objKind == 1009 ? map.buildingName : map.otherName;
    if (!CopyFile(source, CString(root) + "\\" + map.folder + "\\" + name, TRUE) ||
        !CopyFile(source, propertyFolder + name, FALSE)) {
        AfxMessageBox(map.copyFailedText, MB_OK | MB_ICONSTOP);
        return 0;
    }
    return 1;
}

CString ZnAppDocFDOut00::GetMediaDataFilePath(LPCTSTR root) { return CString(root) + "\\Keikaku\\申請書データ.xml"; }
