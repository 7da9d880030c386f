#include "model/ZnModelAppBuildConf.h"
#include "model/ZnModelAppCompInspConf.h"
#include "model/ZnModelAppRegInspConf.h"
#include "tests/model/DocumentTestSupport.h"

using modeltest::ExpectStoredAndLoaded;
using modeltest::FillSampleInspection;
using modeltest::Fixture;
using modeltest::Load;
using modeltest::MakeNum;
using modeltest::Store;
using modeltest::TrackedApp;
using testsupport::Hex;
using testsupport::ThrowsArchiveException;

namespace {

ZnModelInspDate MakeStage(int count, LPCTSTR name, LPCTSTR date = nullptr)
{
    ZnModelInspDate stage;
    stage.m_count = count;
    stage.m_name = name;
    stage.m_date.SetDateString(date); // null changes nothing
    return stage;
}

ZnModelPastInspDate MakePassed(int count, LPCTSTR stageName, const ZnModelNum& certificate)
{
    ZnModelPastInspDate passed;
    passed.m_count = count;
    passed.m_stageName = stageName;
    passed.m_certificate = certificate;
    return passed;
}

// The interim application of reg_insp_conf.hex.
ZnModelAppRegInspConf MakeSampleInterim()
{
    ZnModelAppRegInspConf insp;
    FillSampleInspection(insp);
    insp.m_stage = MakeStage(3, "S1", "02311220");
    insp.m_pastInsp = MakePassed(1, "S0", MakeNum("M-1", "02311115", "I"));
    insp.m_nextStage = MakeStage(4, "S2", "02320315");
    insp.m_specialCertNo = "SP-9";
    ZnModelPastInspDateList passed;
    passed.AddCopy(MakePassed(2, "S0b", MakeNum("M-2")));
    insp.SetPastInspDateList(passed);
    ZnModelInspDateList coming;
    coming.AddCopy(MakeStage(5, "S3"));
    insp.SetInspDateList(coming);
    return insp;
}

// What the completion application of comp_insp_conf.hex holds beyond the older layouts: the
// building page, the certification number, the text and the embedded application.
void FillNewestCompletionFields(ZnModelAppCompInspConf& insp)
{
    ZnModelAppBuildPage page;
    page.m_buildingNumber = 1;
    page.m_floorsAboveGround = 2;
    page.m_remarks1 = "p1";
    insp.m_buildPageList.DeleteAll();
    insp.m_buildPageList.AddCopy(page);
    insp.m_specialCertNo = "SP-7";
    insp.m_text2 = "x2";
    insp.m_baseApp.Reset(new ZnModelAppBuildConf);
}

// The completion application of comp_insp_conf.hex.
ZnModelAppCompInspConf MakeSampleCompletion()
{
    ZnModelAppCompInspConf insp;
    FillSampleInspection(insp);
    insp.m_pastInsp = MakePassed(1, "S0", MakeNum("M-1", "02311115", "I"));
    ZnModelPastInspDateList passed;
    passed.AddCopy(MakePassed(2, "S2", MakeNum("M-3")));
    insp.SetPastInspDateList(passed);
    FillNewestCompletionFields(insp);
    return insp;
}

} // namespace

TEST(ZnModelAppRegInspConf, StoresStagesCertificationNumberAndLists)
{
    ZnModelAppRegInspConf insp = MakeSampleInterim();
    bool heldDestroyed = false;
    ZnModelAppRegInspConf read;
    read.m_baseApp.Reset(new TrackedApp(heldDestroyed)); // the stored flag 0 empties the place
    read.m_nextStageList.AddCopy(MakeStage(9, "old"));
    ExpectStoredAndLoaded(insp, read, "reg_insp_conf.hex");
    EXPECT_TRUE(heldDestroyed);
    EXPECT_FALSE(read.m_baseApp);
}

TEST(ZnModelAppRegInspConf, OlderLayoutHasNoCertificationNumberAndStoresBackInTheNewest)
{
    ZnModelAppRegInspConf read;
    read.m_specialCertNo = "old";
    Load(read, Fixture("reg_insp_conf_v256.hex"));
    EXPECT_EQ(CString(""), read.m_specialCertNo);

    read.m_specialCertNo = "SP-9";
    EXPECT_EQ(Hex(Fixture("reg_insp_conf.hex")), Hex(Store(read)));
}

TEST(ZnModelAppCompInspConf, StoresPagesTextsAndTheEmbeddedApplicationAsAnObject)
{
    ZnModelAppCompInspConf insp = MakeSampleCompletion();
    bool heldDestroyed = false;
    ZnModelAppCompInspConf read;
    read.m_baseApp.Reset(new TrackedApp(heldDestroyed));
    ExpectStoredAndLoaded(insp, read, "comp_insp_conf.hex");
    EXPECT_TRUE(heldDestroyed); // replaced, not leaked
}

TEST(ZnModelAppCompInspConf, OlderLayoutsLoadWhatTheyHaveAndStoreBackInTheNewest)
{
    const struct {
        const char* fixture;
        const char* specialCertNo;
    } layouts[] = {{"comp_insp_conf_v257.hex", "SP-7"}, {"comp_insp_conf_v256.hex", ""}};
    for (const auto& layout : layouts) {
        ZnModelAppCompInspConf read;
        FillNewestCompletionFields(read);
        read.m_specialCertNo = "old";
        Load(read, Fixture(layout.fixture));
        EXPECT_EQ(CString(layout.specialCertNo), read.m_specialCertNo) << layout.fixture;
        EXPECT_EQ(CString(""), read.m_text2) << layout.fixture;
        EXPECT_EQ(0, read.m_buildPageList.GetCount()) << layout.fixture; // none kept from before
        EXPECT_FALSE(read.m_baseApp) << layout.fixture;

        FillNewestCompletionFields(read);
        EXPECT_EQ(Hex(Fixture("comp_insp_conf.hex")), Hex(Store(read))) << layout.fixture;
    }
}

TEST(ZnModelAppCompInspConf, CutFromTheEmbeddedApplicationOnThrowsAndHoldsAWholeApplication)
{
    std::string bytes = Fixture("comp_insp_conf.hex");
    // The presence flag precedes the new-class tag, schema and name length of the class name.
    size_t flag = bytes.find("ZnModelAppBuildConf") - 10;
    ASSERT_EQ(Hex(std::string("\x01\x00\x00\x00", 4)), Hex(bytes.substr(flag, 4)));
    for (size_t cut = flag; cut < bytes.size(); ++cut) {
        bool heldDestroyed = false;
        ZnModelAppCompInspConf read;
        read.m_baseApp.Reset(new TrackedApp(heldDestroyed));
        EXPECT_TRUE(ThrowsArchiveException([&] {
            testsupport::LoadFromBytes(bytes.substr(0, cut), [&](CArchive& ar) { read.Serialize(ar); });
        })) << cut;
        // Either the application held before, intact, or the whole one read.
        ASSERT_TRUE(read.m_baseApp) << cut;
        if (heldDestroyed) {
            EXPECT_NE(nullptr, dynamic_cast<ZnModelAppBuildConf*>(read.m_baseApp.Get())) << cut;
        }
    }
}
