// The floppy output of an Article 88(2) structure application.
#include "writers/xml/ZnAppDocFDOut16.h"

#include "writers/fdoutput/ZnFloppyMedium.h"
#include "writers/fdoutput/ZnFloppyOutput.h"

bool ZnAppDocFDOut16::OutputFD(LPCTSTR root, int submissionIndex, LPCTSTR mitoriPath, LPCTSTR haichiPath)
{
    ZnFloppyOutput floppy(root, submissionIndex, "190", mitoriPath, haichiPath);
    return floppy.Output(ZnFloppyMedium::DataFilePath(root), {[submissionIndex](const CString& path) {
                             return WriteXml(path, submissionIndex, CString(), CString());
                         }});
}
