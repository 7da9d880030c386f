#include "readers/ZnOldFormReaderSemiStrMod.h"

#include "model/ZnModelAppSemiStrMod.h"
#include "readers/ZnOldSemiStrForm.h"

namespace {

const ZnOldKindFormReader::Kind kind = {
    "Ksq001.190", "Ksq001.450", 45010, ZnOldKindFormReader::numberOne, true, {"6.00", "6.20", "6.40"},
    "Ksq001.190", 19090,        3};

} // namespace

ZnOldFormReaderSemiStrMod::ZnOldFormReaderSemiStrMod() : ZnOldKindFormReader(kind) {}

ZnModelApp* ZnOldFormReaderSemiStrMod::Read()
{
    return ReadObject<ZnModelAppSemiStrMod, ZnModelAppSemiStr>(ZnOldSemiStrForm::Read);
}
