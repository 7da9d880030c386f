#include "readers/ZnOldFormFields.h"

#include "readers/ZnOldDataVersion.h"
#include "readers/ZnOldFormReader.h"

ZnModelDate ZnOldFormFields::Date(const CString& text)
{
    ZnModelDate date;
    date.SetDateString(text);
    return date;
}

JkModelName ZnOldFormFields::Name(const CString& name, const CString& reading)
{
    JkModelName record;
    record.m_name = name;
    record.m_nameReading = reading;
    return record;
}

JkModelAddress ZnOldFormFields::AddressLine(const CString& line)
{
    JkModelAddress address;
    address.m_address = line;
    return address;
}

ZnModelNum ZnOldFormFields::Num(const CString& number, const CString& date, const CString& issuer)
{
    ZnModelNum num;
    num.SetNumber(number);
    num.SetDate(Date(date));
    num.SetFurtherText(issuer);
    return num;
}

void ZnOldFormFields::SetUsage(ZnModelAppConstDemUsage& usage, const CString& categoryCode, const CString& usageCode)
{
    for (int category = 1; category <= 3; ++category) {
        ZnModelAppConstDemUsage probe;
        probe.m_category = category;
        if (probe.GetUsageCode() == categoryCode)
            usage.m_category = category;
    }
    usage.m_usage.SetCode(usageCode);
}

int ZnOldFormFields::AcceptsFormVersion(ZnOldFormReader& reader, const CString& path, int code, int otherCode)
{
    const CString& version = reader.m_indexColumns[ZnOldFormReader::columnVersion];
    if (!version.IsEmpty())
        return ZnOldDataVersion::IsKnown(version) ? 1 : 0;
    return HasRecord(reader, path, code, otherCode, confirmationFields) ? 1 : 0;
}

bool ZnOldFormFields::HasRecord(ZnOldFormReader& reader, const CString& path, int code, int otherCode, int minFields)
{
    if (path.IsEmpty() || !reader.OpenDataFile(path))
        return false;
    bool found = false;
    CStringArray fields;
    while (!found && reader.ReadRecord(fields)) {
        if (fields.GetSize() == 0 || fields.GetSize() < minFields)
            continue;
        int itemCode = ZnOldFormReader::GetItemCode(fields[0]);
        found = itemCode == code || itemCode == otherCode;
    }
    reader.CloseDataFile();
    return found;
}
