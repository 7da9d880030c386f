#include "readers/ZnOldFormReaderStrLiftConf.h"

#include "model/ZnModelAppStrLiftConf.h"
#include "readers/ZnOldDataVersion.h"
#include "readers/ZnOldLiftForm.h"

namespace {

const ZnOldKindFormReader::Kind kind = {
    "Ksq001.160", nullptr, 0, ZnOldKindFormReader::numberFromItems, false, ZnOldDataVersion::middle, "Ksq*.160", 0, 0};

} // namespace

ZnOldFormReaderStrLiftConf::ZnOldFormReaderStrLiftConf() : ZnOldKindFormReader(kind) {}

ZnModelApp* ZnOldFormReaderStrLiftConf::Read()
{
    return ReadObject<ZnModelAppStrLiftConf, ZnModelAppLift>(ZnOldLiftForm::Read);
}
