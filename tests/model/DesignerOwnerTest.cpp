#include "model/ZnModelDesigner.h"
#include "tests/model/ModelTestSupport.h"

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

// The sample as a layout without the statements of the newest one leaves it: the six statement
// fields at their defaults, and the design documents too when withDocuments is false.
ZnModelDesigner WithoutLaterFields(bool withDocuments)
{
    ZnModelDesigner designer = MakeSampleDesigner();
    if (!withDocuments)
        designer.m_designDocuments = "";
    designer.m_structuralParagraph1Statement = designer.m_equipmentParagraph3Statement = 0;
    designer.m_structuralCertificateNumber = designer.m_equipmentCertificateNumber = "";
    return designer;
}

} // namespace

// Every older layout read into a designer that holds the later fields: they do not survive the
// load, and the designer stores in the newest layout.
TEST(ZnModelDesigner, StoresSchema258AndLoadsTheOlderLayoutsWithDefaultsForTheLaterFields)
{
    ZnModelDesigner designer = MakeSampleDesigner();
    ZnModelDesigner read;
    EXPECT_EQ(testsupport::Hex(Fixture("designer.hex")), testsupport::Hex(Store(designer)));
    Load(read, Fixture("designer.hex"));
    EXPECT_EQ(testsupport::Hex(Fixture("designer.hex")), testsupport::Hex(Store(read)));

    read = MakeSampleDesigner();
    Load(read, Fixture("designer_v256.hex"));
    EXPECT_EQ(testsupport::Hex(Fixture("designer_v256_stored.hex")), testsupport::Hex(Store(read)));
    ZnModelDesigner firstLayout = WithoutLaterFields(false);
    EXPECT_EQ(Store(firstLayout), Store(read));

    // The second layout, and a later schema that the class does not know, read as far as the
    // design documents.
    std::string unknownSchema = Fixture("designer_v257.hex");
    unknownSchema[2] = 0x03; // schema 259
    ZnModelDesigner secondLayout = WithoutLaterFields(true);
    for (const std::string& bytes : {Fixture("designer_v257.hex"), unknownSchema}) {
        read = MakeSampleDesigner();
        read.m_designDocuments = "old";
        Load(read, bytes);
        EXPECT_EQ(Store(secondLayout), Store(read));
    }
}
