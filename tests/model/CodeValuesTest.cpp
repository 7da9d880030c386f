#include "model/ZnModelArchiCode.h"
#include "model/ZnModelRegistInstCode.h"
#include "model/ZnModelUsageCode.h"
#include "model/ZnModelYearCode.h"
#include "tests/model/ModelTestSupport.h"

#include <memory>

using modeltest::Fixture;
using testsupport::LoadFromBytes;
using testsupport::StoreToBytes;
using testsupport::ThrowsArchiveException;

TEST(ZnModelCode, KindsStoreTheirCodeAfterThreeClassReferences)
{
    ZnModelArchiCode archi;
    archi.SetCode("101");
    ZnModelRegistInstCode regist;
    regist.SetCode("13");
    ZnModelArchiCode empty;
    EXPECT_EQ(testsupport::Hex(Fixture("codes.hex")), testsupport::Hex(StoreToBytes([&](CArchive& ar) {
                  archi.Serialize(ar);
                  regist.Serialize(ar);
                  empty.Serialize(ar);
              })));

    ZnModelArchiCode archiRead, emptyRead;
    ZnModelRegistInstCode registRead;
    emptyRead.SetCode("999");
    LoadFromBytes(Fixture("codes.hex"), [&](CArchive& ar) {
        archiRead.Serialize(ar);
        registRead.Serialize(ar);
        emptyRead.Serialize(ar);
    });
    EXPECT_EQ(CString("101"), archiRead.GetCode());
    EXPECT_EQ(CString("13"), registRead.GetCode());
    EXPECT_EQ(CString(""), emptyRead.GetCode());
}

TEST(ZnModelCode, LoadingAnotherKindIsABadClass)
{
    // The fixture begins with a ZnModelArchiCode; the kinds do not derive from one another.
    ZnModelRegistInstCode regist;
    EXPECT_TRUE(ThrowsArchiveException(
        [&] { LoadFromBytes(Fixture("codes.hex"), [&](CArchive& ar) { regist.Serialize(ar); }); }));
    ZnModelYearCode year;
    EXPECT_TRUE(ThrowsArchiveException(
        [&] { LoadFromBytes(Fixture("codes.hex"), [&](CArchive& ar) { year.Serialize(ar); }); }));
}

TEST(ZnModelCode, CopiesTakeNewSerialIdsAndAssignmentKeepsThem)
{
    ZnModelUsageCode usage;
    usage.SetCode("08010");
    ZnModelUsageCode copy(usage);
    EXPECT_EQ(CString("08010"), copy.GetCode());
    EXPECT_NE(usage.GetSerialId(), copy.GetSerialId());
    EXPECT_FALSE(usage.IsEqual(&copy));
    EXPECT_TRUE(usage.IsEqual(&usage));

    ZnModelUsageCode target;
    DWORD targetId = target.GetSerialId();
    target = usage;
    EXPECT_EQ(CString("08010"), target.GetCode());
    EXPECT_EQ(targetId, target.GetSerialId());

    std::unique_ptr<ZnModel> clone(usage.Clone());
    ASSERT_TRUE(clone->IsKindOf(RUNTIME_CLASS(ZnModelUsageCode)));
    EXPECT_EQ(CString("08010"), static_cast<ZnModelUsageCode*>(clone.get())->GetCode());

    // A plain ZnModelCode carries no code of its own: its clone is a default ZnModelCode.
    ZnModelCode plain;
    std::unique_ptr<ZnModel> plainClone(plain.Clone());
    EXPECT_EQ(RUNTIME_CLASS(ZnModelCode), plainClone->GetRuntimeClass());
    EXPECT_EQ(CString(""), static_cast<ZnModelCode*>(plainClone.get())->GetCode());
}

TEST(ZnModelCode, EveryKindIsARegisteredClassOfItsOwnName)
{
    // The class names are part of the file format.
    const char* const kinds[] = {
        "ZnModelArchiCode",        "ZnModelRegistInstCode",   "ZnModelPrefAreaCode",    "ZnModelDocKindCode",
        "ZnModelYearCode",         "ZnModelSemiStrUsageCode", "ZnModelMainStrKindCode", "ZnModelUsageCode",
        "ZnModelUrbanAreaCode",    "ZnModelLiftUsageCode",    "ZnModelLiftKindCode",    "ZnModelStructKindCode",
        "ZnModelBuildTypeCode",    "ZnModelConstCode",        "ZnModelAreaCode",        "ZnModelOwnerOccCode",
        "ZnModelOwnerTypeCode",    "ZnModelConstUsageCode",   "ZnModelDemHouseCode",    "ZnModelDemStrCode",
        "ZnModelCauseCode",        "ZnModelConstKindCode",    "ZnModelFireProofCode",   "ZnModelUseZoneCode",
        "ZnModelConstStrCode",     "ZnModelStrUsageCode",     "ZnModelMultiUsageCode",  "ZnModelHouseTypeCode",
        "ZnModelStructMethodCode", "ZnModelFundCode",         "ZnModelNeoCode",
    };
    for (const char* name : kinds) {
        SCOPED_TRACE(name);
        CRuntimeClass* kind = CRuntimeClass::FromName(name);
        ASSERT_NE(nullptr, kind);
        EXPECT_EQ(RUNTIME_CLASS(ZnModelCode), kind->m_pBaseClass);
        EXPECT_EQ(VERSIONABLE_SCHEMA | 256, kind->m_wSchema);
        std::unique_ptr<CObject> created(kind->CreateObject());
        std::unique_ptr<ZnModel> clone(static_cast<ZnModel*>(created.get())->Clone());
        EXPECT_EQ(kind, clone->GetRuntimeClass());
    }
}
