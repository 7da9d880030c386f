#include "fdoutput/ZnDlgAppFDOut11.h"

#include "model/ZnModelAppBuild.h"
#include "model/ZnModelAppBuildConf.h"
#include "model/ZnModelAppBuildMod.h"
#include "res/FloppyOutputIds.h"
#include "res/FormViewIds.h"

namespace {
template <class T> ZnModel* MakeModel() { return new T; }
} // namespace

ZnDlgAppFDOut11::ZnDlgAppFDOut11(CWnd* pParent) : ZnDlgAppFDPage(IDD_FDOUT11, pParent) {}

const ZnFDOutPageValues& ZnDlgAppFDOut11::Values()
{
    static const ZnFDOutPageValues values{1,
                                          {{1000,
                                            110,
                                            MakeModel<ZnModelAppBuild>,
                                            MakeModel<ZnModelAppBuildConf>,
                                            {{"コメント", 50}, {"更新日", 76}, {"受付番号", 130}, {"確認済証番号", 90}},
                                            3,
                                            {},
                                            true},
                                           {1008,
                                            410,
                                            MakeModel<ZnModelAppBuild>,
                                            MakeModel<ZnModelAppBuildMod>,
                                            {{"更新日", 76}, {"受付番号", 170}, {"確認済証番号", 100}},
                                            2,
                                            {IDC_FD11_LABEL_NOTICE, IDC_FD11_EDIT_NOTICE},
                                            false}}};
    return values;
}
