#include "readers/ZnOldFormReaderEquipMod.h"

#include "model/ZnModelAppEquipMod.h"
#include "readers/ZnOldEquipForm.h"

namespace {

const ZnOldKindFormReader::Kind kind = {
    "Ksq001.170", "Ksq001.430", 43010, ZnOldKindFormReader::numberOne, false, {"6.00", "6.20", "6.40"},
    "Ksq001.170", 17090,        3};

} // namespace

ZnOldFormReaderEquipMod::ZnOldFormReaderEquipMod() : ZnOldKindFormReader(kind) {}

ZnModelApp* ZnOldFormReaderEquipMod::Read()
{
    return ReadObject<ZnModelAppEquipMod, ZnModelAppEquip>(ZnOldEquipForm::Read);
}
