// The property register of the sample data set: APP_BUKKEN.mdb with six properties and their
// documents, and beside it a folder per property holding the document files, as the program
// finds them (register folder + "\" + property name + "\" + file name).
#pragma once

#include <string>

namespace sampledata {

// Writes the register into an existing folder (a Linux path). The register is written first and
// an existing one is never replaced (the database layer's error 3204); any failure raises the
// database layer's or the file layer's error and leaves what was written so far.
void MakeSampleRegister(const std::string& folder);

} // namespace sampledata
