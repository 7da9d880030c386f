// The person layouts of the old forms: the fields of a record that describe an owner, an
// architect (agent, designer, supervisor), an adviser on the building equipment design or a
// constructor, turned into the model's person records. Field n is the n-th field after the item
// code; a field that the record lacks counts as empty. Postal codes are written "123-4567" and
// telephone numbers "03-1234-5678".
#pragma once

#include "model/ZnModelConstructor.h"
#include "model/ZnModelDesigner.h"
#include "model/ZnModelEquipDesigner.h"
#include "model/ZnModelOwner.h"
#include "platform/files/CStringArray.h"

#include <vector>

class ZnOldFormPersonLayout {
public:
    typedef std::vector<CString> Record;

    // Field n of the record, empty when the record is shorter.
    static CString Field(const Record& record, int n);
    // The fields of a record read as an array.
    static Record ToRecord(const CStringArray& fields);

    // 1 reading, 2 name, 3 postal code, 4 address, 5 telephone.
    static ZnModelOwner Owner(const Record& record);
    // 1 qualification kind, 2 its issuer, 3 registration number, 4 name, 5 office kind, 6 office
    // issuer, 7 office registration number, 8 office name, 9 postal code, 10 address, 11 telephone.
    static ZnModelDesigner Architect(const Record& record);
    // 1 name, 2 workplace, 3 postal code, 4 address, 5 telephone.
    static ZnModelEquipDesigner Adviser(const Record& record);
    // 1 name, 2 licence issuer, 3 licence number, 4 office name, 5 postal code, 6 address,
    // 7 telephone.
    static ZnModelConstructor Constructor(const Record& record);

    // The notices' contractor: 1 the contractor's name, 2 the office name, 3 postal code,
    // 4 address, 5 telephone; licence issuer and registration number empty.
    static ZnModelConstructor Contractor(const Record& record);
    // The notices' filer, a designer record of the contractor's five fields: the architect's name
    // and the office; every code, number and other text empty.
    static ZnModelDesigner Filer(const Record& record);

    // The same layouts over a record's fields as read.
    static ZnModelOwner Owner(const CStringArray& fields) { return Owner(ToRecord(fields)); }
    static ZnModelDesigner Architect(const CStringArray& fields) { return Architect(ToRecord(fields)); }
    static ZnModelEquipDesigner Adviser(const CStringArray& fields) { return Adviser(ToRecord(fields)); }
    static ZnModelConstructor Constructor(const CStringArray& fields) { return Constructor(ToRecord(fields)); }
    static ZnModelConstructor Contractor(const CStringArray& fields) { return Contractor(ToRecord(fields)); }
    static ZnModelDesigner Filer(const CStringArray& fields) { return Filer(ToRecord(fields)); }

    // A person record of a name and the postal code, address and telephone at the given fields.
    static JkModelIndividualData Person(const Record& record, int nameField, int postalField);
};
