#include "model/ZnModelAppInspConf.h"
#include "model/ZnModelDocKinds.h"
#include "tests/model/ModelTestSupport.h"

#include <memory>
#include <set>
#include <string>

using modeltest::KindDocument;

namespace {

// The class of the confirmation application an inspection of kind code rests on: the last digit
// names the object (building, lift, equipment, structure, structure lift, semi-structure), and
// the confirmation kind of that object is 100000 plus the digit.
LPCSTR ConfirmationClassFor(int inspectionCode)
{
    return ZnModelDocKinds::Find(100000 + inspectionCode % 10)->subFormClass;
}

// Marks every object of a document with the kind's code, and gives an inspection application the
// confirmation application it rests on, so that each layer of each class goes through the file.
void MarkWithKind(KindDocument& document, const ZnModelDocKind& kind)
{
    CString code;
    code.Format("%d", kind.code);
    for (int slot = 0; slot < 3; ++slot)
        if (auto* app = static_cast<ZnModelApp*>(document.SlotObject(slot)))
            app->m_header.m_localData.m_documentKind.SetCode(code);
    if (auto* inspection = dynamic_cast<ZnModelAppInspConf*>(document.SlotObject(2))) {
        auto* base = static_cast<ZnModelApp*>(ZnModelDocKinds::CreateSlotObject(ConfirmationClassFor(kind.code)));
        ASSERT_NE(nullptr, base) << kind.code;
        base->m_header.m_localData.m_documentKind.SetCode(code);
        inspection->m_baseApp.Reset(base);
    }
}

// A class that the archive can create by name but that is no model class.
class NotAModel : public CObject {
    DECLARE_SERIAL(NotAModel)
};
IMPLEMENT_SERIAL(NotAModel, CObject, 1)

} // namespace

// The classes of each kind are checked where the program loads every kind (tests/app); here the
// extensions, the order of the table and the codes that name no kind.
TEST(ZnModelDocKinds, FindsEachKindAndNoOther)
{
    EXPECT_STREQ(".110", ZnModelDocKinds::Find(100001)->fileExtension);
    EXPECT_STREQ(".421", ZnModelDocKinds::Find(100305)->fileExtension);
    EXPECT_STREQ(".283", ZnModelDocKinds::Find(100103)->fileExtension);
    EXPECT_STREQ("", ZnModelDocKinds::Find(300001)->fileExtension);
    for (int code : {0, 100000, 100007, 100402, 100412, 100407, 999999, -100001})
        EXPECT_EQ(nullptr, ZnModelDocKinds::Find(code)) << code;

    int count = 0;
    const ZnModelDocKind* kinds = ZnModelDocKinds::GetAll(count);
    ASSERT_EQ(31, count);
    std::set<std::string> extensions;
    for (int i = 0; i < count; ++i) {
        const ZnModelDocKind& kind = kinds[i];
        if (i > 0) {
            EXPECT_LT(kinds[i - 1].code, kind.code);
        }
        EXPECT_EQ(&kind, ZnModelDocKinds::Find(kind.code));
        std::string extension = kind.fileExtension;
        if (!extension.empty()) {
            EXPECT_TRUE(extensions.insert(extension).second) << "extension used twice: " << extension;
        }
    }
}

TEST(ZnModelDocKinds, CreatesSlotObjectsByClassName)
{
    std::unique_ptr<ZnModel> build(ZnModelDocKinds::CreateSlotObject("ZnModelAppBuildMod"));
    ASSERT_NE(nullptr, build);
    EXPECT_STREQ("ZnModelAppBuildMod", build->GetRuntimeClass()->m_lpszClassName);

    EXPECT_EQ(nullptr, ZnModelDocKinds::CreateSlotObject(nullptr));
    EXPECT_EQ(nullptr, ZnModelDocKinds::CreateSlotObject("NoSuchClass"));
    // A registered class outside the model is refused.
    EXPECT_EQ(nullptr, ZnModelDocKinds::CreateSlotObject("CObject"));
    EXPECT_EQ(nullptr, ZnModelDocKinds::CreateSlotObject("NotAModel"));
    EXPECT_EQ(nullptr, ZnModelDocKinds::CreateSlotObject("CStringList"));
}

TEST(ZnModelDocKinds, EveryKindStoresAndLoadsBackToTheSameBytes)
{
    int count = 0;
    const ZnModelDocKind* kinds = ZnModelDocKinds::GetAll(count);
    for (int i = 0; i < count; ++i) {
        const ZnModelDocKind& kind = kinds[i];
        SCOPED_TRACE(kind.code);
        KindDocument stored(kind.code);
        MarkWithKind(stored, kind);
        std::string bytes = modeltest::Store(stored);
        KindDocument loaded(kind.code);
        modeltest::Load(loaded, bytes);
        EXPECT_EQ(testsupport::Hex(bytes), testsupport::Hex(modeltest::Store(loaded)));
        if (auto* inspection = dynamic_cast<ZnModelAppInspConf*>(loaded.SlotObject(2))) {
            ASSERT_TRUE(inspection->m_baseApp);
            EXPECT_STREQ(ConfirmationClassFor(kind.code), inspection->m_baseApp->GetRuntimeClass()->m_lpszClassName);
        }
    }
}
