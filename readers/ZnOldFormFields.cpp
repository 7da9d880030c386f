#include "readers/ZnOldFormFields.h"

#include "readers/ZnOldFormReader.h"

namespace {

const TCHAR partSeparator = '-';

CString Part(const CString& value, int n) { return ZnOldFormReader::GetSplitField(value, partSeparator, n); }

} // namespace

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

JkModelIndividualData ZnOldFormFields::Person(const JkModelName& name, const CStringArray& fields, int postalField)
{
    JkModelAddress address;
    address.m_postalCode1 = Part(fields[postalField], 1);
    address.m_postalCode2 = Part(fields[postalField], 2);
    address.m_address = fields[postalField + 1];
    const CString& telephoneText = fields[postalField + 2];
    JkModelTelNumber telephone;
    telephone.m_firstPart = Part(telephoneText, 1);
    telephone.m_secondPart = Part(telephoneText, 2);
    telephone.m_thirdPart = Part(telephoneText, 3);
    JkModelIndividualData person;
    person.SetName(name);
    person.SetAddress(address);
    person.SetTelNumber(telephone);
    return person;
}

ZnModelOwner ZnOldFormFields::Owner(const CStringArray& fields)
{
    ZnModelOwner owner;
    owner.SetIndividualData(Person(Name(fields[2], fields[1]), fields, 3));
    return owner;
}

ZnModelConstructor ZnOldFormFields::Contractor(const CStringArray& fields)
{
    ZnModelConstructor contractor;
    contractor.SetName(Name(fields[1], ""));
    contractor.SetIndividualData(Person(Name(fields[2], ""), fields, 3));
    return contractor;
}

ZnModelDesigner ZnOldFormFields::Filer(const CStringArray& fields)
{
    ZnModelDesigner designer;
    designer.SetName(Name(fields[1], ""));
    designer.SetOfficeData(Person(Name(fields[2], ""), fields, 3));
    return designer;
}

ZnModelDesigner ZnOldFormFields::Agent(const CStringArray& fields)
{
    ZnModelDesigner agent;
    agent.SetQualificationKind(CodeOf<ZnModelArchiCode>(fields[1]));
    agent.SetQualificationIssuer(CodeOf<ZnModelRegistInstCode>(fields[2]));
    agent.m_qualificationRegistrationNumber = fields[3];
    agent.SetName(Name(fields[4], ""));
    agent.SetOfficeKind(CodeOf<ZnModelArchiCode>(fields[5]));
    agent.SetOfficeIssuer(CodeOf<ZnModelRegistInstCode>(fields[6]));
    agent.SetOfficeRegNo(fields[7]);
    agent.SetOfficeData(Person(Name(fields[8], ""), fields, 9));
    return agent;
}

int ZnOldFormFields::AcceptsFormVersion(ZnOldFormReader& reader, const CString& path, int code, int otherCode)
{
    const CString& version = reader.m_indexColumns[ZnOldFormReader::columnVersion];
    if (!version.IsEmpty())
        return version == "6.00" || version == "6.20" || version == "6.40" ? 1 : 0;
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
