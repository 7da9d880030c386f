// Every fixture cut short or with one byte changed: loading either succeeds or throws
// CArchiveException, and the sanitizers see no leak and no bad access.
#include "model/JkModelIndividualData.h"
#include "model/ZnModelApp.h"
#include "model/ZnModelAppConstNotif.h"
#include "model/ZnModelAppDemNotif.h"
#include "model/ZnModelAppExcept.h"
#include "model/ZnModelAppProxy.h"
#include "model/ZnModelAppSafeNotif.h"
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

#include <functional>
#include <memory>

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
    {"temp_use_conf.hex", Creator<ZnModelAppTempUseConf>()},
    {"const_notif.hex", Creator<ZnModelAppConstNotif>()},
    {"const_notif_v257.hex", Creator<ZnModelAppConstNotif>()},
    {"const_notif_v256.hex", Creator<ZnModelAppConstNotif>()},
    {"dem_notif.hex", Creator<ZnModelAppDemNotif>()},
    {"dem_notif_v256.hex", Creator<ZnModelAppDemNotif>()},
    {"dem_data_v256.hex", Creator<modeltest::ObjectSequence<ZnModelAppDemData, 3>>()},
    {"safe_notif.hex", Creator<ZnModelAppSafeNotif>()},
    {"proxy.hex", Creator<ZnModelAppProxy>()},
};

// Loads one object from bytes into a fresh object; true when it threw CArchiveException.
bool LoadFails(const Case& c, const std::string& bytes)
{
    std::unique_ptr<ZnModel> object(c.create());
    return testsupport::ThrowsArchiveException(
        [&] { testsupport::LoadFromBytes(bytes, [&](CArchive& ar) { object->Serialize(ar); }); });
}

} // namespace

TEST(MalformedArchives, EveryTruncationThrowsArchiveException)
{
    for (const Case& c : cases) {
        std::string bytes = modeltest::Fixture(c.fixture);
        ASSERT_FALSE(LoadFails(c, bytes)) << c.fixture;
        for (size_t length = 0; length < bytes.size(); ++length)
            EXPECT_TRUE(LoadFails(c, bytes.substr(0, length))) << c.fixture << " cut at " << length;
    }
}

TEST(MalformedArchives, ChangedBytesLoadOrThrowArchiveException)
{
    const unsigned char patterns[] = {0x00, 0xFF, 0x80, 0x01};
    for (const Case& c : cases) {
        std::string bytes = modeltest::Fixture(c.fixture);
        for (size_t i = 0; i < bytes.size(); ++i) {
            for (unsigned char pattern : patterns) {
                std::string changed = bytes;
                changed[i] = static_cast<char>(pattern);
                LoadFails(c, changed); // any other exception or a sanitizer report fails the test
            }
        }
    }
}
