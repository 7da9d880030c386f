// The floppy output of an Article 88(2) structure application.
#include "writers/xml/ZnAppDocFDOut16.h"

#include "writers/ZnAppDocFDOut00.h"

bool ZnAppDocFDOut16::OutputFD(LPCTSTR root, int submissionIndex, LPCTSTR mitoriPath, LPCTSTR haichiPath)
{
    ZnAppDocFDOut00 support;
    if (!support.PrepareMedia(root, "Keikaku") || !support.CopyMapBitmaps(root, mitoriPath, haichiPath) ||
        !support.WriteIndexFiles(root, submissionIndex, "190", -1))
        return false;
    CString path = ZnAppDocFDOut00::GetMediaDataFilePath(root);
    int failures = ZnAppDocFDOut00::WriteFailures();
    int written = ZnAppDocFDOut00::FilesWritten();
    WriteXml(path, submissionIndex, mitoriPath, haichiPath);
    if (ZnAppDocFDOut00::WriteFailures() != failures) {
        ZnAppDocFDOut00::ShowWriteFailed(path);
        return false;
    }
    return ZnAppDocFDOut00::FilesWritten() != written;
}
