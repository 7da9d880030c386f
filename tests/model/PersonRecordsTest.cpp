#include "model/JkModelIndividualData.h"
#include "tests/model/ModelTestSupport.h"

using modeltest::Fixture;
using modeltest::Load;
using modeltest::Store;

namespace {

JkModelIndividualData MakeSamplePerson()
{
    JkModelIndividualData person;
    person.m_name.m_name = "山田太郎";
    person.m_name.m_nameReading = "ヤマダタロウ";
    person.m_name.m_firstNameNumber = 1;
    person.m_name.m_secondNameNumber = 2;
    JkModelAddress& address = person.m_address;
    address.m_postalCode1 = "100";
    address.m_postalCode2 = "0001";
    address.m_firstAddressText = "東京都";
    address.m_firstAddressNumber = 13;
    address.m_secondAddressText = "千代田区";
    address.m_secondAddressNumber = 101;
    address.m_address = "東京都千代田区千代田1-1";
    for (int i = 0; i < 4; ++i)
        address.m_addressValues[i] = 5 + i;
    person.m_telephone.m_firstPart = "03";
    person.m_telephone.m_secondPart = "1234";
    person.m_telephone.m_thirdPart = "5678";
    person.m_telephone.m_telNumberValue = 9;
    return person;
}

} // namespace

TEST(JkModelIndividualData, StoresNameAddressAndTelephoneInOrder)
{
    JkModelIndividualData person = MakeSamplePerson();
    EXPECT_EQ(testsupport::Hex(Fixture("individual_data.hex")), testsupport::Hex(Store(person)));

    JkModelIndividualData read;
    Load(read, Fixture("individual_data.hex"));
    EXPECT_EQ(CString("山田太郎"), read.GetName().GetName());
    EXPECT_EQ(CString("ヤマダタロウ"), read.GetName().GetFurigana());
    EXPECT_EQ(2, read.m_name.m_secondNameNumber);
    EXPECT_EQ(CString("東京都千代田区千代田1-1"), read.GetAddress().m_address);
    EXPECT_EQ(101, read.m_address.m_secondAddressNumber);
    EXPECT_EQ(8, read.m_address.m_addressValues[3]);
    EXPECT_EQ(CString("03-1234-5678"), read.GetTelNumber().GetTelNumber());
    EXPECT_EQ(9, read.m_telephone.m_telNumberValue);
}

TEST(JkModelAddress, PostalCodeTextJoinsThePartsWhenEitherIsSet)
{
    JkModelAddress address;
    EXPECT_EQ(CString(""), address.GetPostalCode());
    address.m_postalCode1 = "100";
    address.m_postalCode2 = "0001";
    EXPECT_EQ(CString("100-0001"), address.GetPostalCode());
    address.m_postalCode2 = "";
    EXPECT_EQ(CString("100-"), address.GetPostalCode());
    address.m_postalCode1 = "";
    address.m_postalCode2 = "0001";
    EXPECT_EQ(CString("-0001"), address.GetPostalCode());
}

TEST(JkModelTelNumber, TextJoinsThePartsWhenAnyIsSet)
{
    JkModelTelNumber telephone;
    EXPECT_EQ(CString(""), telephone.GetTelNumber());
    telephone.m_firstPart = "03";
    EXPECT_EQ(CString("03--"), telephone.GetTelNumber());
    telephone.m_firstPart = "";
    telephone.m_thirdPart = "1234";
    EXPECT_EQ(CString("--1234"), telephone.GetTelNumber());
}
