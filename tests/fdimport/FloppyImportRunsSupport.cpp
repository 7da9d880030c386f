#include "tests/fdimport/FloppyImportRunsSupport.h"

#include "readers/ZnOldBukkenFolderLoader.h"
#include "readers/ZnOldBukkenReaderList.h"
#include "readers/ZnOldFormReader.h"

namespace importtest {

std::string Bytes(const ZnModel* model)
{
    return model ? StoreToBytes([&](CArchive& ar) { const_cast<ZnModel*>(model)->Serialize(ar); }) : "";
}

std::vector<std::unique_ptr<ZnModelApp>> ReadFloppy(const CString& floppyPath)
{
    ZnOldBukkenFolderLoader loader;
    ZnOldBukkenReaderList readers;
    loader.SetBasePath(floppyPath);
    loader.Load(&readers);
    std::vector<std::unique_ptr<ZnModelApp>> documents;
    for (POSITION pos = readers.GetHeadPosition(); pos;) {
        std::unique_ptr<ZnOldFormReader> reader(static_cast<ZnOldFormReader*>(readers.GetNext(pos)));
        if (reader)
            documents.emplace_back(reader->Read());
    }
    return documents;
}

const std::vector<FloppyCase> floppyCases = {
    {"build_conf",
     u8"南町の家",
     0,
     0,
     {{"Ka001.110", 100001, u8"確認申請書（建築物）", "ZnModelApp|ZnModelAppBuild|ZnModelAppBuildConf"},
      {"Ka001.240", 100801, u8"建築工事届", "ZnModelApp|ZnModelAppConstNotif|-"}},
     {"Haichi/ksq330.bmp", "Mitori/ksq310.bmp"}},
    {"lift_mod",
     u8"昇降機の家",
     0,
     0,
     {{"Ka001.420", 100302, u8"計画変更確認申請書（昇降機）", "ZnModelApp|ZnModelAppLift|ZnModelAppLiftMod"}},
     {}},
    {"equip_conf",
     u8"設備の家",
     0,
     1,
     {{"Ka001.170", 100003, u8"確認申請書（昇降機以外の建築設備）", "ZnModelApp|ZnModelAppEquip|ZnModelAppEquipConf"}},
     {}},
    {"semi_str_conf",
     u8"工作物の家",
     1,
     0,
     {{"Ke001.190", 100006, u8"計画通知書（工作物（法88条2項））",
       "ZnModelApp|ZnModelAppSemiStr|ZnModelAppSemiStrConf"}},
     {"Haichi/ksq340.bmp", "Mitori/ksq320.bmp"}},
    {"interim_building",
     u8"中間の家",
     0,
     0,
     {{"Ka001.281", 100101, u8"中間検査申請書（建築物）", "ZnModelApp|ZnModelAppInspConf|ZnModelAppRegInspConf"}},
     {}},
    {"completion_lift",
     u8"完了の家",
     0,
     0,
     {{"Ka001.212", 100202, u8"完了検査申請書（昇降機）", "ZnModelApp|ZnModelAppInspConf|ZnModelAppCompInspConf"}},
     {}},
};

} // namespace importtest
