// The building documents of the sample set: the confirmation and plan-change applications of a
// building and the interim and completion inspections that rest on its confirmation. Each takes
// the application root that the document starts from and the project it describes.
#pragma once

#include "model/ZnModelAppBuildConf.h"
#include "model/ZnModelAppBuildMod.h"
#include "model/ZnModelAppCompInspConf.h"
#include "model/ZnModelAppRegInspConf.h"
#include "tools/sampledata/SampleDocuments.h"

namespace sampledata {

ZnModelAppBuildConf MakeBuildingConf(const ZnModelApp& root, const SampleProject& project);
// The plan change of the project's confirmation: one more floor area and a changed outer wall.
ZnModelAppBuildMod MakeBuildingMod(const ZnModelApp& root, const SampleProject& project);
ZnModelAppRegInspConf MakeInterimInspection(const ZnModelApp& root, const SampleProject& project);
// The completion inspection; its history holds the interim inspection when the project has a
// specified stage.
ZnModelAppCompInspConf MakeCompletionInspection(const ZnModelApp& root, const SampleProject& project);

} // namespace sampledata
