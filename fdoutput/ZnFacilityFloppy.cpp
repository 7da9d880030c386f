#include "fdoutput/ZnFacilityFloppy.h"

#include "writers/fdoutput/ZnFloppyMedium.h"
#include "writers/fdoutput/ZnFloppyOutput.h"

void ZnFacilityFloppy::Write(const ZnFDOutRequest& request, LPCTSTR baseFormNo, WriteXml writeXml)
{
    ZnFloppyOutput floppy(request.root, request.submissionIndex, baseFormNo);
    int selection = request.submissionIndex;
    floppy.Output(ZnFloppyMedium::DataFilePath(request.root),
                  {[writeXml, selection](const CString& path) { return writeXml(path, selection); }});
}
