// Compiled into every test executable: until a test installs its own script, every message
// box, picker or modal dialog fails the test at once instead of waiting for a person.
#include "tests/support/ScriptedUi.h"

namespace {
ScriptedUi failOnEverything;
} // namespace
