#include "fdoutput/ZnDlgAppFDInspPage.h"

#include "model/ZnModelAppCompInspConf.h"
#include "model/ZnModelAppRegInspConf.h"
#include "platform/wnd/CDataExchange.h"
#include "res/FloppyOutputIds.h"
#include "storage/ZnShellState.h"
#include "writers/ZnAppDocFDOut00.h"
#include "writers/fdoutput/ZnFloppyOutput.h"
#include "writers/xml/ZnAppDocFDOut30.h"

namespace {
const int kInterimInspection = 1002;
const int kCompletionInspection = 1005;
} // namespace

ZnDlgAppFDInspPage::ZnDlgAppFDInspPage(UINT nIDTemplate, CWnd* pParent, const ZnFDOutPageValues& values,
                                       const ZnFDInspKind& kind)
    : ZnDlgAppFDPage(nIDTemplate, pParent, values), m_strRowTitle(kind.rowTitle)
{
}

ZnFDOutPageValues ZnDlgAppFDInspPage::MakeValues(int objectKind,
                                                 std::vector<CString> (*check)(const ZnFDOutCheckInput&))
{
    const std::vector<ZnFDOutColumn> columns{{"更新日", 76}, {"受付番号", 170}, {"確認済証番号", 100}};
    return {objectKind,
            nullptr,
            false,
            false,
            {{kInterimInspection,
              0,
              objectKind + 280,
              MakeEmptyModel<ZnModelAppInspConf>,
              MakeEmptyModel<ZnModelAppRegInspConf>,
              columns,
              2,
              -1,
              {},
              false,
              check,
              nullptr},
             {kCompletionInspection,
              0,
              objectKind + 210,
              MakeEmptyModel<ZnModelAppInspConf>,
              MakeEmptyModel<ZnModelAppCompInspConf>,
              columns,
              2,
              -1,
              {},
              false,
              check,
              nullptr}}};
}

const ZnFDInspKind& ZnDlgAppFDInspPage::SelectedKind(const ZnFDInspKind* kinds, int count)
{
    ZnShellState* shell = ZnShellState::Current();
    int selection = shell ? shell->GetObjKind() : 0;
    for (int i = 0; i < count; ++i)
        if (kinds[i].selection == selection)
            return kinds[i];
    return kinds[0];
}

void ZnDlgAppFDInspPage::DoDataExchange(CDataExchange* pDX)
{
    ZnDlgAppFDPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_FDP_ROW_TITLE, m_strRowTitle);
}

ZnFloppyOutput::DataFile ZnDlgAppFDInspPage::InspectionFile(int number, const CString& path)
{
    return {path, {[number](const CString& file) { return ZnAppDocFDOut30::WriteXml(number, 0, file); }}};
}

ZnFloppyOutput::Completion ZnDlgAppFDInspPage::PageCompletion()
{
    return [this] {
        MessageBox(ZnFloppyOutput::DoneText(ZnAppDocFDOut00::GetDocTitle(m_values.objectKind)), nullptr, MB_OK);
    };
}
