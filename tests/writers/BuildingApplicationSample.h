// Building applications for the tests of the building confirmation writer, put into the model
// slots of a test shell: one with every person list holding several entries (with absent
// entries among them), and one with every list empty and every value empty or zero.
#pragma once

#include "tests/support/TestShellState.h"

class ZnModelApp;
class ZnModelAppBuild;

namespace buildingsample {

const int confirmationDocType = 1000;
const int planChangeDocType = 1008;
const int applicationMode = 32786;
const int notificationMode = 32787;

// The application root and the building application of the populated sample.
ZnModelApp* PopulatedApp();
ZnModelAppBuild* PopulatedBuild();

// Puts the populated sample into the shell's slots with the given document type: a confirmation
// (1000) in the third slot for type 1000, the plan change for 1008.
void InstallPopulated(testsupport::TestShellState& shell, int docType);
// Puts new, empty objects of the same classes into the slots.
void InstallEmpty(testsupport::TestShellState& shell, int docType);

} // namespace buildingsample
