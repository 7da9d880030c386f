#include "readers/ZnOldFormItems.h"

#include <cstdlib>

namespace ZnOldFormItems {

namespace {

const TCHAR partSeparator = '-';

CString Part(const CString& value, int n) { return ZnOldFormReader::GetSplitField(value, partSeparator, n); }

// Postal code (two parts) from the field at postal, the address text from the one after it and
// the telephone number (three parts) from the one after that.
JkModelIndividualData Person(const CStringArray& fields, int postal)
{
    JkModelIndividualData person;
    person.m_address.m_postalCode1 = Part(fields[postal], 1);
    person.m_address.m_postalCode2 = Part(fields[postal], 2);
    person.m_address.m_address = fields[postal + 1];
    person.m_telephone.m_firstPart = Part(fields[postal + 2], 1);
    person.m_telephone.m_secondPart = Part(fields[postal + 2], 2);
    person.m_telephone.m_thirdPart = Part(fields[postal + 2], 3);
    return person;
}

} // namespace

int Int(const CString& text) { return std::atoi(text); }

double Real(const CString& text) { return std::atof(text); }

ZnModelDate Date(const CString& text)
{
    ZnModelDate date;
    date.SetDateString(text);
    return date;
}

JkModelName Name(const CStringArray& fields, int first)
{
    JkModelName name;
    name.m_nameReading = fields[first];
    name.m_name = fields[first + 1];
    return name;
}

JkModelAddress AddressText(const CString& text)
{
    JkModelAddress address;
    address.m_address = text;
    return address;
}

ZnModelOwner Owner(const CStringArray& fields)
{
    ZnModelOwner owner;
    owner.m_person = Person(fields, 3);
    owner.m_person.m_name = Name(fields);
    return owner;
}

ZnModelDesigner Architect(const CStringArray& fields)
{
    ZnModelDesigner architect;
    architect.m_qualificationClass.SetCode(fields[1]);
    architect.m_qualificationAuthority.SetCode(fields[2]);
    architect.m_qualificationRegistrationNumber = fields[3];
    architect.m_architectName.m_name = fields[4];
    architect.m_officeClass.SetCode(fields[5]);
    architect.m_officeAuthority.SetCode(fields[6]);
    architect.m_officeRegistrationNumber = fields[7];
    architect.m_office = Person(fields, 9);
    architect.m_office.m_name.m_name = fields[8];
    return architect;
}

ZnModelConstructor Constructor(const CStringArray& fields)
{
    ZnModelConstructor constructor;
    constructor.m_name.m_name = fields[1];
    constructor.m_licenceIssuer.SetCode(fields[2]);
    constructor.m_registrationNumber = fields[3];
    constructor.m_individualData = Person(fields, 5);
    constructor.m_individualData.m_name.m_name = fields[4];
    return constructor;
}

ZnModelInspDate ProcessDate(const CStringArray& fields)
{
    ZnModelInspDate process;
    process.m_count = Int(fields[1]);
    process.m_date = Date(fields[2]);
    process.m_name = fields[3];
    return process;
}

ZnModelNum Number(const CStringArray& fields)
{
    ZnModelNum number;
    number.m_number = fields[1];
    number.m_date = Date(fields[2]);
    number.m_furtherText = fields[3];
    return number;
}

void PersonsWork::HandOver(ZnModelAppPersons& app) const
{
    app.SetOwnerList(owners);
    app.SetDesignerList(designers);
    app.SetConstructorList(constructors);
}

} // namespace ZnOldFormItems
