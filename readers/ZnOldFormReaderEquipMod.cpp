#include "readers/ZnOldFormReaderEquipMod.h"

#include "model/ZnModelAppEquipMod.h"
#include "readers/ZnOldDataVersion.h"
#include "readers/ZnOldEquipForm.h"

namespace {

const ZnOldKindFormReader::Kind kind = {
    "Ksq001.170", "Ksq001.430", 43010, ZnOldKindFormReader::numberOne, false, ZnOldDataVersion::latest,
    "Ksq001.170", 17090,        3};

} // namespace

ZnOldFormReaderEquipMod::ZnOldFormReaderEquipMod() : ZnOldKindFormReader(kind) {}

ZnModelApp* ZnOldFormReaderEquipMod::Read()
{
    return ReadObject<ZnModelAppEquipMod, ZnModelAppEquip>(ZnOldEquipForm::Read);
}
