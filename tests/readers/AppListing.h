// A listing of the lift, equipment, structure and semi-structure applications for the reader
// tests: one line per member, "name: value", as the texts stand (CP932). A part's members stand in parentheses in
// declaration order, separated by ", "; a date is "era year-month-day"; a list gives one line
// per element, "name[i]: value".
#pragma once

#include "model/ZnModelAppEquipMod.h"
#include "model/ZnModelAppLiftMod.h"
#include "model/ZnModelAppSemiStrMod.h"
#include "model/ZnModelAppStructMod.h"
#include "model/ZnModelNumGroup.h"

#include <string>

namespace readertest {

// The header from the index: header number, document kind and the building groups.
std::string HeaderListing(const ZnModelApp& app);
// The members of each family after the header.
std::string AppListing(const ZnModelAppLift& app);
std::string AppListing(const ZnModelAppEquip& app);
std::string AppListing(const ZnModelAppStruct& app);
std::string AppListing(const ZnModelAppSemiStr& app);
// The two members that a plan change adds.
template <typename Family> std::string PlanChangeListing(const ZnModelAppPlanChange<Family>& app);

} // namespace readertest
