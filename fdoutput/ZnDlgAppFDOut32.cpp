#include "fdoutput/ZnDlgAppFDOut32.h"

#include "fdoutput/ZnInspInputCheck.h"
#include "platform/core/AfxMessageBox.h"
#include "res/FormViewIds.h"
#include "writers/fdoutput/ZnFloppyMedium.h"
#include "writers/xml/ZnAppDocFDOut30.h"

#include <iterator>

namespace {

const ZnFDInspKind kKinds[] = {{1012, 2, "昇降機"},
                               {1014, 3, "昇降機以外の建築設備"},
                               {1016, 4, "工作物（法88条1項）"},
                               {1020, 5, "工作物の昇降機"}};

std::vector<CString> CheckInspection(const ZnFDOutCheckInput& input)
{
    return ZnInspInputCheck::Run(input, ZnInspInputCheck::Page::LiftEquipmentAndStruct);
}

} // namespace

ZnDlgAppFDOut32::ZnDlgAppFDOut32(CWnd* pParent)
    : ZnDlgAppFDInspPage(IDD_FDOUT32, pParent, Values(SelectedKind(kKinds, std::size(kKinds)).objectKind),
                         SelectedKind(kKinds, std::size(kKinds)))
{
}

const ZnFDOutPageValues& ZnDlgAppFDOut32::Values(int objectKind)
{
    static const ZnFDOutPageValues values[] = {MakeValues(2, CheckInspection), MakeValues(3, CheckInspection),
                                               MakeValues(4, CheckInspection), MakeValues(5, CheckInspection)};
    return objectKind >= 2 && objectKind <= 5 ? values[objectKind - 2] : values[0];
}

CString ZnDlgAppFDOut32::NumberedDataFilePath(const CString& root, int number)
{
    CString path = ZnFloppyMedium::DataFilePath(root);
    CString numbered;
    numbered.Format("_%d.xml", number);
    return path.Left(path.GetLength() - 4) + numbered;
}

void ZnDlgAppFDOut32::OnFDOut()
{
    if (!CheckSelection(MB_ICONSTOP) || !CheckOutputFolder() || m_dlgOption.DoModal() != IDOK)
        return;
    if (m_dlgOption.m_nCheck == 0) {
        RunCheck();
        if (m_dlgCheckResult.DoModal() != IDOK)
            return;
    }
    OutputFD(ReadRequest());
}

void ZnDlgAppFDOut32::WriteFloppy(const ZnFDOutRequest& request)
{
    ZnFloppyOutput floppy(request.root, request.submissionIndex, ZnAppDocFDOut30::FormNo());
    floppy.Output(Floppies(request.root), PageCompletion());
}

std::vector<ZnFloppyOutput::Floppy> ZnDlgAppFDOut32::Floppies(const CString& root) const
{
    bool floppyEach = m_dlgOption.m_nFloppies == 1;
    std::vector<ZnFloppyOutput::Floppy> floppies;
    if (!floppyEach)
        floppies.push_back({-1, {}});
    for (int i = 0; i < m_dlgOption.m_selectedNumbers.GetSize(); ++i) {
        int number = m_dlgOption.m_selectedNumbers[i];
        if (floppyEach)
            floppies.push_back({number, {InspectionFile(number, ZnFloppyMedium::DataFilePath(root))}});
        else
            floppies.back().files.push_back(InspectionFile(number, NumberedDataFilePath(root, number)));
    }
    return floppies;
}
