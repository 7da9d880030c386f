#include "readers/ZnOldFormReaderSemiStrMod.h"

#include "model/ZnModelAppSemiStrMod.h"
#include "readers/ZnOldDataVersion.h"
#include "readers/ZnOldSemiStrForm.h"

namespace {

const ZnOldKindFormReader::Kind kind = {
    "Ksq001.190", "Ksq001.450", 45010, ZnOldKindFormReader::numberOne, true, ZnOldDataVersion::latest,
    "Ksq001.190", 19090,        3};

} // namespace

ZnOldFormReaderSemiStrMod::ZnOldFormReaderSemiStrMod() : ZnOldKindFormReader(kind) {}

ZnModelApp* ZnOldFormReaderSemiStrMod::Read()
{
    return ReadObject<ZnModelAppSemiStrMod, ZnModelAppSemiStr>(ZnOldSemiStrForm::Read);
}
