// What the two number-entry dialogs share: the document loaded in the application list, its
// register row and its save. The numbers go into the document's file first and into its row
// after, so that a row never shows numbers that its file does not hold.
#pragma once

#include "model/ZnModelNum.h"
#include "platform/core/CString.h"

#include <functional>

class ZnAppBukkenShousaiTblDAO;
class ZnModelAppLocalData;

class ZnNumberEntry {
public:
    // The value of a typed or read number field: -1 when it is empty or holds anything but the
    // digits 0 to 9.
    static int DecimalValue(const CString& text);
    // A number with its date: the era code of the era name (平成 for any name but 昭和), the
    // western year of the era year, the month and the day; a part below 1 is none (0).
    static ZnModelNum MakeNumber(const CString& text, const CString& eraName, int eraYear, int month, int day);
    // The register of the property-data folder ("APP_BUKKEN.mdb").
    static CString RegisterPath();
    // The local data of the active document's application, or null.
    static ZnModelAppLocalData* LocalData();
    // Whether the numbers can be stored: the register can be changed (an Access file cannot) and
    // the active document was loaded from a file. Otherwise the reason is shown (error icon).
    static BOOL CanStore();
    // Saves the active document to its file and clears the unsaved-changes flag; a failed save
    // (the framework has said why) sets the flag and gives FALSE.
    static BOOL SaveDocument();
    // Changes the register row (bukkenIndex, shousaiIndex) with change when fits accepts it
    // (null: any row); FALSE when no row was changed.
    static BOOL ChangeRow(int bukkenIndex, int shousaiIndex,
                          const std::function<bool(const ZnAppBukkenShousaiTblDAO&)>& fits,
                          const std::function<void(ZnAppBukkenShousaiTblDAO&)>& change);
};
