#include "model/ZnModelYearCode.h"

#include "model/ZnModelDate.h"

IMPLEMENT_SERIAL(ZnModelYearCode, ZnModelCode, VERSIONABLE_SCHEMA | 256)

namespace {

// The offset between the western year and the year of an era: only the eras with an era code
// convert; the others keep the western year.
int EraYearOffset(int era)
{
    return ZnModelDate::GetEraCode(era).IsEmpty() ? 0 : ZnModelDate::GetEraFirstYear(era) - 1;
}

// Years read from a file may be anything: the sum wraps to 32 bits instead of overflowing.
int WrappingAdd(int year, int offset) { return static_cast<int>(static_cast<long long>(year) + offset); }

bool IsKnownEra(int era) { return era >= 0 && era <= 4; }

} // namespace

int ZnModelYearCode::SetEraYear(int eraYear, int era)
{
    if (eraYear == 0) {
        m_year = 0;
        return 0;
    }
    if (!IsKnownEra(era))
        return eraYear;
    m_year = WrappingAdd(eraYear, EraYearOffset(era));
    return m_year;
}

int ZnModelYearCode::GetEraYear(int era) const
{
    if (m_year == 0 || !IsKnownEra(era))
        return m_year;
    return WrappingAdd(m_year, -EraYearOffset(era));
}

void ZnModelYearCode::Serialize(CArchive& ar)
{
    SerializeKind(ar, RUNTIME_CLASS(ZnModelYearCode));
    SerializeFields(ar, m_year);
}
