// The readers of the construction, demolition and safety-plan notifications and of the
// temporary-use application: each fixture folder read whole through the loader, every record of
// the fixtures at and below its item's fewest fields, the readers' own edge cases, and damaged
// copies of the fixtures.
#include "tests/readers/NotifFormSupport.h"

#include "model/ZnModelAppConstNotif.h"
#include "model/ZnModelAppDemNotif.h"
#include "model/ZnModelAppSafeNotif.h"
#include "model/ZnModelAppTempUseConf.h"
#include "readers/ZnOldFormReaderTempUseConf.h"

#include <cstdio>

using namespace notiftest;
using testsupport::TempFolder;

namespace {

// The records of a form file as the record syntax gives them.
std::vector<std::vector<CString>> Records(const std::string& path)
{
    readertest::TestReader reader;
    EXPECT_EQ(1, reader.OpenDataFile(path.c_str()));
    std::vector<std::vector<CString>> records;
    CStringArray fields;
    while (reader.ReadRecord(fields))
        records.push_back(readertest::Fields(fields));
    reader.CloseDataFile();
    return records;
}

// A form file of the records, one line each, every value quoted.
std::string Text(const std::vector<std::vector<CString>>& records)
{
    std::string text;
    for (const std::vector<CString>& record : records) {
        text += record[0].Bytes();
        for (size_t i = 1; i < record.size(); ++i)
            text += ",\"" + record[i].Bytes() + "\"";
        text += "\r\n";
    }
    return text;
}

std::string StoredRead(const Form& form, const std::string& text)
{
    std::unique_ptr<ZnModelApp> app = ReadText(form, text);
    return app ? Stored(*app) : "null";
}

} // namespace

TEST(NotifFormReaders, ReadEachRecordOnlyWithItsItemsFewestFields)
{
    for (const Form& form : allForms) {
        std::vector<std::vector<CString>> records = Records(FixtureFolder(form) + "/Keikaku/" + form.file);
        ASSERT_GE(records.size(), 10u) << form.folder;
        std::string whole = StoredRead(form, Text(records));
        for (size_t i = 0; i < records.size(); ++i) {
            SCOPED_TRACE(std::string(form.folder) + " " + records[i][0].Bytes());
            std::vector<std::vector<CString>> without = records;
            without.erase(without.begin() + i);
            std::string removed = StoredRead(form, Text(without));
            // The fixtures' headers lie outside the tables; every other record counts.
            bool header = ZnOldFormReader::GetItemCode(records[i][0]) % 1000 < 10;
            if (!header || records[i].size() == 1)
                EXPECT_NE(whole, removed);
            else
                EXPECT_EQ(whole, removed);
            if (records[i].size() == 1)
                continue;
            std::vector<std::vector<CString>> cut = records;
            cut[i].pop_back();
            EXPECT_EQ(removed, StoredRead(form, Text(cut)));
        }
    }
}

TEST(NotifFormReaders, GiveNullForAMissingFormFile)
{
    for (const Form& form : allForms) {
        OldFolder old(form, nullptr);
        std::unique_ptr<ZnOldFormReader> reader = LoadReader(old.folder.Path(), form);
        ASSERT_TRUE(reader) << form.code;
        EXPECT_EQ(nullptr, std::unique_ptr<ZnModelApp>(reader->Read())) << form.code;
    }
}

TEST(NotifFormReaders, KeepARecordOnTheFirstLine)
{
    std::unique_ptr<ZnModelApp> app = ReadText(demNotif, "#25060,\"7\"\r\n#25070,\"2\"\r\n");
    ASSERT_TRUE(app);
    EXPECT_EQ(7, static_cast<ZnModelAppDemNotif&>(*app).m_buildingCount);
    app = ReadText(tempUse220, "#22004\r\n#22060,\"use\"\r\n");
    ASSERT_TRUE(app);
    EXPECT_EQ(4, static_cast<ZnModelAppTempUseConf&>(*app).m_formDigit);
    // A record continued from the first line is read whole.
    app = ReadText(safeNotif, "#26900,;\r\n\"reading\",;\r\n\"name\"\r\n");
    ASSERT_TRUE(app);
    EXPECT_EQ(CString("name"), app->GetApplicantName().m_name);
    EXPECT_EQ(CString("reading"), app->GetApplicantName().m_nameReading);
}

TEST(NotifFormReaders, ReadDamagedFixturesThroughTheLoader)
{
    for (const Form& form : allForms) {
        SCOPED_TRACE(form.folder);
        std::string bytes = testsupport::ReadFileBytes(FixtureFolder(form) + "/Keikaku/" + form.file);
        OldFolder old(form, nullptr);
        std::string path = old.folder.Path(std::string("Keikaku/") + form.file);
        testsupport::ForEachDamagedCopy(
            bytes, 60,
            [&](const std::string& damaged) {
                testsupport::WriteFileBytes(path, damaged);
                std::unique_ptr<ZnModelApp> app = ReadFolder(old.folder.Path(), form);
                EXPECT_TRUE(app);
                std::remove(path.c_str());
            },
            24);
    }
}
