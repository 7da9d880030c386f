// The two inspection forms of an old floppy, the interim inspection (#280) and the completion
// inspection (#210), as their readers need them: each form is one table of items, {item code,
// least field count, handler}, and the few things in which the forms differ (the file extension,
// the document class, the lists of their own). The building readers and the readers of the other
// object kinds share a form's table; they differ in which files they read and in how the
// confirmation certificates of later files count, which the working state's certificate handling
// decides through its first-file flag.
#pragma once

#include "model/ZnModelAppInspConf.h"
#include "model/ZnModelInspDate.h"
#include "model/ZnModelNumGroup.h"
#include "model/ZnModelPastInspDate.h"
#include "readers/ZnOldFormItem.h"

#include <memory>
#include <vector>

class ZnOldInspForm {
public:
    // What one Read works with across the records of a file and across files. Every element is
    // held by value or by an owning list, so that no way out of a Read leaks or frees twice.
    struct Work {
        ZnModelAppInspConf* app = nullptr; // the object of the file being read; not owned
        bool firstFile = true;             // whether that file is number "001"

        // The lists of one file, handed to its object at the file's end and then emptied.
        ZnModelOwnerList owners;
        ZnModelDesignerList designers;
        ZnModelEquipDesignerList advisers;
        ZnModelDesignerList supervisors;
        ZnModelConstructorList constructors;
        ZnModelPastInspDateList pastInsps;
        ZnModelInspDateList laterInsps;
        ZnModelAppRightModList rightMods;

        // The certificate of the first file, filled over its number, date and issuer records.
        ZnModelNum confCert;
        // Every further certificate that a later file's number record began, in order, and the
        // latest of them; appended names them in the order of their issuer records, once per record.
        std::vector<std::unique_ptr<ZnModelNum>> furtherCerts;
        ZnModelNum* currentFurther = nullptr;
        std::vector<const ZnModelNum*> appended;
        // One group per certificate number record of every file.
        ZnModelNumGroupList numGroups;

        // Copies of the appended further certificates in their present state.
        ZnModelNumList AppendedCertificates() const;
    };

    using Item = ZnOldFormItem<Work>;

    LPCTSTR extension;               // "280" or "210"
    std::vector<Item> items;         // in code order
    ZnModelAppInspConf* (*create)(); // a new empty document of the form
    // Hands the file's lists that only this form's class holds to app.
    void (*handOverOwnLists)(Work& work, ZnModelAppInspConf& app);

    static const ZnOldInspForm& Interim();
    static const ZnOldInspForm& Completion();

    // Applies one record: nothing when its code has no item or it has fewer fields than the item's least count.
    void Apply(Work& work, const CStringArray& fields) const;
    // Hands every list of the file to work.app, in the order owners, designers, advisers,
    // supervisors, constructors, the form's own lists, minor changes; then empties the file's
    // lists.
    void HandOverFileLists(Work& work) const;
    // Hands the further certificates appended so far to work.app: once, to the object of the last
    // file read, so that many files of many certificates read in time.
    static void HandOverCertificates(Work& work);
};
