#include "readers/ZnOldFormReaderLiftMod.h"

#include "model/ZnModelAppLiftMod.h"
#include "readers/ZnOldDataVersion.h"
#include "readers/ZnOldLiftForm.h"

namespace {

const ZnOldKindFormReader::Kind kind = {
    "Ksq001.160", "Ksq001.420", 42010, ZnOldKindFormReader::numberOne, false, ZnOldDataVersion::latest,
    "Ksq001.160", 16100,        1};

} // namespace

ZnOldFormReaderLiftMod::ZnOldFormReaderLiftMod() : ZnOldKindFormReader(kind) {}

ZnModelApp* ZnOldFormReaderLiftMod::Read()
{
    return ReadObject<ZnModelAppLiftMod, ZnModelAppLift>(ZnOldLiftForm::Read);
}
