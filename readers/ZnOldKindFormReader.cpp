#include "readers/ZnOldKindFormReader.h"

#include "platform/files/CFileFind.h"
#include "readers/ZnOldDataVersion.h"
#include "readers/ZnOldFormItems.h"

namespace {

// The plan-change page's certificate and summary as the page's records leave them.
struct PageWork {
    ZnModelNum& certificate;
    CString& summary;
};

} // namespace

bool ZnOldKindFormReader::ReadPlanChangePage(ZnModelNum& certificate, CString& summary)
{
    if (!OpenForm(m_kind.pageFile))
        return false;
    FormCloser closer(*this);
    const std::vector<ZnOldFormItems::Row<PageWork>> rows = {
        {m_kind.pageItem, ZnOldFormItems::planChangeFields, [](PageWork& w, const CStringArray& f) {
             w.certificate = ZnOldFormItems::Number(f);
             w.summary = f[4];
         }}};
    PageWork work{certificate, summary};
    ReadFormItems(*this, rows, work);
    return true;
}

bool ZnOldKindFormReader::FillHeader(ZnModelApp& app)
{
    if (m_kind.buildingNumber == numberOne)
        SetBuildingNo(1);
    if (m_kind.withHeader) {
        // No accompanying applications: those are a building confirmation's.
        for (int column = columnLifts; column <= columnStructures; ++column)
            m_indexColumns[column] = "0";
        m_withSentinel = "0";
        if (!SetAppHeader(&app))
            return false;
    }
    SetAppCommon(&app);
    return true;
}

int ZnOldKindFormReader::IsVersionOK()
{
    const CString& version = m_indexColumns[columnVersion];
    if (!version.IsEmpty())
        return ZnOldDataVersion::IsKnownUpTo(version, m_kind.newestVersion) ? 1 : 0;
    CFileFind find;
    if (!find.FindFile(FormPath(m_kind.searchPattern)))
        return 0;
    if (m_kind.markerItem == 0)
        return 1;
    return HasMarker() ? 1 : 0;
}

bool ZnOldKindFormReader::HasMarker()
{
    if (!OpenForm(m_kind.formFile))
        return false;
    FormCloser closer(*this);
    CStringArray fields;
    while (ReadRecord(fields))
        if (fields.GetSize() >= m_kind.markerFields && GetItemCode(fields[0]) == m_kind.markerItem)
            return true;
    return false;
}
