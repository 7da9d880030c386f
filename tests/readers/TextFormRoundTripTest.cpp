// The text-form writers' expected files read back through the readers: each document holds the
// values that the writers' tests wrote, as the form carries them (numbers rounded or cut by the
// form's own rule, line breaks gone where the writer removes them, dates left unset read as
// empty dates); a value whose line break the form writes as it stands keeps it.
#include "tests/readers/NotifFormSupport.h"
#include "tests/writers/TextFormFixtures.h"

#include "model/ZnModelAppConstNotif.h"
#include "model/ZnModelAppDemNotif.h"
#include "model/ZnModelAppSafeNotif.h"
#include "model/ZnModelAppTempUseConf.h"

using namespace notiftest;

namespace {

// The forms as the writers' tests wrote them, with the document-kind codes of their index files.
const Form constForm{"", "100801", "#240", "ZnModelAppConstNotif", "Ksq001.240"};
const Form demForm{"", "100802", "#250", "ZnModelAppDemNotif", "Ksq001.250"};
const Form safeForm{"", "100803", "#260", "ZnModelAppSafeNotif", "Ksq001.260"};
const Form agencyForm{"", "100405", "#220", "ZnModelAppTempUseConf", "Ksq001.220"};
const Form officialForm{"", "100415", "#230", "ZnModelAppTempUseConf", "Ksq001.230"};

// The document read from an old folder that holds the form file of those bytes.
std::unique_ptr<ZnModelApp> ReadBytes(const Form& form, const std::string& bytes)
{
    OldFolder old(form, bytes.c_str());
    return ReadFolder(old.folder.Path(), form);
}

// The document read from an old folder that holds the expected file as its form file; without
// its first line, the title comment, the file reads the same.
template <typename T> std::unique_ptr<T> ReadBack(const Form& form, const std::string& expectedFile)
{
    std::string bytes = testsupport::ReadFileBytes(testsupport::DataPath("writers/forms/" + expectedFile));
    std::unique_ptr<ZnModelApp> app = ReadBytes(form, bytes);
    std::unique_ptr<ZnModelApp> untitled = ReadBytes(form, bytes.substr(bytes.find("\r\n") + 2));
    T* document = dynamic_cast<T*>(app.get());
    EXPECT_TRUE(document && untitled) << expectedFile;
    if (!document || !untitled)
        return nullptr;
    EXPECT_EQ(Stored(*app), Stored(*untitled)) << expectedFile;
    app.release();
    return std::unique_ptr<T>(document);
}

// A date that the writer was given unset: written empty, it reads back as the empty date.
ZnModelDate WrittenUnset()
{
    ZnModelDate date;
    date.SetDateString("");
    return date;
}

// The parties of the writers' tests as the document of each form holds them: the applicant's
// name without its line break.
template <typename T> void FillParties(T& expected, bool furtherOwners)
{
    textformtest::FillApp(expected, furtherOwners);
    expected.m_applicantName.m_name = "申請者表";
}

} // namespace

TEST(TextFormRoundTrip, ConstructionNotificationWithAndWithoutItsDemolitionPart)
{
    for (int demolition : {1, 0}) {
        SCOPED_TRACE(demolition);
        auto read = ReadBack<ZnModelAppConstNotif>(constForm, demolition ? "construction_with_demolition.240"
                                                                         : "construction_without_demolition.240");
        ASSERT_TRUE(read);
        ZnModelAppConstNotif expected;
        SetCommon(expected, constForm.code);
        textformtest::FillApp(expected, false);
        textformtest::FillConstruction(expected, demolition);
        // No applicant on this form; the agent as the filer record: names and the office, no codes.
        expected.m_applicantName = JkModelName();
        ZnModelDesigner filer;
        filer.m_architectName = expected.m_agent.m_architectName;
        filer.m_office = expected.m_agent.m_office;
        expected.m_agent = filer;
        // Areas with two decimals, half up; one below 0.005 is written empty.
        ZnModelAppStrNotif* first = expected.m_buildings.GetHead();
        first->m_area = 12.35;
        first->m_housingArea1 = 12.34;
        first->m_housingArea2 = 0.0;
        // The supervisor goes to a file of its own.
        expected.m_supervisor = ZnModelDesigner();
        if (demolition) {
            expected.m_demolition.m_floorArea = 55.56;
        } else {
            // Without its records only the contractor's comes through, the part marked absent.
            ZnModelConstructor contractor = expected.m_demolition.m_contractor;
            expected.m_demolition = ZnModelAppDemData();
            expected.m_demolition.m_contractor = contractor;
        }
        EXPECT_EQ(Stored(expected), Stored(*read));
    }
}

TEST(TextFormRoundTrip, DemolitionNotificationEmptyAndFilled)
{
    auto empty = ReadBack<ZnModelAppDemNotif>(demForm, "demolition_empty.250");
    ASSERT_TRUE(empty);
    auto defaults = Defaults<ZnModelAppDemNotif>(demForm.code);
    defaults->m_date = WrittenUnset();
    EXPECT_EQ(Stored(*defaults), Stored(*empty));

    auto read = ReadBack<ZnModelAppDemNotif>(demForm, "demolition_populated.250");
    ASSERT_TRUE(read);
    ZnModelAppDemNotif expected;
    SetCommon(expected, demForm.code);
    textformtest::FillDemolition(expected);
    expected.m_floorArea = 123.46;
    EXPECT_EQ(Stored(expected), Stored(*read));
}

TEST(TextFormRoundTrip, SafetyPlanNotification)
{
    auto read = ReadBack<ZnModelAppSafeNotif>(safeForm, "safety_plan.260");
    ASSERT_TRUE(read);
    ZnModelAppSafeNotif expected;
    SetCommon(expected, safeForm.code);
    FillParties(expected, false);
    textformtest::FillSafetyPlan(expected);
    // Quantities cut to two decimals; the remarks without their line break; the approval's
    // issuer is not on the form.
    expected.m_area1 = 12.34;
    expected.m_area2 = 99.99;
    expected.m_area3 = 0.0;
    expected.m_remarks = "備考A備考B";
    expected.m_tempUseApproval.SetFurtherText("");
    expected.m_plannedStart = WrittenUnset();
    EXPECT_EQ(Stored(expected), Stored(*read));
}

TEST(TextFormRoundTrip, TemporaryUseApplicationsOfBothForms)
{
    struct {
        const Form& form;
        const char* file;
        bool furtherOwners;
    } cases[] = {{agencyForm, "temp_use_agency.220", true}, {officialForm, "temp_use_official.230", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        auto read = ReadBack<ZnModelAppTempUseConf>(c.form, c.file);
        ASSERT_TRUE(read);
        ZnModelAppTempUseConf expected;
        SetCommon(expected, c.form.code);
        FillParties(expected, c.furtherOwners);
        textformtest::FillTempUse(expected);
        expected.m_remarks = "一行目二行目三行目";
        // The official form has no planned dates; the other one's planned end was left unset.
        if (&c.form == &officialForm)
            expected.m_plannedStart = ZnModelDate();
        else
            expected.m_plannedEnd = WrittenUnset();
        EXPECT_EQ(Stored(expected), Stored(*read));
    }
}
