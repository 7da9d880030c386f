#include "readers/ZnOldFormReaderCompInspConf.h"

IMPLEMENT_DYNAMIC(ZnOldFormReaderCompInspConf, ZnOldInspFormReader)

ZnModelApp* ZnOldFormReaderCompInspConf::Read() { return ReadBuildingForm(ZnOldInspForm::Completion()); }

int ZnOldFormReaderCompInspConf::IsVersionOK() { return IsBuildingVersionOK(); }
