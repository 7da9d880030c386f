// The field conversions and the person layouts that the notification and temporary-use readers
// share. Every function reads only the fields it names; the item's minimum field count
// guarantees them.
#pragma once

#include "model/ZnModelAppConstDemUsage.h"
#include "model/ZnModelConstructor.h"
#include "model/ZnModelDesigner.h"
#include "model/ZnModelNum.h"
#include "model/ZnModelOwner.h"

class ZnOldFormReader;

class ZnOldFormFields {
public:
    // The fewest fields of a building confirmation record: the item code, number, date, issuer.
    static constexpr int confirmationFields = 4;

    // The date of an eight-character text: era code, year of the era, month, day; a shorter text
    // or an unknown era gives an empty date.
    static ZnModelDate Date(const CString& text);
    template <typename Code> static Code CodeOf(const CString& text)
    {
        Code code;
        code.SetCode(text);
        return code;
    }
    // A name and its reading.
    static JkModelName Name(const CString& name, const CString& reading);
    // An address that carries only its address line.
    static JkModelAddress AddressLine(const CString& line);
    static ZnModelNum Num(const CString& number, const CString& date, const CString& issuer);
    // Sets the category when categoryCode is "01811", "01812" or "01813" (1 to 3), else leaves
    // it as it stands, and the usage code always.
    static void SetUsage(ZnModelAppConstDemUsage& usage, const CString& categoryCode, const CString& usageCode);

    // The application forms' version test: a data version in the reader's index must be "6.00",
    // "6.20" or "6.40"; without one, the form file at path must hold a building confirmation
    // record (either code) of at least four fields. 1 or 0; the data file is closed afterwards.
    static int AcceptsFormVersion(ZnOldFormReader& reader, const CString& path, int code, int otherCode);

private:
    // Whether the form file at path opens and holds a record of one of the two codes with at
    // least minFields fields.
    static bool HasRecord(ZnOldFormReader& reader, const CString& path, int code, int otherCode, int minFields);
};
