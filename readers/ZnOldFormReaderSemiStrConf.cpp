#include "readers/ZnOldFormReaderSemiStrConf.h"

#include "model/ZnModelAppSemiStrConf.h"
#include "readers/ZnOldDataVersion.h"
#include "readers/ZnOldSemiStrForm.h"

namespace {

const ZnOldKindFormReader::Kind kind = {
    "Ksq001.190", nullptr, 0, ZnOldKindFormReader::numberOne, true, ZnOldDataVersion::latest, "Ksq001.190", 19090, 3};

} // namespace

ZnOldFormReaderSemiStrConf::ZnOldFormReaderSemiStrConf() : ZnOldKindFormReader(kind) {}

ZnModelApp* ZnOldFormReaderSemiStrConf::Read()
{
    return ReadObject<ZnModelAppSemiStrConf, ZnModelAppSemiStr>(ZnOldSemiStrForm::Read);
}
