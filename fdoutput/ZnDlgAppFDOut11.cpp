#include "fdoutput/ZnDlgAppFDOut11.h"

#include "fdoutput/ZnArchitectClassCheck.h"
#include "fdoutput/ZnBuildInputCheck.h"
#include "fdoutput/ZnConstNoticeCheck.h"
#include "fdoutput/ZnFDOutDocuments.h"
#include "model/ZnModelAppBuild.h"
#include "model/ZnModelAppBuildConf.h"
#include "model/ZnModelAppBuildMod.h"
#include "platform/wnd/CDataExchange.h"
#include "res/FloppyOutputIds.h"
#include "res/FormViewIds.h"
#include "storage/ZnShellState.h"
#include "writers/xml/ZnAppDocFDOut11.h"

namespace {

const int kConstructionNoticeCode = 100801;

void OutputBuilding(const ZnFDOutRequest& request)
{
    ZnAppDocFDOut11::OutputFD(request.root, request.submissionIndex, request.siteMapPath, request.layoutPath);
}

} // namespace

ZnDlgAppFDOut11::ZnDlgAppFDOut11(CWnd* pParent) : ZnDlgAppFDPage(IDD_FDOUT11, pParent, Values()) {}

const ZnFDOutPageValues& ZnDlgAppFDOut11::Values()
{
    static const ZnFDOutPageValues values{1,
                                          nullptr,
                                          false,
                                          true,
                                          {{1000,
                                            0,
                                            110,
                                            MakeEmptyModel<ZnModelAppBuild>,
                                            MakeEmptyModel<ZnModelAppBuildConf>,
                                            {{"コメント", 50}, {"更新日", 76}, {"受付番号", 130}, {"確認済証番号", 90}},
                                            3,
                                            1,
                                            {},
                                            true,
                                            nullptr,
                                            OutputBuilding},
                                           {1008,
                                            0,
                                            410,
                                            MakeEmptyModel<ZnModelAppBuild>,
                                            MakeEmptyModel<ZnModelAppBuildMod>,
                                            {{"更新日", 76}, {"受付番号", 170}, {"確認済証番号", 100}},
                                            2,
                                            -1,
                                            {IDC_FD11_LABEL_NOTICE, IDC_FD11_EDIT_NOTICE},
                                            false,
                                            nullptr,
                                            OutputBuilding}}};
    return values;
}

void ZnDlgAppFDOut11::DoDataExchange(CDataExchange* pDX)
{
    ZnDlgAppFDPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_FD11_FACE2, m_strFace2Title);
}

void ZnDlgAppFDOut11::ShowRelatedDocuments()
{
    if (TypeValues()->docType != 1000)
        return;
    ReadRegister([this] {
        SetDlgItemText(IDC_FD11_EDIT_NOTICE,
                       ZnFDOutDocuments::NewestReception(ZnFDOutDocuments::RegisterPath(),
                                                         ZnShellState::Current()->GetFrameBukkenIndex(),
                                                         kConstructionNoticeCode));
    });
}

std::vector<CString> ZnDlgAppFDOut11::CheckInput()
{
    ZnFDOutCheckInput input = MakeCheckInput();
    std::vector<CString> findings = ZnBuildInputCheck::Run(input, m_facts);
    if (input.docType == 1000) {
        // The confirmation is filed with the property's construction notice, and its designer
        // must hold a class of architect that the buildings ask for.
        for (auto check : {ZnConstNoticeCheck::CheckConstNotice, ZnArchitectClassCheck::Run})
            for (const CString& finding : check(input, m_facts))
                findings.push_back(finding);
    }
    return findings;
}
