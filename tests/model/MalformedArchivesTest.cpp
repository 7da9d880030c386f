// Every fixture cut short or with one byte changed: loading either succeeds or throws
// CArchiveException, and the sanitizers see no leak and no bad access.
#include "model/ZnModelAppConstNotif.h"
#include "tests/model/DocumentTestSupport.h"
#include "tests/model/ModelTestSupport.h"

#include <cctype>
#include <functional>
#include <memory>
#include <random>
#include <vector>

namespace {

struct Case {
    const char* fixture;
    std::function<ZnModel*()> create;
};

// A new object of the class of that stored name.
std::function<ZnModel*()> Named(const char* className)
{
    return [className] { return static_cast<ZnModel*>(CRuntimeClass::FromName(className)->CreateObject()); };
}

// A new document of the kind, with its first slotCount slots.
std::function<ZnModel*()> DocumentOf(int kindCode, int slotCount = 3)
{
    return [=] { return new modeltest::KindDocument(kindCode, slotCount); };
}

const Case cases[] = {
    {"individual_data.hex", Named("JkModelIndividualData")},
    {"designer.hex", Named("ZnModelDesigner")},
    {"designer_v256.hex", Named("ZnModelDesigner")},
    {"app.hex", Named("ZnModelApp")},
    {"local_data_default.hex", Named("ZnModelAppLocalData")},
    {"equip_designer.hex", Named("ZnModelEquipDesigner")},
    {"constructor.hex", Named("ZnModelConstructor")},
    {"insp_date.hex", Named("ZnModelInspDate")},
    {"area.hex", Named("ZnModelArea")},
    {"app_with.hex", Named("ZnModelAppWith")},
    {"app_except.hex", Named("ZnModelAppExcept")},
    {"struct_const_kind.hex", Named("ZnModelStructConstKind")},
    {"insp_conf.hex", Named("ZnModelAppInspConf")},
    {"insp_base_app.hex", [] { return new modeltest::ObjectSequence<modeltest::BaseAppProbe, 3>; }},
    {"past_insp_date.hex", Named("ZnModelPastInspDate")},
    {"reg_insp_conf.hex", Named("ZnModelAppRegInspConf")},
    {"reg_insp_conf_v256.hex", Named("ZnModelAppRegInspConf")},
    {"comp_insp_conf.hex", Named("ZnModelAppCompInspConf")},
    {"comp_insp_conf_v257.hex", Named("ZnModelAppCompInspConf")},
    {"comp_insp_conf_v256.hex", Named("ZnModelAppCompInspConf")},
    {"temp_use_conf.hex", Named("ZnModelAppTempUseConf")},
    {"const_notif.hex", Named("ZnModelAppConstNotif")},
    {"const_notif_v257.hex", Named("ZnModelAppConstNotif")},
    {"const_notif_v256.hex", Named("ZnModelAppConstNotif")},
    {"dem_notif.hex", Named("ZnModelAppDemNotif")},
    {"dem_notif_v256.hex", Named("ZnModelAppDemNotif")},
    {"dem_data_v256.hex", [] { return new modeltest::ObjectSequence<ZnModelAppDemData, 3>; }},
    {"safe_notif.hex", Named("ZnModelAppSafeNotif")},
    {"proxy.hex", Named("ZnModelAppProxy")},
    {"site_page.hex", Named("ZnModelAppSitePage")},
    {"site_page_v256.hex", Named("ZnModelAppSitePage")},
    {"build_conf_document.hex", DocumentOf(100001)},
    {"build_mod_document.hex", DocumentOf(100301)},
    {"build_v256.hex", DocumentOf(100001, 2)},
    {"build_v256_stored.hex", DocumentOf(100001, 2)},
    {"lift_mod_document.hex", DocumentOf(100302)},
    {"lift_mod_document_designer_v256.hex", DocumentOf(100302)},
    {"equip_conf_document.hex", DocumentOf(100003)},
    {"struct_mod_document.hex", DocumentOf(100304)},
    {"semi_str_conf_document.hex", DocumentOf(100006)},
    {"semi_str_conf_document_designer_v257.hex", DocumentOf(100006)},
};

// The byte positions the loops try: every one of a fixture up to 1100 bytes long; in a longer
// one (a whole document) 100 of them drawn with a fixed seed, so that runs repeat and stay fast.
std::vector<size_t> Positions(size_t size)
{
    std::vector<size_t> positions;
    if (size <= 1100) {
        for (size_t i = 0; i < size; ++i)
            positions.push_back(i);
        return positions;
    }
    std::mt19937 random(20261207);
    for (int i = 0; i < 100; ++i)
        positions.push_back(random() % size);
    return positions;
}

// Loads one object from bytes into a fresh object; true when it threw CArchiveException.
bool LoadFails(const Case& c, const std::string& bytes)
{
    std::unique_ptr<ZnModel> object(c.create());
    return testsupport::ThrowsArchiveException(
        [&] { testsupport::LoadFromBytes(bytes, [&](CArchive& ar) { object->Serialize(ar); }); });
}

} // namespace

// One instance per fixture, so that ctest runs them side by side.
class MalformedArchives : public testing::TestWithParam<Case> {};

TEST_P(MalformedArchives, EveryTruncationThrowsArchiveException)
{
    const Case& c = GetParam();
    std::string bytes = modeltest::Fixture(c.fixture);
    ASSERT_FALSE(LoadFails(c, bytes)) << c.fixture;
    for (size_t length : Positions(bytes.size()))
        EXPECT_TRUE(LoadFails(c, bytes.substr(0, length))) << c.fixture << " cut at " << length;
}

TEST_P(MalformedArchives, ChangedBytesLoadOrThrowArchiveException)
{
    const Case& c = GetParam();
    const unsigned char patterns[] = {0x00, 0xFF, 0x80, 0x01};
    std::string bytes = modeltest::Fixture(c.fixture);
    for (size_t i : Positions(bytes.size())) {
        for (unsigned char pattern : patterns) {
            std::string changed = bytes;
            changed[i] = static_cast<char>(pattern);
            LoadFails(c, changed); // any other exception or a sanitizer report fails the test
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Fixtures, MalformedArchives, testing::ValuesIn(cases),
                         [](const testing::TestParamInfo<Case>& info) {
                             std::string name = info.param.fixture;
                             name = name.substr(0, name.find('.'));
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return name;
                         });
