#include "readers/ZnOldFormReaderStrLiftMod.h"

#include "model/ZnModelAppStrLiftMod.h"
#include "readers/ZnOldLiftForm.h"

namespace {

const ZnOldKindFormReader::Kind kind = {"Ksq001.160",
                                        "Ksq001.420",
                                        42010,
                                        ZnOldKindFormReader::numberOne,
                                        false,
                                        {"6.00", "6.20", "6.40"},
                                        "Ksq*.160",
                                        0,
                                        0};

} // namespace

ZnOldFormReaderStrLiftMod::ZnOldFormReaderStrLiftMod() : ZnOldKindFormReader(kind) {}

ZnModelApp* ZnOldFormReaderStrLiftMod::Read()
{
    return ReadObject<ZnModelAppStrLiftMod, ZnModelAppLift>(ZnOldLiftForm::Read);
}
