#include "model/ZnModel.h"
#include "tests/support/TabbedCases.h"

#include <memory>

// The class names, bases and schemas are part of the file format: each class is found by its
// name, derives from its base, carries its schema, and a new object of it clones to its own class.
TEST(StoredClasses, EveryClassHasItsBaseAndSchemaAndClonesToItself)
{
    auto cases = testsupport::ReadTabbedCases("model/stored_classes.txt");
    ASSERT_EQ(56u, cases.size());
    for (const auto& fields : cases) {
        SCOPED_TRACE(fields.at(0));
        CRuntimeClass* storedClass = CRuntimeClass::FromName(fields.at(0));
        ASSERT_NE(nullptr, storedClass);
        EXPECT_EQ(fields.at(1), CString(storedClass->m_pBaseClass->m_lpszClassName));
        EXPECT_EQ(VERSIONABLE_SCHEMA | atoi(fields.at(2)), storedClass->m_wSchema);
        std::unique_ptr<CObject> created(storedClass->CreateObject());
        std::unique_ptr<ZnModel> clone(static_cast<ZnModel*>(created.get())->Clone());
        EXPECT_EQ(storedClass, clone->GetRuntimeClass());
    }
}
