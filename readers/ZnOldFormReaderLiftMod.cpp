#include "readers/ZnOldFormReaderLiftMod.h"

#include "model/ZnModelAppLiftMod.h"
#include "readers/ZnOldLiftForm.h"

namespace {

const ZnOldKindFormReader::Kind kind = {
    "Ksq001.160", "Ksq001.420", 42010, ZnOldKindFormReader::numberOne, false, {"6.00", "6.20", "6.40"},
    "Ksq001.160", 16100,        1};

} // namespace

ZnOldFormReaderLiftMod::ZnOldFormReaderLiftMod() : ZnOldKindFormReader(kind) {}

ZnModelApp* ZnOldFormReaderLiftMod::Read()
{
    return ReadObject<ZnModelAppLiftMod, ZnModelAppLift>(ZnOldLiftForm::Read);
}
