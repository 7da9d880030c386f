// A person or an office: name, address and telephone. For an office the name text is the
// office name.
#pragma once

#include "model/JkModelAddress.h"
#include "model/JkModelName.h"
#include "model/JkModelTelNumber.h"

class JkModelIndividualData : public ZnModel {
    DECLARE_ZN_MODEL(JkModelIndividualData)
public:
    const JkModelName& GetName() const { return m_name; }
    const JkModelAddress& GetAddress() const { return m_address; }
    const JkModelTelNumber& GetTelNumber() const { return m_telephone; }
    // Each copies every field of the given record; the embedded record keeps its serial id.
    void SetName(const JkModelName& name) { m_name = name; }
    void SetAddress(const JkModelAddress& address) { m_address = address; }
    void SetTelNumber(const JkModelTelNumber& telephone) { m_telephone = telephone; }

    void Serialize(CArchive& ar) override;

    JkModelName m_name;
    JkModelAddress m_address;
    JkModelTelNumber m_telephone;
};
