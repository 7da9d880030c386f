// The records that the forms of lifts, equipment and structures share, and the table-driven
// loop that reads a form: per form one table of {item code, least field count, handler}. The
// loop passes over a record without fields, a code without a row and a record shorter than its
// row's count; the later of two records of one item wins, list items append in file order.
//
// A field is taken as its text, a number with atoi or atof of its leading number, a code as its
// text unchecked, a date "EEYYMMDD" through ZnModelDate::SetDateString, and a postal code or
// telephone number in parts cut at '-' by ZnOldFormReader::GetSplitField.
#pragma once

#include "model/ZnModelAppPersons.h"
#include "model/ZnModelInspDate.h"
#include "readers/ZnOldFormItem.h"
#include "readers/ZnOldFormReader.h"

#include <vector>

namespace ZnOldFormItems {

// The three digits after a form's two (16 in 16010) of the shared records.
enum Item {
    itemOwner = 10,
    itemAgent = 20,
    itemDesigner = 30,
    itemConstructor = 40,
    itemFurtherOwner = 200,
    itemFurtherDesigner = 210,
    itemFurtherConstructor = 220,
};

// The least field counts, field 0 (the item code) included.
enum LeastFields {
    ownerFields = 6,
    architectFields = 12,
    constructorFields = 8,
    applicantFields = 3,
    processDateFields = 4,
    numberFields = 4,
    textFields = 2,
    planChangeFields = 5,
};

// One row of a form's table; ReadFormItems (ZnOldFormItem.h) reads a form through its rows.
template <typename Work> using Row = ZnOldFormItem<Work>;

// Field 1 the reading, field 2 the name.
JkModelName Name(const CStringArray& fields, int first = 1);
ZnModelDate Date(const CString& text);
// An address of which only the full address text is set.
JkModelAddress AddressText(const CString& text);
// Fields 1 to 3: count, date and name of a specified process.
ZnModelInspDate ProcessDate(const CStringArray& fields);
// Fields 1 to 3: number, date of issue and issuer.
ZnModelNum Number(const CStringArray& fields);
int Int(const CString& text);
double Real(const CString& text);

// What every form fills besides its own items: the further owners, designers and constructors,
// kept until they are handed to the object whole.
struct PersonsWork {
    explicit PersonsWork(ZnOldFormReader& reader) : reader(reader) {}
    // Replaces the object's further owners, designers and constructors by copies of the lists.
    void HandOver(ZnModelAppPersons& app) const;

    ZnOldFormReader& reader;
    ZnModelOwnerList owners;
    ZnModelDesignerList designers;
    ZnModelConstructorList constructors;
};

// The rows of the owner, architect and constructor records of a form whose item codes begin
// with the two digits form. Work is a PersonsWork with the object as app.
template <typename Work> std::vector<Row<Work>> PersonRows(int form)
{
    using Persons = ZnOldFormPersonLayout;
    const int base = form * 1000;
    return {
        {base + itemOwner, ownerFields, [](Work& w, const CStringArray& f) { w.app.m_firstOwner = Persons::Owner(f); }},
        {base + itemAgent, architectFields,
         [](Work& w, const CStringArray& f) { w.app.m_agent = Persons::Architect(f); }},
        {base + itemDesigner, architectFields,
         [](Work& w, const CStringArray& f) { w.app.m_designer = Persons::Architect(f); }},
        {base + itemConstructor, constructorFields,
         [](Work& w, const CStringArray& f) { w.app.m_constructor = Persons::Constructor(f); }},
        {base + itemFurtherOwner, ownerFields,
         [](Work& w, const CStringArray& f) { w.owners.AddCopy(Persons::Owner(f)); }},
        {base + itemFurtherDesigner, architectFields,
         [](Work& w, const CStringArray& f) { w.designers.AddCopy(Persons::Architect(f)); }},
        {base + itemFurtherConstructor, constructorFields,
         [](Work& w, const CStringArray& f) { w.constructors.AddCopy(Persons::Constructor(f)); }},
    };
}

// The applicant-name row of the given item code.
template <typename Work> Row<Work> ApplicantRow(int code)
{
    return {code, applicantFields, [](Work& w, const CStringArray& f) { w.app.m_applicantName = Name(f); }};
}

} // namespace ZnOldFormItems
