// The findings of an input check in the order its rules run: each rule that fails appends its
// message, and the check goes on. The rules that several checks share live here: an empty text or
// code, a date that is empty or not valid, and the walk over a list of further records, whose
// messages begin with the record's ordinal.
#pragma once

#include "fdoutput/ZnCheckRules.h"
#include "model/ZnModelApp.h"
#include "model/ZnModelCode.h"
#include "model/ZnModelDate.h"
#include "model/ZnModelList.h"

#include <initializer_list>
#include <utility>
#include <vector>

class ZnCheckFindings {
public:
    // A date of the form with the message that reports it.
    struct DateRule {
        const ZnModelDate& date;
        LPCTSTR message;
    };

    // Appends the message.
    void Add(const CString& message) { m_messages.push_back(message); }
    // Appends message when finding holds.
    void AddIf(bool finding, const CString& message);
    // Appends message when text is empty.
    void AddIfEmpty(const CString& text, const CString& message);
    // Appends message when no code was chosen: the code text is empty.
    void AddIfEmpty(const ZnModelCode& code, const CString& message);
    // Appends message when the date is empty (year, month and day all 0).
    void AddIfDateEmpty(const ZnModelDate& date, LPCTSTR message);
    // Appends message when the date is not valid (ZnModelDate::IsValid: an empty date is valid; a
    // month or a day without a year, or values that make no calendar date, are not).
    void AddIfInvalid(const ZnModelDate& date, LPCTSTR message);
    // The same for each rule, in the order given.
    void AddIfInvalid(std::initializer_list<DateRule> rules);

    // Walks a list of further records from head to tail and appends, for each record whose date
    // (dateOf(record)) is not valid, its ordinal as "%d" followed by tail. The first record present
    // is number 2, since number 1 is the separate first record of the same kind; empty entries are
    // skipped and not counted.
    template <class Record, class DateOf>
    void AddIfListInvalid(const ZnModelList<Record>& records, DateOf dateOf, LPCTSTR tail)
    {
        int ordinal = 1;
        for (POSITION pos = records.GetHeadPosition(); pos;) {
            const Record* record = records.GetNext(pos);
            if (!record)
                continue;
            ++ordinal;
            if (!dateOf(*record).IsValid())
                m_messages.push_back(ZnCheckRules::Numbered("", ordinal, tail));
        }
    }

    // The messages so far, which the findings give up.
    std::vector<CString> Take() { return std::move(m_messages); }

    // The name of the application's first building owner (建築主, 設置者 or 築造主 by form).
    static const CString& FirstOwnerName(const ZnModelApp& app);

private:
    std::vector<CString> m_messages;
};
