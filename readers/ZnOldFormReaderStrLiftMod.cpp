#include "readers/ZnOldFormReaderStrLiftMod.h"

#include "model/ZnModelAppStrLiftMod.h"
#include "readers/ZnOldDataVersion.h"
#include "readers/ZnOldLiftForm.h"

namespace {

const ZnOldKindFormReader::Kind kind = {"Ksq001.160",
                                        "Ksq001.420",
                                        42010,
                                        ZnOldKindFormReader::numberOne,
                                        false,
                                        ZnOldDataVersion::latest,
                                        "Ksq*.160",
                                        0,
                                        0};

} // namespace

ZnOldFormReaderStrLiftMod::ZnOldFormReaderStrLiftMod() : ZnOldKindFormReader(kind) {}

ZnModelApp* ZnOldFormReaderStrLiftMod::Read()
{
    return ReadObject<ZnModelAppStrLiftMod, ZnModelAppLift>(ZnOldLiftForm::Read);
}
