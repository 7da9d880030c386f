// The floppy output of a building application.
#include "writers/xml/ZnAppDocFDOut11.h"

#include "writers/ZnAppDocFDOut00.h"

void ZnAppDocFDOut11::OutputFD(LPCTSTR root, int submissionIndex, LPCTSTR mitoriPath, LPCTSTR haichiPath)
{
    ZnAppDocFDOut00 support;
    if (!support.PrepareMedia(root, "Keikaku") || !support.CopyMapBitmaps(root, mitoriPath, haichiPath) ||
        !support.WriteIndexFiles(root, submissionIndex, "110", -1))
        return;
    // The application's data as one file, the same bytes as the export writes for the document.
    CString path = ZnAppDocFDOut00::GetMediaDataFilePath(root);
    int failures = ZnAppDocFDOut00::WriteFailures();
    WriteXml(path);
    if (ZnAppDocFDOut00::WriteFailures() != failures)
        ZnAppDocFDOut00::ShowWriteFailed(path);
}
