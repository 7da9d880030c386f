// The medium of a floppy output under its output root (a folder, or a drive such as "A:"): its
// check, the folders it is given, the map bitmaps copied onto it and where its data file stands.
// Each step returns true when done and false after a failure that it has told in one message box,
// with nothing done after it; what was deleted, created or copied before the failure stays.
#pragma once

#include "platform/core/CString.h"

class ZnFloppyMedium {
public:
    virtual ~ZnFloppyMedium() = default;

    // Makes the output root ready for a floppy output. First the medium check (CheckMedium
    // through LookForEntries) with the floppy's texts: the media message has Retry and Cancel
    // while the drive is not ready, OK for any other failure (a missing root or drive among
    // them). Then root\dataFolder, root\Sinsei and root\Info are each emptied of their files, or
    // created when missing: a folder inside one, or a file that cannot be deleted, gives the media
    // message; a folder that cannot be created (such as where a file of its name stands) the
    // message that the application's folder could not be made.
    bool Prepare(LPCTSTR root, LPCTSTR dataFolder) const;
    // Prepares root\Mitori and root\Haichi as Prepare prepares its folders, then copies each map
    // that has a source path, the site map (見取図) into Mitori and the layout plan (配置図) into
    // Haichi, and into the current property's folder, replacing a file there: as Ksq310.bmp and
    // Ksq330.bmp for the object kinds 1023 and 1009, else as Ksq320.bmp and Ksq340.bmp. A source
    // that CheckBitmapFile refuses, or a copy that fails, is told with the map's own message; no
    // cut-off copy is left. A source that is the property's copy itself counts as copied.
    static bool CopyMapBitmaps(LPCTSTR root, LPCTSTR mitoriPath, LPCTSTR haichiPath);
    // The data file in the folder that Prepare empties for it: root + "\Keikaku\申請書データ.xml".
    static CString DataFilePath(LPCTSTR root);

protected:
    // The medium check's search (SearchForEntries); a test feeds it the drive's answers.
    virtual DWORD LookForEntries(const CString& pattern) const;
};
