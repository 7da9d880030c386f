#include "fdoutput/ZnDlgAppFDOut31.h"

#include "fdoutput/ZnFDOutAttachments.h"
#include "fdoutput/ZnInspInputCheck.h"
#include "model/ZnModelAppBuild.h"
#include "model/ZnModelAppCompInspConf.h"
#include "model/ZnModelAppSemiStr.h"
#include "platform/core/AfxMessageBox.h"
#include "res/FormViewIds.h"
#include "storage/ZnShellState.h"
#include "writers/ZnAppDocFDOut00.h"
#include "writers/fdoutput/ZnFloppyMedium.h"
#include "writers/xml/ZnAppDocFDOut30.h"

#include <iterator>

namespace {

const int kBuilding = 1;
const int kSemiStructure = 6;
const int kCompletionInspection = 1005;

const ZnFDInspKind kKinds[] = {{1023, kBuilding, "建築物"}, {1018, kSemiStructure, "工作物（法88条2項）"}};

std::vector<CString> CheckInspection(const ZnFDOutCheckInput& input)
{
    return ZnInspInputCheck::Run(input, ZnInspInputCheck::Page::BuildingAndSemiStr);
}

// The confirmation application that the loaded inspection carries, when it is of Application's class.
template <class Application> const Application* CarriedApplication()
{
    const auto* inspection =
        dynamic_cast<const ZnModelAppInspConf*>(ZnShellState::Current()->GetModel(ZnShellState::subFormModelSlot));
    return inspection ? dynamic_cast<const Application*>(inspection->m_baseApp.Get()) : nullptr;
}

} // namespace

ZnDlgAppFDOut31::ZnDlgAppFDOut31(CWnd* pParent)
    : ZnDlgAppFDInspPage(IDD_FDOUT31, pParent, Values(SelectedKind(kKinds, std::size(kKinds)).objectKind),
                         SelectedKind(kKinds, std::size(kKinds)))
{
}

const ZnFDOutPageValues& ZnDlgAppFDOut31::Values(int objectKind)
{
    static const ZnFDOutPageValues building = MakeValues(kBuilding, CheckInspection);
    static const ZnFDOutPageValues semiStructure = MakeValues(kSemiStructure, CheckInspection);
    return objectKind == kSemiStructure ? semiStructure : building;
}

void ZnDlgAppFDOut31::OnFDOut()
{
    if (!CheckSelection(MB_ICONSTOP))
        return;
    ZnFDOutRequest request = ReadRequest();
    if (ZnFDOutAttachments::CheckAttachments(request.siteMapPath, request.layoutPath) && CheckOutputFolder() &&
        ConfirmAndCheck())
        OutputFD(request);
}

void ZnDlgAppFDOut31::WriteFloppy(const ZnFDOutRequest& request)
{
    ZnFloppyOutput floppy(request.root, request.submissionIndex, ZnAppDocFDOut30::FormNo(), request.siteMapPath,
                          request.layoutPath);
    CString path = ZnFloppyMedium::DataFilePath(request.root);
    // The carried application's writer runs the converter and tells the completion in its stead.
    CarriedWriter writeCarried = CarriedApplicationWriter();
    ZnFloppyOutput::Completion done = writeCarried ? ZnFloppyOutput::Completion() : PageCompletion();
    if (floppy.Output({{-1, {InspectionFile(1, path)}}}, done) && writeCarried) {
        writeCarried(path);
        ReloadAfterCarriedApplication();
    }
}

ZnDlgAppFDOut31::CarriedWriter ZnDlgAppFDOut31::CarriedApplicationWriter() const
{
    if (m_values.objectKind == kBuilding && CarriedApplication<ZnModelAppBuild>())
        return ZnAppDocFDOut30::WriteBuildFaces;
    // Only a completion inspection's structure application is written; an interim inspection
    // goes alone.
    if (m_values.objectKind == kSemiStructure && TypeValues()->docType == kCompletionInspection &&
        CarriedApplication<ZnModelAppSemiStr>())
        return ZnAppDocFDOut30::WriteSemiStrXml;
    return nullptr;
}

void ZnDlgAppFDOut31::ReloadAfterCarriedApplication()
{
    int code = ZnAppDocFDOut00::GetDocKindCode(m_values.objectKind);
    ZnShellState::Current()->SetCurrentDocument(code, ZnAppDocFDOut00::GetDocTitle(m_values.objectKind),
                                                TypeValues()->formNo);
    LoadSelectedDocument();
}
