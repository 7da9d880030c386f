#include "model/ZnModelDesigner.h"
#include "model/ZnModelOwner.h"
#include "tests/model/ModelTestSupport.h"

#include <memory>

using modeltest::Fixture;
using modeltest::Load;
using modeltest::Store;

namespace {

// The designer of designer.hex.
ZnModelDesigner MakeSampleDesigner()
{
    ZnModelDesigner designer;
    designer.m_qualificationClass.SetCode("101");
    designer.m_qualificationAuthority.SetCode("13");
    designer.m_qualificationRegistrationNumber = "A-1";
    designer.m_architectName.m_name = "Sato";
    designer.m_architectName.m_nameReading = "SATO";
    designer.m_officeClass.SetCode("301");
    designer.m_officeAuthority.SetCode("14");
    designer.SetOfficeRegNo("B-2");
    designer.m_office.m_name.m_name = "Sato Sekkei";
    designer.m_designDocuments = "plans";
    designer.m_structuralParagraph1Statement = 1;
    designer.m_structuralCertificateNumber = "S-9";
    designer.m_equipmentParagraph3Statement = 1;
    designer.m_equipmentCertificateNumber = "E-7";
    return designer;
}

void ExpectFirstLayoutFields(const ZnModelDesigner& designer)
{
    EXPECT_EQ(CString("101"), designer.m_qualificationClass.GetCode());
    EXPECT_EQ(CString("13"), designer.m_qualificationAuthority.GetCode());
    EXPECT_EQ(CString("A-1"), designer.m_qualificationRegistrationNumber);
    EXPECT_EQ(CString("SATO"), designer.GetName().GetFurigana());
    EXPECT_EQ(CString("301"), designer.GetOfficeKind().GetCode());
    EXPECT_EQ(CString("14"), designer.m_officeAuthority.GetCode());
    EXPECT_EQ(CString("B-2"), designer.GetOfficeRegNo());
    EXPECT_EQ(CString("Sato Sekkei"), designer.GetOfficeData().GetName().GetName());
}

// The six statement fields of the newest layout.
void ExpectStatements(const ZnModelDesigner& designer, int structural1, int structural3, const char* structuralNo,
                      int equipment1, int equipment3, const char* equipmentNo)
{
    EXPECT_EQ(structural1, designer.m_structuralParagraph1Statement);
    EXPECT_EQ(structural3, designer.m_structuralParagraph3Statement);
    EXPECT_EQ(CString(structuralNo), designer.GetStructCertNo());
    EXPECT_EQ(equipment1, designer.m_equipmentParagraph1Statement);
    EXPECT_EQ(equipment3, designer.m_equipmentParagraph3Statement);
    EXPECT_EQ(CString(equipmentNo), designer.GetEquipCertNo());
}

void ExpectStatementsCleared(const ZnModelDesigner& designer) { ExpectStatements(designer, 0, 0, "", 0, 0, ""); }

} // namespace

TEST(ZnModelDesigner, StoresAllFifteenFieldsWithSchema258)
{
    ZnModelDesigner designer = MakeSampleDesigner();
    EXPECT_EQ(testsupport::Hex(Fixture("designer.hex")), testsupport::Hex(Store(designer)));

    ZnModelDesigner read;
    Load(read, Fixture("designer.hex"));
    ExpectFirstLayoutFields(read);
    EXPECT_EQ(CString("plans"), read.GetDesignDocs());
    ExpectStatements(read, 1, 0, "S-9", 0, 1, "E-7");
}

TEST(ZnModelDesigner, LoadsTheFirstLayoutAndStoresItInTheNewest)
{
    ZnModelDesigner read = MakeSampleDesigner(); // the later fields must not survive the load
    Load(read, Fixture("designer_v256.hex"));
    ExpectFirstLayoutFields(read);
    EXPECT_EQ(CString(""), read.GetDesignDocs());
    ExpectStatementsCleared(read);
    EXPECT_EQ(testsupport::Hex(Fixture("designer_v256_stored.hex")), testsupport::Hex(Store(read)));
}

TEST(ZnModelDesigner, LoadsTheSecondLayoutWithItsDesignDocuments)
{
    ZnModelDesigner read = MakeSampleDesigner();
    read.m_designDocuments = "old";
    Load(read, Fixture("designer_v257.hex"));
    ExpectFirstLayoutFields(read);
    EXPECT_EQ(CString("plans"), read.GetDesignDocs());
    ExpectStatementsCleared(read);

    // A later schema that the class does not know reads as far as the design documents.
    std::string unknownSchema = Fixture("designer_v257.hex");
    unknownSchema[2] = 0x03; // schema 259
    ZnModelDesigner later = MakeSampleDesigner();
    Load(later, unknownSchema);
    EXPECT_EQ(CString("plans"), later.GetDesignDocs());
    ExpectStatementsCleared(later);
}

TEST(ZnModelDesigner, CopyTakesNewIdsAndAssignmentKeepsThem)
{
    ZnModelDesigner source = MakeSampleDesigner();
    ZnModelDesigner copy(source);
    EXPECT_NE(source.GetSerialId(), copy.GetSerialId());
    EXPECT_NE(source.m_office.m_address.GetSerialId(), copy.m_office.m_address.GetSerialId());
    EXPECT_EQ(Store(source), Store(copy));

    ZnModelDesigner target;
    DWORD targetId = target.GetSerialId();
    DWORD officeNameId = target.m_office.m_name.GetSerialId();
    target = source;
    EXPECT_EQ(targetId, target.GetSerialId());
    EXPECT_EQ(officeNameId, target.m_office.m_name.GetSerialId());
    EXPECT_EQ(Store(source), Store(target));
    EXPECT_FALSE(target.IsEqual(&source));
}

TEST(ZnModelOwner, SetIndividualDataCopiesThePersonRecord)
{
    JkModelIndividualData person;
    person.m_name.m_name = "Own";
    person.m_address.m_postalCode1 = "100";
    person.m_telephone.m_thirdPart = "5678";
    ZnModelOwner owner;
    owner.SetIndividualData(person);
    person.m_name.m_name = "changed";
    EXPECT_EQ(CString("Own"), owner.GetIndividualData().GetName().GetName());
    EXPECT_EQ(CString("100-"), owner.GetIndividualData().GetAddress().GetPostalCode());

    std::unique_ptr<ZnModel> clone(owner.Clone());
    EXPECT_EQ(Store(owner), Store(*clone));
}
