#include "readers/ZnOldFormItems.h"

#include "readers/ZnOldFormFields.h"

#include <cstdlib>

namespace ZnOldFormItems {

int Int(const CString& text) { return std::atoi(text); }

double Real(const CString& text) { return std::atof(text); }

ZnModelDate Date(const CString& text) { return ZnOldFormFields::Date(text); }

JkModelName Name(const CStringArray& fields, int first)
{
    return ZnOldFormFields::Name(fields[first + 1], fields[first]);
}

JkModelAddress AddressText(const CString& text) { return ZnOldFormFields::AddressLine(text); }

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
