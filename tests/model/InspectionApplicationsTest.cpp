#include "model/ZnModelAppBuildConf.h"
#include "model/ZnModelAppCompInspConf.h"
#include "model/ZnModelAppRegInspConf.h"
#include "tests/model/DocumentTestSupport.h"

#include <memory>

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

// An interim and a completion application stored one after the other in one archive, as two
// inspection documents of a property may be.
class TwoInspections : public ZnModel {
public:
    void Serialize(CArchive& ar) override
    {
        m_interim.Serialize(ar);
        m_completion.Serialize(ar);
    }

    ZnModelAppRegInspConf m_interim;
    ZnModelAppCompInspConf m_completion;
};

// How often text occurs in bytes.
int Occurrences(const std::string& bytes, const std::string& text)
{
    int count = 0;
    for (size_t at = bytes.find(text); at != std::string::npos; at = bytes.find(text, at + 1))
        ++count;
    return count;
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
    EXPECT_EQ(CString("SP-9"), read.m_specialCertNo);
    EXPECT_EQ(CString("S2"), read.m_nextStage.GetName());
    EXPECT_EQ(CString("M-1"), read.m_pastInsp.GetNum().GetNumber());
    ASSERT_EQ(1, read.m_nextStageList.GetCount());
    EXPECT_EQ(5, read.m_nextStageList.GetHead()->GetCount());
    EXPECT_EQ(CString("Bldg"), read.m_buildingName.m_name);
}

TEST(ZnModelAppRegInspConf, OlderLayoutHasNoCertificationNumberAndStoresBackInTheNewest)
{
    ZnModelAppRegInspConf read;
    read.m_specialCertNo = "old";
    Load(read, Fixture("reg_insp_conf_v256.hex"));
    EXPECT_EQ(CString(""), read.m_specialCertNo);
    EXPECT_FALSE(read.m_baseApp);
    EXPECT_EQ(CString("S0b"), read.m_pastInspList.GetHead()->m_stageName);

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
    EXPECT_NE(nullptr, dynamic_cast<ZnModelAppBuildConf*>(read.m_baseApp.Get()));
    ASSERT_EQ(1, read.m_buildPageList.GetCount());
    EXPECT_EQ(CString("p1"), read.m_buildPageList.GetHead()->GetRemarks1());
    EXPECT_EQ(CString("SP-7"), read.m_specialCertNo);
    EXPECT_EQ(CString("x2"), read.m_text2);
    EXPECT_EQ(CString("S2"), read.m_pastInspList.GetHead()->m_stageName);
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
        EXPECT_EQ(CString("M-3"), read.m_pastInspList.GetHead()->GetNum().GetNumber()) << layout.fixture;

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

TEST(InspectionApplications, CopiesOwnTheirListsPagesAndEmbeddedApplication)
{
    ZnModelAppCompInspConf completion = MakeSampleCompletion();
    std::unique_ptr<ZnModel> clone(completion.Clone());
    auto* copy = dynamic_cast<ZnModelAppCompInspConf*>(clone.get());
    ASSERT_NE(nullptr, copy);
    EXPECT_NE(completion.m_baseApp.Get(), copy->m_baseApp.Get());
    EXPECT_NE(nullptr, dynamic_cast<ZnModelAppBuildConf*>(copy->m_baseApp.Get()));
    EXPECT_NE(completion.m_buildPageList.GetHead(), copy->m_buildPageList.GetHead());
    EXPECT_EQ(Hex(Store(completion)), Hex(Store(*copy)));
    clone.reset(); // the source keeps its own application
    EXPECT_EQ(Hex(Fixture("comp_insp_conf.hex")), Hex(Store(completion)));

    ZnModelAppRegInspConf interim = MakeSampleInterim();
    interim.m_baseApp.Reset(new ZnModelAppBuildConf);
    std::unique_ptr<ZnModel> interimClone(interim.Clone());
    auto* interimCopy = dynamic_cast<ZnModelAppRegInspConf*>(interimClone.get());
    ASSERT_NE(nullptr, interimCopy);
    EXPECT_NE(interim.m_baseApp.Get(), interimCopy->m_baseApp.Get());
    EXPECT_NE(interim.m_nextStageList.GetHead(), interimCopy->m_nextStageList.GetHead());
    EXPECT_EQ(Hex(Store(interim)), Hex(Store(*interimCopy)));
}

TEST(InspectionApplications, TwoInOneArchiveShareItsClassReferences)
{
    TwoInspections stored;
    stored.m_interim = MakeSampleInterim();
    stored.m_interim.m_baseApp.Reset(new ZnModelAppBuildConf);
    stored.m_completion = MakeSampleCompletion();
    std::string bytes = Store(stored);
    // Each class is named once; the second application refers back to the first one's classes.
    EXPECT_EQ(1, Occurrences(bytes, "ZnModelAppBuildConf"));
    EXPECT_EQ(1, Occurrences(bytes, "ZnModelAppInspConf"));
    EXPECT_EQ(1, Occurrences(bytes, "ZnModelPastInspDate"));

    TwoInspections read;
    Load(read, bytes);
    EXPECT_EQ(Hex(bytes), Hex(Store(read)));
    EXPECT_NE(nullptr, dynamic_cast<ZnModelAppBuildConf*>(read.m_interim.m_baseApp.Get()));
    EXPECT_NE(nullptr, dynamic_cast<ZnModelAppBuildConf*>(read.m_completion.m_baseApp.Get()));
    EXPECT_NE(read.m_interim.m_baseApp.Get(), read.m_completion.m_baseApp.Get());
    EXPECT_EQ(CString("SP-7"), read.m_completion.m_specialCertNo);
}
