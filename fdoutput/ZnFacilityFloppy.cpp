#include "fdoutput/ZnFacilityFloppy.h"

#include "writers/ZnAppDocFDOut00.h"
#include "writers/fdoutput/ZnFloppyOutput.h"

void ZnFacilityFloppy::Write(const ZnFDOutRequest& request, LPCTSTR baseFormNo, WriteXml writeXml)
{
    ZnFloppyOutput floppy(request.root, request.submissionIndex, baseFormNo);
    floppy.Output(ZnAppDocFDOut00::GetMediaDataFilePath(request.root), {writeXml});
}
