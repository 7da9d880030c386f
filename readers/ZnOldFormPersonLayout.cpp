#include "readers/ZnOldFormPersonLayout.h"

#include "readers/ZnOldFormFields.h"
#include "readers/ZnOldFormReader.h"

namespace {

CString Part(const CString& value, int n) { return ZnOldFormReader::GetSplitField(value, '-', n); }

JkModelName Name(const CString& name) { return ZnOldFormFields::Name(name, CString()); }

} // namespace

CString ZnOldFormPersonLayout::Field(const Record& record, int n)
{
    return n >= 0 && n < static_cast<int>(record.size()) ? record[n] : CString();
}

ZnOldFormPersonLayout::Record ZnOldFormPersonLayout::ToRecord(const CStringArray& fields)
{
    Record record;
    for (INT_PTR i = 0; i < fields.GetSize(); ++i)
        record.push_back(fields[i]);
    return record;
}

JkModelIndividualData ZnOldFormPersonLayout::Person(const Record& record, int nameField, int postalField)
{
    JkModelIndividualData person;
    person.m_name = Name(Field(record, nameField));
    CString postalCode = Field(record, postalField);
    person.m_address.m_postalCode1 = Part(postalCode, 1);
    person.m_address.m_postalCode2 = Part(postalCode, 2);
    person.m_address.m_address = Field(record, postalField + 1);
    CString telephone = Field(record, postalField + 2);
    person.m_telephone.m_firstPart = Part(telephone, 1);
    person.m_telephone.m_secondPart = Part(telephone, 2);
    person.m_telephone.m_thirdPart = Part(telephone, 3);
    return person;
}

ZnModelOwner ZnOldFormPersonLayout::Owner(const Record& record)
{
    ZnModelOwner owner;
    owner.m_person = Person(record, 2, 3);
    owner.m_person.m_name.m_nameReading = Field(record, 1);
    return owner;
}

ZnModelDesigner ZnOldFormPersonLayout::Architect(const Record& record)
{
    ZnModelDesigner architect;
    architect.m_qualificationClass.SetCode(Field(record, 1));
    architect.m_qualificationAuthority.SetCode(Field(record, 2));
    architect.m_qualificationRegistrationNumber = Field(record, 3);
    architect.m_architectName = Name(Field(record, 4));
    architect.m_officeClass.SetCode(Field(record, 5));
    architect.m_officeAuthority.SetCode(Field(record, 6));
    architect.m_officeRegistrationNumber = Field(record, 7);
    architect.m_office = Person(record, 8, 9);
    return architect;
}

ZnModelEquipDesigner ZnOldFormPersonLayout::Adviser(const Record& record)
{
    ZnModelEquipDesigner adviser;
    adviser.m_name = Name(Field(record, 1));
    adviser.m_individualData = Person(record, 2, 3);
    return adviser;
}

ZnModelConstructor ZnOldFormPersonLayout::Constructor(const Record& record)
{
    ZnModelConstructor constructor;
    constructor.m_name = Name(Field(record, 1));
    constructor.m_licenceIssuer.SetCode(Field(record, 2));
    constructor.m_registrationNumber = Field(record, 3);
    constructor.m_individualData = Person(record, 4, 5);
    return constructor;
}

ZnModelConstructor ZnOldFormPersonLayout::Contractor(const Record& record)
{
    ZnModelConstructor contractor;
    contractor.m_name = Name(Field(record, 1));
    contractor.m_individualData = Person(record, 2, 3);
    return contractor;
}

ZnModelDesigner ZnOldFormPersonLayout::Filer(const Record& record)
{
    ZnModelDesigner filer;
    filer.m_architectName = Name(Field(record, 1));
    filer.m_office = Person(record, 2, 3);
    return filer;
}
