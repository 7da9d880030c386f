// What the ten readers of the lift, equipment, structure and semi-structure forms do alike: each
// reads every item of its form, from the fixtures of old floppies under tests/data/readers, and
// takes a record only with the least field count of its item.
#include "tests/readers/KindReaderSupport.h"

#include "platform/files/WinPath.h"
#include "readers/ZnOldFormReaderTable.h"

#include <typeinfo>

using readertest::CaseFolder;
using readertest::ExpectedListing;
using readertest::FamilyListing;
using readertest::HeaderListing;
using readertest::MakeReader;
using readertest::ReadApp;

namespace {

// The listing of the members that a plan change adds, or "" for another object.
template <typename Family> std::string PlanChangeOf(const ZnModelApp* app)
{
    const auto* mod = dynamic_cast<const ZnModelAppPlanChange<Family>*>(app);
    return mod ? readertest::PlanChangeListing(*mod) : "";
}

struct Form {
    const char* fixture; // the folder under tests/data/readers
    const char* listing; // the expected listing under tests/data/reader_listings
    std::string (*family)(const ZnModelApp*);
    std::string (*planChange)(const ZnModelApp*);
};

const Form lift = {"lift_forms", "lift.txt", FamilyListing<ZnModelAppLift>, PlanChangeOf<ZnModelAppLift>};
const Form equipment = {"equipment_forms", "equipment.txt", FamilyListing<ZnModelAppEquip>,
                        PlanChangeOf<ZnModelAppEquip>};
const Form structure = {"structure_forms", "structure.txt", FamilyListing<ZnModelAppStruct>,
                        PlanChangeOf<ZnModelAppStruct>};
const Form semiStructure = {"semi_structure_forms", "semi_structure.txt", FamilyListing<ZnModelAppSemiStr>,
                            PlanChangeOf<ZnModelAppSemiStr>};

struct ReaderCase {
    LPCTSTR code;
    const char* className;
    const char* formId;
    const Form& form;
    int buildingNumber;
};

// Every reader; a confirmation of lifts or structures takes the last item's number.
const ReaderCase readers[] = {
    {"100002", "ZnModelAppLiftConf", "#160", lift, 5},
    {"100005", "ZnModelAppStrLiftConf", "#160", lift, 5},
    {"100302", "ZnModelAppLiftMod", "#420", lift, 1},
    {"100305", "ZnModelAppStrLiftMod", "#420", lift, 1},
    {"100003", "ZnModelAppEquipConf", "#170", equipment, 1},
    {"100303", "ZnModelAppEquipMod", "#430", equipment, 1},
    {"100004", "ZnModelAppStructConf", "#180", structure, 7},
    {"100304", "ZnModelAppStructMod", "#440", structure, 1},
    {"100006", "ZnModelAppSemiStrConf", "#190", semiStructure, 1},
    {"100306", "ZnModelAppSemiStrMod", "#450", semiStructure, 1},
};

bool IsPlanChange(LPCTSTR code) { return code[3] == '3'; }

// The last of the pages' certificate records with five fields.
const char planChange[] = "prevConfNum: (第200号, 02 1999-2-2, 知事)\nplanChangeSummary: 概要二\n";

} // namespace

TEST(ZnOldKindFormReaders, ReadEveryItemOfTheirFormWithTheIndexHeader)
{
    for (const ReaderCase& c : readers) {
        SCOPED_TRACE(c.code);
        std::unique_ptr<ZnOldFormReader> reader =
            MakeReader(testsupport::DataPath("readers/") + c.form.fixture, c.code);
        ASSERT_TRUE(reader);
        for (int read = 0; read < 2; ++read) {
            std::unique_ptr<ZnModelApp> app = ReadApp(*reader);
            ASSERT_TRUE(app);
            EXPECT_STREQ(c.className, app->GetRuntimeClass()->m_lpszClassName);
            EXPECT_EQ(readertest::IndexHeader(c.code, c.buildingNumber), HeaderListing(*app));
            EXPECT_EQ(ExpectedListing(c.form.listing), c.form.family(app.get()));
            EXPECT_EQ(IsPlanChange(c.code) ? planChange : "", c.form.planChange(app.get()));
        }
    }
}

TEST(ZnOldKindFormReaders, AreMadeByTheFactoryForTheirDocumentKinds)
{
    for (const ReaderCase& c : readers) {
        CPtrArray made;
        ZnOldFormReaderTable::AppendReaders(ZnOldFormReaderTable::Rows(), c.code, made);
        ASSERT_EQ(1, made.GetSize()) << c.code;
        std::unique_ptr<ZnOldFormReader> reader(static_cast<ZnOldFormReader*>(made[0]));
        EXPECT_EQ(CString(c.formId), reader->m_formId);
        EXPECT_EQ(CString(c.className), reader->m_targetClassName);
        EXPECT_EQ(CString(c.code), reader->m_appTypeCode);
        std::string readerClass = std::string("ZnOldFormReader") + (c.className + 10);
        EXPECT_NE(std::string::npos, std::string(typeid(*reader).name()).find(readerClass)) << c.code;
    }
}

namespace {

// One row of a form's record table: its code and least field count, and what the form must
// hold before a record of the code can change anything.
struct ItemRow {
    const char* code;
    int leastFields;
    const char* before = "";
};

// The record of a code with count fields, each "01601" (a text that changes every kind of
// member: a text, a number, a code, a date that it clears, a construction kind).
std::string Record(const char* code, int count)
{
    std::string record = std::string("#") + code;
    for (int i = 1; i < count; ++i)
        record += ",\"01601\"";
    return record + "\n";
}

void CheckFieldCounts(LPCTSTR readerCode, const char* file, const ItemRow* rows, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        const ItemRow& row = rows[i];
        SCOPED_TRACE(row.code);
        std::string listings[3];
        const std::string forms[3] = {row.before, row.before + Record(row.code, row.leastFields - 1),
                                      row.before + Record(row.code, row.leastFields)};
        for (int f = 0; f < 3; ++f) {
            CaseFolder folder;
            folder.Form(file, forms[f]);
            std::unique_ptr<ZnModelApp> app = ReadApp(*folder.Reader(readerCode));
            ASSERT_TRUE(app);
            for (const ReaderCase& c : readers)
                if (CString(c.code) == readerCode)
                    listings[f] = c.form.family(app.get());
        }
        EXPECT_EQ(listings[0], listings[1]);
        EXPECT_NE(listings[0], listings[2]);
    }
}

} // namespace

TEST(ZnOldKindFormReaders, TakeARecordWithTheLeastFieldCountOfItsItemAndPassOverAShorterOne)
{
    const ItemRow liftRows[] = {
        {"16010", 6},  {"16020", 12}, {"16030", 12}, {"16040", 8}, {"16050", 5}, {"16060", 10},
        {"16070", 2},  {"16080", 2},  {"16090", 4},  {"16100", 2}, {"16105", 2}, {"16200", 6},
        {"16210", 12}, {"16220", 8},  {"16230", 10}, {"16250", 4}, {"16900", 3}, {"18900", 3},
    };
    CheckFieldCounts("100002", "Ksq001.160", liftRows, std::size(liftRows));
    const ItemRow equipmentRows[] = {
        {"17010", 6},  {"17020", 12}, {"17030", 12}, {"17040", 8}, {"17050", 5}, {"17060", 2},
        {"17070", 2},  {"17080", 2},  {"17090", 4},  {"17100", 2}, {"17105", 2}, {"17200", 6},
        {"17210", 12}, {"17220", 8},  {"17240", 4},  {"17900", 3},
    };
    CheckFieldCounts("100003", "Ksq001.170", equipmentRows, std::size(equipmentRows));
    const char* structure = "#18230,\"1\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\n";
    const ItemRow structureRows[] = {
        {"18010", 6},
        {"18020", 12},
        {"18030", 12},
        {"18040", 8},
        {"18050", 3},
        {"18060", 9},
        {"18065", 3},
        {"18070", 2},
        {"18080", 2},
        {"18090", 4},
        {"18100", 2},
        {"18105", 2},
        {"18200", 6},
        {"18210", 12},
        {"18220", 8},
        {"18230", 9},
        {"18235", 3, structure},
        {"18240", 4},
        {"18250", 3},
        {"18900", 3},
    };
    CheckFieldCounts("100004", "Ksq001.180", structureRows, std::size(structureRows));
    const ItemRow semiStructureRows[] = {
        {"19010", 6}, {"19020", 12}, {"19030", 12}, {"19040", 8}, {"19050", 5}, {"19060", 12}, {"19070", 2},
        {"19080", 2}, {"19090", 4},  {"19100", 2},  {"19110", 2}, {"19115", 2}, {"19200", 6},  {"19210", 12},
        {"19220", 8}, {"19230", 2},  {"19240", 3},  {"19260", 3}, {"19900", 3}, {"19910", 5},
    };
    CheckFieldCounts("100006", "Ksq001.190", semiStructureRows, std::size(semiStructureRows));
}

TEST(ZnOldKindFormReaders, TakeThePlanChangeRecordWithFiveFields)
{
    const struct {
        LPCTSTR code;
        const char* page;
        const char* item;
        const char* form;
        const Form& kind;
    } pages[] = {
        {"100302", "Ksq001.420", "42010", "Ksq001.160", lift},
        {"100305", "Ksq001.420", "42010", "Ksq001.160", lift},
        {"100303", "Ksq001.430", "43010", "Ksq001.170", equipment},
        {"100304", "Ksq001.440", "44010", "Ksq001.180", structure},
        {"100306", "Ksq001.450", "45010", "Ksq001.190", semiStructure},
    };
    for (const auto& p : pages) {
        SCOPED_TRACE(p.code);
        CaseFolder folder;
        folder.Form(p.form, "");
        folder.Form(p.page, Record(p.item, 4));
        std::unique_ptr<ZnModelApp> app = ReadApp(*folder.Reader(p.code));
        ASSERT_TRUE(app);
        EXPECT_EQ("prevConfNum: (, 02 0-0-0, )\nplanChangeSummary: \n", p.kind.planChange(app.get()));
        folder.Form(p.page, std::string("#") + p.item + ",\"A\",\"02100101\",\"B\",\"C\",\"D\"\n");
        app = ReadApp(*folder.Reader(p.code));
        ASSERT_TRUE(app);
        EXPECT_EQ("prevConfNum: (A, 02 1998-1-1, B)\nplanChangeSummary: C\n", p.kind.planChange(app.get()));
    }
}

TEST(ZnOldKindFormReaders, GiveNullAndLeaveNothingWhenAFormDoesNotOpen)
{
    for (const ReaderCase& c : readers) {
        SCOPED_TRACE(c.code);
        CaseFolder folder;
        EXPECT_EQ(nullptr, folder.Reader(c.code)->Read());
        if (!IsPlanChange(c.code))
            continue;
        // A page that opens over a form that does not.
        for (const char* page : {"Ksq001.420", "Ksq001.430", "Ksq001.440", "Ksq001.450"})
            folder.Form(page, "#42010,\"1\",\"02010101\",\"x\",\"y\"\n");
        EXPECT_EQ(nullptr, folder.Reader(c.code)->Read());
    }
}

TEST(ZnOldKindFormReaders, AcceptTheirDataVersionsByteForByte)
{
    CaseFolder folder;
    for (const ReaderCase& c : readers) {
        SCOPED_TRACE(c.code);
        std::unique_ptr<ZnOldFormReader> reader = folder.Reader(c.code);
        const bool confirmationOfLiftsOrStructures =
            !IsPlanChange(c.code) && c.form.listing != equipment.listing && c.form.listing != semiStructure.listing;
        const struct {
            LPCTSTR version;
            int accepted;
        } versions[] = {{"6.00", 1}, {"6.20", 1},  {"6.40", confirmationOfLiftsOrStructures ? 0 : 1},
                        {"6.4", 0},  {"6.40 ", 0}, {"6.10", 0}};
        for (const auto& v : versions) {
            reader->m_indexColumns[ZnOldFormReader::columnVersion] = v.version;
            EXPECT_EQ(v.accepted, reader->IsVersionOK()) << v.version;
        }
    }
}

TEST(ZnOldKindFormReaders, AcceptAFormWithoutVersionByItsMarkerRecord)
{
    const struct {
        LPCTSTR code;
        const char* file;
        const char* withoutMarker; // the marker item one field short, or another item
        const char* withMarker;
    } cases[] = {
        {"100002", "Ksq001.160", "#16105,\"x\"\n", "#16100\n"},
        {"100302", "Ksq001.160", "#16105,\"x\"\n", "#16100\n"},
        {"100003", "Ksq001.170", "#17090,\"2\"\n", "#17090,\"2\",\"x\"\n"},
        {"100303", "Ksq001.170", "#17090,\"2\"\n", "#17090,\"2\",\"x\"\n"},
        {"100004", "Ksq001.180", "#18090,\"2\"\n", "#18090,\"2\",\"x\"\n"},
        {"100304", "Ksq001.180", "#18090,\"2\"\n", "#18090,\"2\",\"x\"\n"},
        {"100006", "Ksq001.190", "#19090,\"2\"\n", "#17090,\"2\",\"x\"\n#19090,\"2\",\"x\"\n"},
        {"100306", "Ksq001.190", "#19090,\"2\"\n", "#19090,\"2\",\"x\"\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        CaseFolder folder;
        EXPECT_EQ(0, folder.Reader(c.code)->IsVersionOK());
        folder.Form(c.file, c.withoutMarker);
        EXPECT_EQ(0, folder.Reader(c.code)->IsVersionOK());
        folder.Form(c.file, std::string(c.withoutMarker) + c.withMarker);
        EXPECT_EQ(1, folder.Reader(c.code)->IsVersionOK());
    }
    // A lift of a structure needs any lift form, whatever it holds.
    for (LPCTSTR code : {"100005", "100305"}) {
        CaseFolder folder;
        EXPECT_EQ(0, folder.Reader(code)->IsVersionOK()) << code;
        folder.Write("Keikaku/KSQ002.160", "");
        EXPECT_EQ(1, folder.Reader(code)->IsVersionOK()) << code;
        EXPECT_EQ(0, folder.Reader("100002")->IsVersionOK());
    }
}
