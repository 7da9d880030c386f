// What the tests of the notification and temporary-use readers share: the forms with their
// fixture folders, reading an old property folder through the loader, and documents compared
// whole by the bytes they store.
#pragma once

#include "tests/readers/ReaderTestSupport.h"

#include "model/ZnModelNumGroup.h"
#include "readers/ZnOldBukkenFolderLoader.h"
#include "readers/ZnOldBukkenReaderList.h"

#include <memory>
#include <sys/stat.h>

namespace notiftest {

// A form that a reader of the factory's table reads, and its fixture folder under
// tests/data/readers/notif_forms.
struct Form {
    const char* folder;
    LPCTSTR code;
    LPCTSTR formId;
    LPCTSTR className;
    const char* file;
};

const Form constNotif{"const_notif", "100801", "#240", "ZnModelAppConstNotif", "Ksq001.240"};
const Form demNotif{"dem_notif", "100802", "#250", "ZnModelAppDemNotif", "Ksq001.250"};
const Form safeNotif{"safe_notif", "100803", "#260", "ZnModelAppSafeNotif", "Ksq001.260"};
const Form tempUse220{"temp_use_220", "100403", "#220", "ZnModelAppTempUseConf", "Ksq001.220"};
const Form tempUse230{"temp_use_230", "100415", "#230", "ZnModelAppTempUseConf", "Ksq001.230"};
const Form allForms[] = {constNotif, demNotif, safeNotif, tempUse220, tempUse230};

inline std::string FixtureFolder(const Form& form)
{
    return testsupport::DataPath(std::string("readers/notif_forms/") + form.folder);
}

// The one reader that the loader makes for the folder, checked to be the form's.
inline std::unique_ptr<ZnOldFormReader> LoadReader(const std::string& folder, const Form& form)
{
    ZnOldBukkenFolderLoader loader;
    loader.SetBasePath(readertest::WinFolder(folder));
    ZnOldBukkenReaderList list;
    EXPECT_EQ(1, loader.Load(&list));
    std::vector<std::unique_ptr<ZnOldFormReader>> readers;
    while (!list.IsEmpty())
        readers.emplace_back(static_cast<ZnOldFormReader*>(list.RemoveHead()));
    EXPECT_EQ(1u, readers.size()) << form.code;
    if (readers.size() != 1)
        return nullptr;
    EXPECT_EQ(CString(form.formId), readers[0]->m_formId);
    EXPECT_EQ(CString(form.className), readers[0]->m_targetClassName);
    EXPECT_EQ(CString(form.code), readers[0]->m_appTypeCode);
    return std::move(readers[0]);
}

// What Read gives for the folder's form.
inline std::unique_ptr<ZnModelApp> ReadFolder(const std::string& folder, const Form& form)
{
    std::unique_ptr<ZnOldFormReader> reader = LoadReader(folder, form);
    return std::unique_ptr<ZnModelApp>(reader ? reader->Read() : nullptr);
}

// An old property folder of the form's code, with the data version given in its index and, unless
// formText is null, a form file of that CP932 text.
struct OldFolder {
    OldFolder(const Form& form, const char* formText, const std::string& version = "6.40")
    {
        mkdir(folder.Path("Info").c_str(), 0777);
        mkdir(folder.Path("Keikaku").c_str(), 0777);
        testsupport::WriteFileBytes(
            folder.Path("Info/filename.iba"),
            "\"#000\",\"name\",\"20240105\",\"" + version + "\",\"3\",\"\",\"" + form.code +
                "\",\"1\",\"0\",\"0\",\"0\",\"0\"\r\n\"#001\",\"\",\"\",\"220903\",\"R-1\",\"\"\r\n");
        if (formText)
            testsupport::WriteFileBytes(folder.Path(std::string("Keikaku/") + form.file), formText);
    }
    testsupport::TempFolder folder;
};

// What Read gives for a form file of the given text.
inline std::unique_ptr<ZnModelApp> ReadText(const Form& form, const std::string& text)
{
    OldFolder old(form, text.c_str());
    return ReadFolder(old.folder.Path(), form);
}

// The document as the document file stores it: every member, in a fixed order.
inline std::string Stored(ZnModel& model)
{
    return testsupport::Hex(testsupport::StoreToBytes([&](CArchive& ar) { model.Serialize(ar); }));
}

// The values that every document read from the test folders carries: header number 3, the
// document-kind code, one number group of building 1 with the row number "R-1".
inline void SetCommon(ZnModelApp& app, LPCTSTR code)
{
    app.m_header.m_headerNumber = 3;
    app.m_header.m_localData.m_documentKind.SetCode(code);
    ZnModelNumGroup* group = new ZnModelNumGroup;
    group->m_itemNumber = 1;
    group->m_firstNumber.SetNumber("R-1");
    app.m_header.m_localData.m_buildingNumGroups.AddTail(group);
}

// A new document of type T with only the common values.
template <typename T> std::unique_ptr<T> Defaults(LPCTSTR code)
{
    auto app = std::make_unique<T>();
    SetCommon(*app, code);
    return app;
}

// A date of an era code and a western year, as a form's date text gives it.
inline ZnModelDate Date(LPCTSTR eraCode, int year, int month, int day)
{
    ZnModelDate date;
    date.m_yearCode.m_code = eraCode;
    date.m_yearCode.m_year = year;
    date.m_month = month;
    date.m_day = day;
    return date;
}

inline JkModelName Name(LPCTSTR name, LPCTSTR reading = "")
{
    JkModelName record;
    record.m_name = name;
    record.m_nameReading = reading;
    return record;
}

inline JkModelAddress AddressLine(LPCTSTR line)
{
    JkModelAddress address;
    address.m_address = line;
    return address;
}

// A person: name record, postal code parts, address line and telephone parts.
inline JkModelIndividualData Person(const JkModelName& name, LPCTSTR postal1, LPCTSTR postal2, LPCTSTR address,
                                    LPCTSTR tel1, LPCTSTR tel2, LPCTSTR tel3)
{
    JkModelIndividualData person;
    person.m_name = name;
    person.m_address.m_postalCode1 = postal1;
    person.m_address.m_postalCode2 = postal2;
    person.m_address.m_address = address;
    person.m_telephone.m_firstPart = tel1;
    person.m_telephone.m_secondPart = tel2;
    person.m_telephone.m_thirdPart = tel3;
    return person;
}

inline ZnModelNum Num(LPCTSTR number, const ZnModelDate& date, LPCTSTR issuer)
{
    ZnModelNum num;
    num.m_number = number;
    num.m_date = date;
    num.m_furtherText = issuer;
    return num;
}

} // namespace notiftest
