// Base of every document record. Each class level of a record writes its class reference in
// the archive, most derived first, then the fields of each level from ZnModel's down.
#pragma once

#include "model/VhObject.h"

class ZnModel : public VhObject {
    DECLARE_SERIAL(ZnModel)
public:
    ZnModel() = default;
    ZnModel(const ZnModel& other) = default;
    ZnModel& operator=(const ZnModel&) = default;
    ~ZnModel() override = default;

    void Serialize(CArchive& ar) override;
    // A new copy owned by the caller; ZnModel itself has nothing to copy and gives null.
    virtual ZnModel* Clone() const;

protected:
    // Writes, or reads and checks, the class reference of one level, and gives its schema
    // number: the class's own when storing, the stored one when loading.
    static UINT SerializeClassRef(CArchive& ar, CRuntimeClass* classRef);
};
