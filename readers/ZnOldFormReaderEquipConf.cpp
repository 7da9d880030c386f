#include "readers/ZnOldFormReaderEquipConf.h"

#include "model/ZnModelAppEquipConf.h"
#include "readers/ZnOldDataVersion.h"
#include "readers/ZnOldEquipForm.h"

namespace {

const ZnOldKindFormReader::Kind kind = {
    "Ksq001.170", nullptr, 0, ZnOldKindFormReader::numberOne, false, ZnOldDataVersion::latest, "Ksq001.170", 17090, 3};

} // namespace

ZnOldFormReaderEquipConf::ZnOldFormReaderEquipConf() : ZnOldKindFormReader(kind) {}

ZnModelApp* ZnOldFormReaderEquipConf::Read()
{
    return ReadObject<ZnModelAppEquipConf, ZnModelAppEquip>(ZnOldEquipForm::Read);
}
