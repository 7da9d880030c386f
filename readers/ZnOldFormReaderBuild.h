// What the readers of the building confirmation and of its plan change share: the application's
// pages 110 (parties) and 120 (site), the building pages 130 and 140, and the version check.
// The plan change reads the same pages with two differences: the further designers, advisers and
// supervisors of page 110 go to the building pages instead of the application's own lists (where
// the confirmation keeps those with a name), and the accompanying applications of page 120 are
// read but have nowhere to go.
#pragma once

#include "readers/ZnOldFormReader.h"

class ZnModelAppBuild;
class ZnModelAppWith;

class ZnOldFormReaderBuild : public ZnOldFormReader {
    DECLARE_DYNAMIC(ZnOldFormReaderBuild)
public:
    // 1 for data of version "6.40"; for data without a version, 1 when its page 120 holds the
    // planned start of works (12150), which older floppies lack; 0 for every other version.
    int IsVersionOK() override;

protected:
    // Reads pages 110 and 120, the building pages and the index values into app. with receives
    // the accompanying applications of a confirmation; null reads the form as a plan change.
    // FALSE when the index's count of buildings is damaged (nothing read then), or page 110, page
    // 120 or a page-130 file does not open.
    BOOL ReadBuildingForm(ZnModelAppBuild& app, ZnModelAppWith* with);
    // The path of a form file in the form folder.
    CString FormPath(LPCTSTR name) const;
};
