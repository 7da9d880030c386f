#include "model/JkModelIndividualData.h"
#include "tests/model/ModelTestSupport.h"

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
    JkModelIndividualData read;
    modeltest::ExpectStoredAndLoaded(person, read, "individual_data.hex");
}

// The postal code and the telephone number as texts: the parts joined when any is set.
TEST(JkModelIndividualData, PostalCodeAndTelephoneTextsJoinThePartsWhenAnyIsSet)
{
    const struct {
        const char *first, *second, *third, *postalCode, *telephone;
    } cases[] = {
        {"", "", "", "", ""},
        {"100", "0001", "", "100-0001", "100-0001-"},
        {"100", "", "", "100-", "100--"},
        {"", "0001", "1234", "-0001", "-0001-1234"},
        {"", "", "1234", "", "--1234"},
    };
    for (const auto& c : cases) {
        JkModelAddress address;
        address.m_postalCode1 = c.first;
        address.m_postalCode2 = c.second;
        EXPECT_EQ(CString(c.postalCode), address.GetPostalCode());
        JkModelTelNumber telephone;
        telephone.m_firstPart = c.first;
        telephone.m_secondPart = c.second;
        telephone.m_thirdPart = c.third;
        EXPECT_EQ(CString(c.telephone), telephone.GetTelNumber());
    }
}
