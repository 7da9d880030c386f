// The sample data set that the program can be tried on, in four sub-folders of one folder:
//   bukken/  the property register APP_BUKKEN.mdb and the property folders (the value ZnObj);
//   common/  the reference data APP_USER_REGIST.mdb (ZnCom);
//   codes/   the code databases COM_CODE.mdb and COM_CHIIKI.mdb, which belong in the
//            application folder (ZnApp);
//   export/  an empty destination for the export (ZnDst).
#pragma once

#include <string>

namespace sampledata {

extern const char registerFolderName[];
extern const char referenceFolderName[];
extern const char codesFolderName[];
extern const char exportFolderName[];

// Writes the data set into a folder (a Linux path), creating it and its sub-folders as needed.
// A folder that holds any database of the set already is refused (the database layer's error 3204,
// naming the first one found by its Linux path) before anything in it changes; any other failure
// raises its error and leaves what was written.
void MakeSampleDataSet(const std::string& folder);

} // namespace sampledata
