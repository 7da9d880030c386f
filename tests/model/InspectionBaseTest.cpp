#include "model/ZnModelAppProxy.h"
#include "model/ZnModelPastInspDate.h"
#include "tests/model/DocumentTestSupport.h"

#include <memory>
#include <vector>

using modeltest::BaseAppProbe;
using modeltest::ExpectStoredAndLoaded;
using modeltest::FillSampleInspection;
using modeltest::Fixture;
using modeltest::Load;
using modeltest::MakeNum;
using modeltest::ObjectSequence;
using modeltest::TrackedApp;
using testsupport::ThrowsArchiveException;

namespace {

// The construction-kind flags in their stored order.
std::vector<int> KindFlags(const ZnModelAppInspConf& insp)
{
    return {insp.m_kindNew,    insp.m_kindExtension, insp.m_kindRebuild,  insp.m_kindRelocation,
            insp.m_kindRepair, insp.m_kindRemodel,   insp.m_kindEquipment};
}

ZnModelAppProxy* MakeProxy(LPCTSTR text1)
{
    auto* proxy = new ZnModelAppProxy;
    proxy->m_text1 = text1;
    return proxy;
}

typedef ObjectSequence<BaseAppProbe, 3> ThreeInspections;

} // namespace

TEST(ZnModelAppInspConf, StoresPartsTextsFlagsAreaAndSixLists)
{
    ZnModelAppInspConf insp;
    FillSampleInspection(insp);
    ZnModelAppInspConf read;
    read.SetSupervisorList(insp.m_designerList); // the stored empty list replaces it
    ExpectStoredAndLoaded(insp, read, "insp_conf.hex");
}

TEST(ZnModelAppInspConf, ConstructionKindCodesOnlySetTheirOwnFlag)
{
    ZnModelAppInspConf insp;
    for (LPCTSTR code : {"01605", "", static_cast<const char*>(nullptr), "0160", "016011"})
        insp.SetConstKind(code); // 用途変更 "01605" has no flag
    EXPECT_EQ((std::vector<int>{0, 0, 0, 0, 0, 0, 0}), KindFlags(insp));
    insp.SetConstKind("01606");
    insp.SetConstKind("01601");
    EXPECT_EQ((std::vector<int>{1, 0, 0, 0, 1, 0, 0}), KindFlags(insp));
    for (LPCTSTR code : {"01602", "01603", "01604", "01607", "01608"})
        insp.SetConstKind(code);
    EXPECT_EQ((std::vector<int>{1, 1, 1, 1, 1, 1, 1}), KindFlags(insp));
}

TEST(ZnModelAppInspConf, CertificateSelectorCountsTheFirstCertificateAsOne)
{
    ZnModelAppInspConf insp;
    FillSampleInspection(insp);
    insp.m_confCertList.AddCopy(MakeNum("C-3"));
    EXPECT_EQ(&insp.m_confCert, insp.GetConfNum(1));
    EXPECT_EQ(CString("C-2"), insp.GetConfNum(2)->GetNumber());
    EXPECT_EQ(CString("C-3"), insp.GetConfNum(3)->GetNumber());
    for (int outside : {4, 0, -1})
        EXPECT_EQ(nullptr, insp.GetConfNum(outside)) << outside;
}

TEST(ZnModelAppInspConf, CopiesOwnTheirListsAndEmbeddedApplication)
{
    ZnModelAppInspConf insp;
    FillSampleInspection(insp);
    insp.m_baseApp.Reset(MakeProxy("A"));
    std::unique_ptr<ZnModel> clone(insp.Clone());
    auto* copy = dynamic_cast<ZnModelAppInspConf*>(clone.get());
    ASSERT_NE(nullptr, copy);
    EXPECT_NE(insp.m_designerList.GetHead()->GetSerialId(), copy->m_designerList.GetHead()->GetSerialId());
    auto* proxy = dynamic_cast<ZnModelAppProxy*>(copy->m_baseApp.Get());
    ASSERT_NE(nullptr, proxy);
    EXPECT_NE(insp.m_baseApp.Get(), proxy);
    EXPECT_EQ(CString("A"), proxy->m_text1);
    clone.reset(); // the source's application survives its copy
    EXPECT_EQ(CString("A"), static_cast<ZnModelAppProxy*>(insp.m_baseApp.Get())->m_text1);

    // Assignment replaces the application by a copy; null stays null.
    ZnModelAppInspConf target;
    target.m_baseApp.Reset(MakeProxy("old"));
    target = insp;
    EXPECT_NE(insp.m_baseApp.Get(), target.m_baseApp.Get());
    EXPECT_NE(nullptr, dynamic_cast<ZnModelAppProxy*>(target.m_baseApp.Get()));
    target = ZnModelAppInspConf();
    EXPECT_FALSE(target.m_baseApp);
}

TEST(ZnModelPastInspDate, StoresTheCertificateBeforeOrdinalAndStage)
{
    ZnModelPastInspDate past;
    past.m_count = 2;
    past.m_stageName = "S";
    past.m_certificate = MakeNum("P-1", "02320203", "I");
    ZnModelPastInspDate read;
    ExpectStoredAndLoaded(past, read, "past_insp_date.hex");
}

// Loading replaces and deletes the applications held; a stored flag of 0 empties the place.
TEST(InspectionBaseApp, PresentAndAbsentApplicationsShareTheArchiveIndexMap)
{
    ThreeInspections stored;
    stored.m_objects[0].m_baseApp.Reset(MakeProxy("A"));
    stored.m_objects[1].m_baseApp.Reset(MakeProxy("B"));
    bool firstDestroyed = false;
    bool thirdDestroyed = false;
    ThreeInspections read;
    read.m_objects[0].m_baseApp.Reset(new TrackedApp(firstDestroyed));
    read.m_objects[2].m_baseApp.Reset(new TrackedApp(thirdDestroyed));
    ExpectStoredAndLoaded(stored, read, "insp_base_app.hex");
    EXPECT_TRUE(firstDestroyed);
    EXPECT_TRUE(thirdDestroyed);
    EXPECT_FALSE(read.m_objects[2].m_baseApp);
}

TEST(InspectionBaseApp, OnlyNewApplicationsAreAccepted)
{
    // A fourth inspection naming the object of the first (index 2) or of the second (index 21):
    // each has an owner already.
    for (const char* reference : {"\x02\x00", "\x15\x00"}) {
        std::string bytes =
            Fixture("insp_base_app.hex") + std::string("\x01\x00\x00\x00", 4) + std::string(reference, 2);
        ObjectSequence<BaseAppProbe, 4> read;
        EXPECT_TRUE(ThrowsArchiveException([&] { Load(read, bytes); }));
        EXPECT_FALSE(read.m_objects[3].m_baseApp);
    }
    // An object that is no application.
    std::string bytes = std::string("\x01\x00\x00\x00", 4) + Fixture("past_insp_date.hex");
    BaseAppProbe probe;
    EXPECT_TRUE(ThrowsArchiveException([&] { Load(probe, bytes); }));
}
