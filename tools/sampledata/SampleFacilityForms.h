// The other documents of the sample set: the applications for a lift, for building equipment,
// for structures under Article 88 (1) and (2), and the construction, demolition and safety-plan
// notifications. Each takes the application root that the document starts from and the project
// it describes.
#pragma once

#include "model/ZnModelAppConstNotif.h"
#include "model/ZnModelAppDemNotif.h"
#include "model/ZnModelAppEquipConf.h"
#include "model/ZnModelAppLiftConf.h"
#include "model/ZnModelAppLiftMod.h"
#include "model/ZnModelAppSafeNotif.h"
#include "model/ZnModelAppSemiStrConf.h"
#include "model/ZnModelAppStructConf.h"
#include "tools/sampledata/SampleDocuments.h"

namespace sampledata {

// The passenger lift of the project's building.
ZnModelAppLiftConf MakeLiftConf(const ZnModelApp& root, const SampleProject& project);
// The plan change of that lift: a larger car.
ZnModelAppLiftMod MakeLiftMod(const ZnModelApp& root, const SampleProject& project);
ZnModelAppEquipConf MakeEquipConf(const ZnModelApp& root, const SampleProject& project);
// The project as an advertising tower.
ZnModelAppStructConf MakeStructConf(const ZnModelApp& root, const SampleProject& project);
// The project as a manufacturing plant.
ZnModelAppSemiStrConf MakeSemiStrConf(const ZnModelApp& root, const SampleProject& project);
ZnModelAppConstNotif MakeConstNotif(const ZnModelApp& root, const SampleProject& project);
// The demolition of the old warehouse on the project's site.
ZnModelAppDemNotif MakeDemNotif(const ZnModelApp& root, const SampleProject& project);
ZnModelAppSafeNotif MakeSafeNotif(const ZnModelApp& root, const SampleProject& project);

} // namespace sampledata
