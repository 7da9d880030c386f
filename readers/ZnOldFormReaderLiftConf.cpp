#include "readers/ZnOldFormReaderLiftConf.h"

#include "model/ZnModelAppLiftConf.h"
#include "readers/ZnOldDataVersion.h"
#include "readers/ZnOldLiftForm.h"

namespace {

const ZnOldKindFormReader::Kind kind = {
    "Ksq001.160", nullptr, 0, ZnOldKindFormReader::numberFromItems, false, ZnOldDataVersion::middle,
    "Ksq001.160", 16100,   1};

} // namespace

ZnOldFormReaderLiftConf::ZnOldFormReaderLiftConf() : ZnOldKindFormReader(kind) {}

ZnModelApp* ZnOldFormReaderLiftConf::Read()
{
    return ReadObject<ZnModelAppLiftConf, ZnModelAppLift>(ZnOldLiftForm::Read);
}
