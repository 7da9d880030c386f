#include "model/ZnModelArchiCode.h"
#include "model/ZnModelRegistInstCode.h"
#include "model/ZnModelYearCode.h"
#include "tests/model/ModelTestSupport.h"

#include <memory>

using modeltest::Fixture;
using testsupport::LoadFromBytes;
using testsupport::StoreToBytes;
using testsupport::ThrowsArchiveException;

// Each kind stores its own class reference, ZnModelCode's and ZnModel's, then its code, and
// reads only its own kind: the kinds do not derive from one another.
TEST(ZnModelCode, KindsStoreTheirCodeAfterThreeClassReferencesAndReadOnlyTheirOwn)
{
    ZnModelArchiCode archi, empty;
    ZnModelRegistInstCode regist;
    auto serialize = [&](CArchive& ar) {
        archi.Serialize(ar);
        regist.Serialize(ar);
        empty.Serialize(ar);
    };
    archi.SetCode("101");
    regist.SetCode("13");
    std::string bytes = Fixture("codes.hex");
    EXPECT_EQ(testsupport::Hex(bytes), testsupport::Hex(StoreToBytes(serialize)));
    archi.SetCode("");
    regist.SetCode("");
    empty.SetCode("999");
    modeltest::LoadAll(bytes, serialize);
    EXPECT_EQ(testsupport::Hex(bytes), testsupport::Hex(StoreToBytes(serialize)));

    ZnModelYearCode year;
    EXPECT_TRUE(ThrowsArchiveException([&] { LoadFromBytes(bytes, [&](CArchive& ar) { regist.Serialize(ar); }); }));
    EXPECT_TRUE(ThrowsArchiveException([&] { LoadFromBytes(bytes, [&](CArchive& ar) { year.Serialize(ar); }); }));

    // A plain ZnModelCode carries no code of its own: its clone is a default ZnModelCode.
    ZnModelCode plain;
    plain.SetCode("08010");
    std::unique_ptr<ZnModel> plainClone(plain.Clone());
    EXPECT_EQ(RUNTIME_CLASS(ZnModelCode), plainClone->GetRuntimeClass());
    EXPECT_EQ(CString(""), static_cast<ZnModelCode*>(plainClone.get())->GetCode());
}
