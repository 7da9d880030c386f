#include "model/ZnModelApp.h"
#include "model/ZnModelDocKinds.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

namespace {

// The class names of the table that this build already has; the others belong to model classes
// written elsewhere and are checked once they are linked in.
bool IsLinked(LPCSTR className) { return className && CRuntimeClass::FromName(className); }

} // namespace

TEST(ZnModelDocKinds, FindsEachKindAndNoOther)
{
    const ZnModelDocKind* conf = ZnModelDocKinds::Find(100001);
    ASSERT_NE(nullptr, conf);
    EXPECT_STREQ("ZnModelAppBuild", conf->formClass);
    EXPECT_STREQ("ZnModelAppBuildConf", conf->subFormClass);
    EXPECT_STREQ(".110", conf->fileExtension);
    EXPECT_STREQ("ZnModelAppStrLiftMod", ZnModelDocKinds::Find(100305)->subFormClass);
    EXPECT_STREQ(".421", ZnModelDocKinds::Find(100305)->fileExtension);
    EXPECT_STREQ(".283", ZnModelDocKinds::Find(100103)->fileExtension);
    EXPECT_EQ(nullptr, ZnModelDocKinds::Find(100801)->subFormClass);
    EXPECT_STREQ("", ZnModelDocKinds::Find(300001)->fileExtension);

    for (int code : {0, 100000, 100007, 100402, 100412, 100407, 999999, -100001})
        EXPECT_EQ(nullptr, ZnModelDocKinds::Find(code)) << code;
}

TEST(ZnModelDocKinds, TableIsOrderedWithDistinctExtensionsAndFittingClasses)
{
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

        // Every document object derives from the application root; a kind class from its form class.
        if (IsLinked(kind.formClass)) {
            CRuntimeClass* form = CRuntimeClass::FromName(kind.formClass);
            EXPECT_TRUE(form->IsDerivedFrom(RUNTIME_CLASS(ZnModelApp))) << kind.formClass;
            if (IsLinked(kind.subFormClass)) {
                EXPECT_TRUE(CRuntimeClass::FromName(kind.subFormClass)->IsDerivedFrom(form)) << kind.subFormClass;
            }
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
    EXPECT_EQ(nullptr, ZnModelDocKinds::CreateSlotObject("CStringList"));
}
