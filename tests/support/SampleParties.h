// The people of sample documents, each from one row: names, persons and offices, architects,
// constructors, and numbered dates. Every field left out of a row is empty or zero.
#pragma once

#include "model/JkModelIndividualData.h"
#include "model/ZnModelConstructor.h"
#include "model/ZnModelDesigner.h"
#include "model/ZnModelNum.h"

namespace sampleparties {

inline JkModelName Name(LPCTSTR name, LPCTSTR reading = "")
{
    JkModelName result;
    result.m_name = name;
    result.m_nameReading = reading;
    return result;
}

inline ZnModelDate Date(int year, int month, int day)
{
    ZnModelDate date;
    date.m_yearCode.m_year = year;
    date.m_month = month;
    date.m_day = day;
    return date;
}

// A number with its date and the text after it (the issuer).
inline ZnModelNum Number(LPCTSTR number, const ZnModelDate& date, LPCTSTR furtherText = "")
{
    ZnModelNum result;
    result.m_number = number;
    result.m_date = date;
    result.m_furtherText = furtherText;
    return result;
}

// A person or office: name and reading, postal code in two parts, address, telephone in three parts.
struct PersonRow {
    LPCTSTR name = "", reading = "", postal1 = "", postal2 = "", address = "", tel1 = "", tel2 = "", tel3 = "";
};

inline JkModelIndividualData Person(const PersonRow& row)
{
    JkModelIndividualData person;
    person.m_name = Name(row.name, row.reading);
    person.m_address.m_postalCode1 = row.postal1;
    person.m_address.m_postalCode2 = row.postal2;
    person.m_address.m_address = row.address;
    person.m_telephone.m_firstPart = row.tel1;
    person.m_telephone.m_secondPart = row.tel2;
    person.m_telephone.m_thirdPart = row.tel3;
    return person;
}

// An agent, designer or supervisor: qualification, name, office, design documents and statements.
struct ArchitectRow {
    LPCTSTR qualificationClass = "", qualificationIssuer = "", qualificationNumber = "", name = "", reading = "";
    LPCTSTR officeClass = "", officeIssuer = "", officeNumber = "";
    PersonRow office = {};
    LPCTSTR designDocuments = "";
    int structural1 = 0, structural3 = 0;
    LPCTSTR structuralCertificate = "";
    int equipment1 = 0, equipment3 = 0;
    LPCTSTR equipmentCertificate = "";
};

inline ZnModelDesigner Architect(const ArchitectRow& row)
{
    ZnModelDesigner architect;
    architect.m_qualificationClass.SetCode(row.qualificationClass);
    architect.m_qualificationAuthority.SetCode(row.qualificationIssuer);
    architect.m_qualificationRegistrationNumber = row.qualificationNumber;
    architect.m_architectName = Name(row.name, row.reading);
    architect.m_officeClass.SetCode(row.officeClass);
    architect.m_officeAuthority.SetCode(row.officeIssuer);
    architect.m_officeRegistrationNumber = row.officeNumber;
    architect.m_office = Person(row.office);
    architect.m_designDocuments = row.designDocuments;
    architect.m_structuralParagraph1Statement = row.structural1;
    architect.m_structuralParagraph3Statement = row.structural3;
    architect.m_structuralCertificateNumber = row.structuralCertificate;
    architect.m_equipmentParagraph1Statement = row.equipment1;
    architect.m_equipmentParagraph3Statement = row.equipment3;
    architect.m_equipmentCertificateNumber = row.equipmentCertificate;
    return architect;
}

inline ZnModelConstructor Constructor(const JkModelName& name, LPCTSTR issuer, LPCTSTR licence,
                                      const PersonRow& office = {})
{
    ZnModelConstructor constructor;
    constructor.m_name = name;
    constructor.m_licenceIssuer.SetCode(issuer);
    constructor.m_registrationNumber = licence;
    constructor.m_individualData = Person(office);
    return constructor;
}

} // namespace sampleparties
