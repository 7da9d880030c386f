#include "readers/ZnOldFormReaderRegInspConf.h"

IMPLEMENT_DYNAMIC(ZnOldFormReaderRegInspConf, ZnOldInspFormReader)

ZnModelApp* ZnOldFormReaderRegInspConf::Read() { return ReadBuildingForm(ZnOldInspForm::Interim()); }

int ZnOldFormReaderRegInspConf::IsVersionOK() { return IsBuildingVersionOK(); }
