#include "fdoutput/ZnDlgAppFDOut16.h"

#include "fdoutput/ZnFDOutAttachments.h"
#include "fdoutput/ZnSemiStrInputCheck.h"
#include "model/ZnModelAppSemiStrConf.h"
#include "model/ZnModelAppSemiStrMod.h"
#include "res/FloppyOutputIds.h"
#include "res/FormViewIds.h"
#include "writers/xml/ZnAppDocFDOut16.h"

namespace {

const int kPlanChange = 1008;

void OutputSemiStructure(const ZnFDOutRequest& request)
{
    ZnAppDocFDOut16::OutputFD(request.root, request.submissionIndex, request.siteMapPath, request.layoutPath);
}

} // namespace

ZnDlgAppFDOut16::ZnDlgAppFDOut16(CWnd* pParent) : ZnDlgAppFDPage(IDD_FDOUT16, pParent, Values()) {}

const ZnFDOutPageValues& ZnDlgAppFDOut16::Values()
{
    static const ZnFDOutPageValues values{6,
                                          nullptr,
                                          false,
                                          false,
                                          {{1000,
                                            0,
                                            190,
                                            MakeEmptyModel<ZnModelAppSemiStr>,
                                            MakeEmptyModel<ZnModelAppSemiStrConf>,
                                            {{"コメント", 50}, {"更新日", 76}, {"受付番号", 130}, {"確認済証番号", 90}},
                                            3,
                                            1,
                                            {},
                                            true,
                                            ZnSemiStrInputCheck::Run,
                                            OutputSemiStructure},
                                           {kPlanChange,
                                            0,
                                            450,
                                            MakeEmptyModel<ZnModelAppSemiStr>,
                                            MakeEmptyModel<ZnModelAppSemiStrMod>,
                                            {{"更新日", 76}, {"受付番号", 130}, {"確認済証番号", 84}},
                                            2,
                                            -1,
                                            {},
                                            false,
                                            ZnSemiStrInputCheck::Run,
                                            OutputSemiStructure}}};
    return values;
}

void ZnDlgAppFDOut16::OnFDOut()
{
    ZnFDOutRequest request = ReadRequest();
    if (ZnFDOutAttachments::CheckAttachments(request.siteMapPath, request.layoutPath))
        ZnDlgAppFDPage::OnFDOut();
}
