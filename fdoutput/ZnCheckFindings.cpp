#include "fdoutput/ZnCheckFindings.h"

void ZnCheckFindings::AddIf(bool finding, const CString& message)
{
    if (finding)
        m_messages.push_back(message);
}

void ZnCheckFindings::AddIfEmpty(const CString& text, const CString& message) { AddIf(text.IsEmpty(), message); }

void ZnCheckFindings::AddIfEmpty(const ZnModelCode& code, const CString& message)
{
    AddIf(code.GetCode().IsEmpty(), message);
}

void ZnCheckFindings::AddIfDateEmpty(const ZnModelDate& date, LPCTSTR message) { AddIf(date.IsEmpty(), message); }

void ZnCheckFindings::AddIfInvalid(const ZnModelDate& date, LPCTSTR message) { AddIf(!date.IsValid(), message); }

void ZnCheckFindings::AddIfInvalid(std::initializer_list<DateRule> rules)
{
    for (const DateRule& rule : rules)
        AddIfInvalid(rule.date, rule.message);
}

const CString& ZnCheckFindings::FirstOwnerName(const ZnModelApp& app)
{
    return app.GetOwner().GetIndividualData().GetName().GetName();
}
