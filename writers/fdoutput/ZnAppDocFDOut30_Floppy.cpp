// The floppy output of an inspection application: the medium and index files, then, after the
// inspection's own data file, the confirmation application that the inspection rests on.
#include "writers/xml/ZnAppDocFDOut30.h"

#include "model/ZnModelAppBuild.h"
#include "model/ZnModelAppCompInspConf.h"
#include "model/ZnModelAppRegInspConf.h"
#include "model/ZnModelAppSemiStr.h"
#include "platform/core/AfxMessageBox.h"
#include "platform/files/WinFileApi.h"
#include "storage/ZnShellState.h"
#include "writers/ZnAppDocFDOut00.h"
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

// Appends faces two to five of the building application in order, up to the first that is not
// written: its outcome, or written.
ZnWriteOutcome AppendBuildingFaces(CString path)
{
    for (int face = 2; face <= 5; ++face) {
        ZnWriteOutcome outcome = ZnAppDocFDOut11::TryWriteFace(path, face);
        if (outcome != ZnWriteOutcome::written)
            return outcome;
    }
    return ZnWriteOutcome::written;
}

ZnWriteOutcome AppendSemiStructure(CString path) { return ZnAppDocFDOut16::AppendXml(path); }

} // namespace

void ZnAppDocFDOut30::SetFormNo()
{
    int docType = ZnShellState::Current()->GetDocType();
    if (docType == kInterimDocType)
        m_formNo = "280";
    else if (docType == kCompletionDocType)
        m_formNo = "210";
}

int ZnAppDocFDOut30::PrepareFD(CString root, int submissionIndex, int groupIndex)
{
    ZnAppDocFDOut00 support;
    SetFormNo();
    return support.PrepareMedia(root, "Keikaku") &&
           support.WriteIndexFiles(root, submissionIndex, m_formNo, groupIndex);
}

int ZnAppDocFDOut30::PrepareFDWithMaps(CString root, int submissionIndex, CString mitoriPath, CString haichiPath)
{
    ZnAppDocFDOut00 support;
    SetFormNo();
    return support.PrepareMedia(root, "Keikaku") && support.CopyMapBitmaps(root, mitoriPath, haichiPath) &&
           support.WriteIndexFiles(root, submissionIndex, m_formNo, -1);
}

bool ZnAppDocFDOut30::WriteInspectedApplication(const ZnModelApp& inspected, ZnModelApp* form,
                                                ZnWriteOutcome (*writeBody)(CString), CString path)
{
    ZnShellState* shell = ZnShellState::Current();
    ZnModelApp* root = new ZnModelApp;
    *root = inspected;
    // The copies are made first: the inspection model deleted here owns the inspected application.
    shell->ReplaceModel(ZnShellState::appModelSlot, root);
    shell->ReplaceModel(ZnShellState::formModelSlot, form);
    shell->ReplaceModel(ZnShellState::subFormModelSlot, nullptr);
    ZnWriteOutcome outcome = writeBody(path);
    shell->ReplaceModel(ZnShellState::appModelSlot, new ZnModelApp);
    shell->ReplaceModel(ZnShellState::formModelSlot, nullptr);
    if (outcome == ZnWriteOutcome::written)
        return true;
    // A part that is not written ends the data file, and no part of it stays: the inspection
    // before it without the application it rests on would be taken for a whole one.
    DeleteFile(path);
    if (outcome == ZnWriteOutcome::cutOff)
        ZnAppDocFDOut00::ShowWriteFailed(path);
    return false;
}

void ZnAppDocFDOut30::ReportDone(CString path, int objectNo)
{
    ZnShellState::Current()->RunTxt2Xml(path);
    AfxMessageBox(ZnAppDocFDOut00::GetDocTitle(objectNo) + "のFD出力が終了しました", MB_OK | MB_ICONINFORMATION);
}

void ZnAppDocFDOut30::WriteBuildFaces(CString path)
{
    const ZnModelAppBuild* inspected = InspectedApplication<ZnModelAppBuild>(ZnShellState::Current()->GetDocType());
    if (!inspected)
        return TellNoInspectedApplication();
    ZnModelAppBuild* build = new ZnModelAppBuild;
    *build = *inspected;
    if (WriteInspectedApplication(*inspected, build, AppendBuildingFaces, path))
        ReportDone(path, kBuildingObject);
}

void ZnAppDocFDOut30::WriteSemiStrXml(CString path)
{
    const ZnModelAppSemiStr* inspected = InspectedApplication<ZnModelAppSemiStr>(kCompletionDocType);
    if (ZnShellState::Current()->GetDocType() != kCompletionDocType || !inspected)
        return TellNoInspectedApplication();
    ZnModelAppSemiStr* structure = new ZnModelAppSemiStr;
    *structure = *inspected;
    if (WriteInspectedApplication(*inspected, structure, AppendSemiStructure, path))
        ReportDone(path, kSemiStructureObject);
}
