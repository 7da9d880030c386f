#include "readers/ZnOldFormItems.h"

#include "readers/ZnOldFormFields.h"
#include "readers/ZnOldFormPersonLayout.h"

#include <cstdlib>

namespace ZnOldFormItems {

int Int(const CString& text) { return std::atoi(text); }

double Real(const CString& text) { return std::atof(text); }

ZnModelDate Date(const CString& text) { return ZnOldFormFields::Date(text); }

JkModelName Name(const CStringArray& fields, int first)
{
    JkModelName name;
    name.m_nameReading = fields[first];
    name.m_name = fields[first + 1];
    return name;
}

JkModelAddress AddressText(const CString& text) { return ZnOldFormFields::AddressLine(text); }

ZnModelOwner Owner(const CStringArray& fields)
{
    return ZnOldFormPersonLayout::Owner(ZnOldFormPersonLayout::ToRecord(fields));
}

ZnModelDesigner Architect(const CStringArray& fields)
{
    return ZnOldFormPersonLayout::Architect(ZnOldFormPersonLayout::ToRecord(fields));
}

ZnModelConstructor Constructor(const CStringArray& fields)
{
    return ZnOldFormPersonLayout::Constructor(ZnOldFormPersonLayout::ToRecord(fields));
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
