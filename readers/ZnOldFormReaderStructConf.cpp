#include "readers/ZnOldFormReaderStructConf.h"

#include "model/ZnModelAppStructConf.h"
#include "readers/ZnOldDataVersion.h"
#include "readers/ZnOldStructForm.h"

namespace {

const ZnOldKindFormReader::Kind kind = {
    "Ksq001.180", nullptr, 0, ZnOldKindFormReader::numberFromItems, false, ZnOldDataVersion::middle,
    "Ksq001.180", 18090,   3};

} // namespace

ZnOldFormReaderStructConf::ZnOldFormReaderStructConf() : ZnOldKindFormReader(kind) {}

ZnModelApp* ZnOldFormReaderStructConf::Read()
{
    return ReadObject<ZnModelAppStructConf, ZnModelAppStruct>(ZnOldStructForm::Read);
}
