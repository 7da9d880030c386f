// The index files of a floppy output, which tell the receiving side what the medium holds:
// root\Sinsei\filename, the list of the forms on the medium, and root\Info\filename.iba, the head
// record and one entry per form and number group, in CP932 with CR LF line ends. They are written
// for the active document under its base form number ("110" a building, "160" a lift, "280" an
// interim inspection ...), into the folders that ZnFloppyMedium::Prepare has emptied.
#pragma once

#include "platform/core/CString.h"

class ZnModelAppBuild;

class ZnFloppyIndexFiles {
public:
    // The files for the output page's submission choice (submissionIndex 0 writes the submission
    // code "1", 1 writes "3", any other ""), under the base form number, for every number group
    // (groupIndex -1) or only the groupIndex-th (from 1).
    ZnFloppyIndexFiles(int submissionIndex, LPCTSTR baseFormNo, int groupIndex);

    // Writes both files under root. Before the entries the application's building number groups
    // are completed to the count its document kind needs (the lifts of a lift confirmation, 1 +
    // the further structures of a structure confirmation, the certificates of an inspection, else
    // 1): the groups added stay in the active document, which is otherwise read only. A building
    // confirmation's entries end with the "#240" entry of the property's stored construction
    // notification, read apart (ReadStoredDocument; one that cannot be read is told as the
    // document's open tells it and gives no entry), and the entries of its lift, equipment,
    // structure and second lift groups. True when both files are written; false after telling that
    // a file could not be opened ("出力ファイル(filename)のオープンに失敗しました。") or written whole
    // (ZnWrittenFiles::ShowWriteFailed; the cut-off file is removed). Sinsei\filename stands
    // complete when the .iba fails.
    bool Write(LPCTSTR root) const;

    // 1 when a building page of the application holds a floor outline, else 0.
    static int HasFloorOutline(const ZnModelAppBuild& build);

private:
    CString m_base;
    CString m_code;
    int m_groupIndex;
};
