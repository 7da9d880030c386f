// The floppy output of an inspection application: the medium and index files, then, after the
// inspection's own data file, the confirmation application that the inspection rests on.
#include "writers/xml/ZnAppDocFDOut30.h"

#include "model/ZnModelAppBuild.h"
#include "model/ZnModelAppCompInspConf.h"
#include "model/ZnModelAppRegInspConf.h"
#include "model/ZnModelAppSemiStr.h"
#include "platform/core/AfxMessageBox.h"
#include "storage/ZnShellState.h"
#include "writers/ZnAppDocFDOut00.h"
#include "writers/fdoutput/ZnFloppyOutput.h"
#include "writers/xml/ZnAppDocFDOut11.h"
#include "writers/xml/ZnAppDocFDOut16.h"

namespace {

const int kInterimDocType = 1002;
const int kCompletionDocType = 1005;
const int kBuildingObject = 1;
const int kSemiStructureObject = 6;

// The confirmation application held by the inspection model of the document type (interim or
// completion) in the third slot, as Application; null when there is none of that class.
template <typename Application> const Application* InspectedApplication(int docType)
{
    ZnModel* model = ZnShellState::Current()->GetModel(ZnShellState::subFormModelSlot);
    const ZnModelAppInspConf* inspection = nullptr;
    if (docType == kInterimDocType)
        inspection = dynamic_cast<const ZnModelAppRegInspConf*>(model);
    else if (docType == kCompletionDocType)
        inspection = dynamic_cast<const ZnModelAppCompInspConf*>(model);
    return inspection ? dynamic_cast<const Application*>(inspection->m_baseApp.Get()) : nullptr;
}

void TellNoInspectedApplication()
{
    AfxMessageBox("検査の対象となる確認申請書のデータがありません。", MB_OK | MB_ICONSTOP);
}

// Faces two to five of the building application, each appended as a part of the data file.
const std::vector<ZnFloppyOutput::Part> kBuildingFaces = {
    ZnAppDocFDOut11::WriteSecondFace, ZnAppDocFDOut11::WriteThirdFace, ZnAppDocFDOut11::WriteFourthFace,
    ZnAppDocFDOut11::WriteFifthFace};

} // namespace

CString ZnAppDocFDOut30::FormNo()
{
    int docType = ZnShellState::Current()->GetDocType();
    return docType == kInterimDocType ? "280" : docType == kCompletionDocType ? "210" : "";
}

int ZnAppDocFDOut30::PrepareFD(CString root, int submissionIndex, int groupIndex)
{
    return ZnFloppyOutput(root, submissionIndex, FormNo()).Prepare(groupIndex) ? 1 : 0;
}

int ZnAppDocFDOut30::PrepareFDWithMaps(CString root, int submissionIndex, CString mitoriPath, CString haichiPath)
{
    return ZnFloppyOutput(root, submissionIndex, FormNo(), mitoriPath, haichiPath).Prepare() ? 1 : 0;
}

bool ZnAppDocFDOut30::WriteInspectedApplication(const ZnModelApp& inspected, ZnModelApp* form,
                                                const std::vector<ZnFloppyOutput::Part>& parts, CString path)
{
    ZnShellState* shell = ZnShellState::Current();
    ZnModelApp* root = new ZnModelApp;
    *root = inspected;
    // The copies are made first: the inspection model deleted here owns the inspected application.
    shell->ReplaceModel(ZnShellState::appModelSlot, root);
    shell->ReplaceModel(ZnShellState::formModelSlot, form);
    shell->ReplaceModel(ZnShellState::subFormModelSlot, nullptr);
    // The parts follow the inspection in its data file, which goes whole with them or not at all.
    bool whole = ZnFloppyOutput::WriteDataFile(path, parts);
    shell->ReplaceModel(ZnShellState::appModelSlot, new ZnModelApp);
    shell->ReplaceModel(ZnShellState::formModelSlot, nullptr);
    return whole;
}

void ZnAppDocFDOut30::WriteBuildFaces(CString path)
{
    const ZnModelAppBuild* inspected = InspectedApplication<ZnModelAppBuild>(ZnShellState::Current()->GetDocType());
    if (!inspected)
        return TellNoInspectedApplication();
    ZnModelAppBuild* build = new ZnModelAppBuild;
    *build = *inspected;
    if (WriteInspectedApplication(*inspected, build, kBuildingFaces, path))
        ZnFloppyOutput::ReportDone(path, ZnAppDocFDOut00::GetDocTitle(kBuildingObject));
}

void ZnAppDocFDOut30::WriteSemiStrXml(CString path)
{
    const ZnModelAppSemiStr* inspected = InspectedApplication<ZnModelAppSemiStr>(kCompletionDocType);
    if (ZnShellState::Current()->GetDocType() != kCompletionDocType || !inspected)
        return TellNoInspectedApplication();
    ZnModelAppSemiStr* structure = new ZnModelAppSemiStr;
    *structure = *inspected;
    if (WriteInspectedApplication(*inspected, structure, {ZnAppDocFDOut16::AppendXml}, path))
        ZnFloppyOutput::ReportDone(path, ZnAppDocFDOut00::GetDocTitle(kSemiStructureObject));
}
