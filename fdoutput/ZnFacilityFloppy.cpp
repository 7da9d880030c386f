#include "fdoutput/ZnFacilityFloppy.h"

#include "writers/ZnAppDocFDOut00.h"

void ZnFacilityFloppy::Write(const ZnFDOutRequest& request, LPCTSTR baseFormNo, WriteXml writeXml)
{
    ZnAppDocFDOut00 support;
    if (!support.PrepareMedia(request.root, "Keikaku") ||
        !support.WriteIndexFiles(request.root, request.submissionIndex, baseFormNo, -1))
        return;
    CString path = ZnAppDocFDOut00::GetMediaDataFilePath(request.root);
    int failures = ZnAppDocFDOut00::WriteFailures();
    writeXml(path, request.submissionIndex);
    if (ZnAppDocFDOut00::WriteFailures() != failures)
        ZnAppDocFDOut00::ShowWriteFailed(path);
}
