#include "readers/ZnOldFormReaderStructMod.h"

#include "model/ZnModelAppStructMod.h"
#include "readers/ZnOldDataVersion.h"
#include "readers/ZnOldStructForm.h"

namespace {

const ZnOldKindFormReader::Kind kind = {
    "Ksq001.180", "Ksq001.440", 44010, ZnOldKindFormReader::numberOne, false, ZnOldDataVersion::latest,
    "Ksq001.180", 18090,        3};

} // namespace

ZnOldFormReaderStructMod::ZnOldFormReaderStructMod() : ZnOldKindFormReader(kind) {}

ZnModelApp* ZnOldFormReaderStructMod::Read()
{
    return ReadObject<ZnModelAppStructMod, ZnModelAppStruct>(ZnOldStructForm::Read);
}
