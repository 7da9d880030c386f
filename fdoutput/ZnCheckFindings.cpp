#include "fdoutput/ZnCheckFindings.h"

void ZnCheckFindings::AddIfEmpty(const CString& text, LPCTSTR message)
{
    if (text.IsEmpty())
        m_messages.push_back(message);
}

void ZnCheckFindings::AddIfEmpty(const ZnModelCode& code, const CString& message)
{
    if (code.GetCode().IsEmpty())
        m_messages.push_back(message);
}

void ZnCheckFindings::AddIfDateEmpty(const ZnModelDate& date, LPCTSTR message)
{
    if (date.IsEmpty())
        m_messages.push_back(message);
}

void ZnCheckFindings::AddIfInvalid(const ZnModelDate& date, LPCTSTR message)
{
    if (!date.IsValid())
        m_messages.push_back(message);
}

void ZnCheckFindings::AddIfInvalid(std::initializer_list<DateRule> rules)
{
    for (const DateRule& rule : rules)
        AddIfInvalid(rule.date, rule.message);
}

const CString& ZnCheckFindings::FirstOwnerName(const ZnModelApp& app)
{
    return app.GetOwner().GetIndividualData().GetName().GetName();
}
