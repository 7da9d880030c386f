// Every fixture cut short or with one byte changed: loading either succeeds or throws
// CArchiveException, and the sanitizers see no leak and no bad access.
#include "model/JkModelIndividualData.h"
#include "model/ZnModelApp.h"
#include "model/ZnModelAppCompInspConf.h"
#include "model/ZnModelAppConstNotif.h"
#include "model/ZnModelAppDemNotif.h"
#include "model/ZnModelAppExcept.h"
#include "model/ZnModelAppProxy.h"
#include "model/ZnModelAppRegInspConf.h"
#include "model/ZnModelAppSafeNotif.h"
#include "model/ZnModelAppSitePage.h"
#include "model/ZnModelAppTempUseConf.h"
#include "model/ZnModelAppWith.h"
#include "model/ZnModelArea.h"
#include "model/ZnModelConstructor.h"
#include "model/ZnModelEquipDesigner.h"
#include "model/ZnModelInspDate.h"
#include "model/ZnModelPastInspDate.h"
#include "model/ZnModelStructConstKind.h"
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

template <typename T> std::function<ZnModel*()> Creator()
{
    return [] { return new T; };
}

const Case cases[] = {
    {"individual_data.hex", Creator<JkModelIndividualData>()},
    {"designer.hex", Creator<ZnModelDesigner>()},
    {"designer_v256.hex", Creator<ZnModelDesigner>()},
    {"app.hex", Creator<ZnModelApp>()},
    {"local_data_default.hex", Creator<ZnModelAppLocalData>()},
    {"equip_designer.hex", Creator<ZnModelEquipDesigner>()},
    {"constructor.hex", Creator<ZnModelConstructor>()},
    {"insp_date.hex", Creator<ZnModelInspDate>()},
    {"area.hex", Creator<ZnModelArea>()},
    {"app_with.hex", Creator<ZnModelAppWith>()},
    {"app_except.hex", Creator<ZnModelAppExcept>()},
    {"struct_const_kind.hex", Creator<ZnModelStructConstKind>()},
    {"insp_conf.hex", Creator<ZnModelAppInspConf>()},
    {"insp_base_app.hex", Creator<modeltest::ObjectSequence<modeltest::BaseAppProbe, 3>>()},
    {"past_insp_date.hex", Creator<ZnModelPastInspDate>()},
    {"reg_insp_conf.hex", Creator<ZnModelAppRegInspConf>()},
    {"reg_insp_conf_v256.hex", Creator<ZnModelAppRegInspConf>()},
    {"comp_insp_conf.hex", Creator<ZnModelAppCompInspConf>()},
    {"comp_insp_conf_v257.hex", Creator<ZnModelAppCompInspConf>()},
    {"comp_insp_conf_v256.hex", Creator<ZnModelAppCompInspConf>()},
    {"temp_use_conf.hex", Creator<ZnModelAppTempUseConf>()},
    {"const_notif.hex", Creator<ZnModelAppConstNotif>()},
    {"const_notif_v257.hex", Creator<ZnModelAppConstNotif>()},
    {"const_notif_v256.hex", Creator<ZnModelAppConstNotif>()},
    {"dem_notif.hex", Creator<ZnModelAppDemNotif>()},
    {"dem_notif_v256.hex", Creator<ZnModelAppDemNotif>()},
    {"dem_data_v256.hex", Creator<modeltest::ObjectSequence<ZnModelAppDemData, 3>>()},
    {"safe_notif.hex", Creator<ZnModelAppSafeNotif>()},
    {"proxy.hex", Creator<ZnModelAppProxy>()},
    {"site_page.hex", Creator<ZnModelAppSitePage>()},
    {"site_page_v256.hex", Creator<ZnModelAppSitePage>()},
    {"build_conf_document.hex", Creator<modeltest::Document<100001>>()},
    {"build_mod_document.hex", Creator<modeltest::Document<100301>>()},
    {"build_v256.hex", Creator<modeltest::Document<100001, 2>>()},
    {"build_v256_stored.hex", Creator<modeltest::Document<100001, 2>>()},
    {"lift_mod_document.hex", Creator<modeltest::Document<100302>>()},
    {"lift_mod_document_designer_v256.hex", Creator<modeltest::Document<100302>>()},
    {"equip_conf_document.hex", Creator<modeltest::Document<100003>>()},
    {"struct_mod_document.hex", Creator<modeltest::Document<100304>>()},
    {"semi_str_conf_document.hex", Creator<modeltest::Document<100006>>()},
    {"semi_str_conf_document_designer_v257.hex", Creator<modeltest::Document<100006>>()},
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
