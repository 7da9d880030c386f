// The findings of an input check in the order in which its rules run: each rule that fails adds
// its message. The date and code rules here are the ones that the pages' checks share.
#pragma once

#include "model/ZnModelCode.h"
#include "model/ZnModelDate.h"

#include <initializer_list>
#include <vector>

class ZnCheckFindings {
public:
    // A date of the form with the message that reports it.
    struct DateRule {
        const ZnModelDate& date;
        LPCTSTR message;
    };

    // Adds the message when the date is not valid: an empty date is valid; a month or a day
    // without a year, or values that make no calendar date, are not.
    void AddIfInvalid(const ZnModelDate& date, LPCTSTR message);
    // The same for each rule, in the order given.
    void AddIfInvalid(std::initializer_list<DateRule> rules);
    // Adds the message when no code was chosen: the code text is empty.
    void AddIfEmpty(const ZnModelCode& code, const CString& message);

    // The messages so far, which the findings give up.
    std::vector<CString> Take() { return std::move(m_messages); }

private:
    std::vector<CString> m_messages;
};
