// Base of every document record. Each class level of a record writes its class reference in
// the archive, most derived first, then the fields of each level from ZnModel's down.
#pragma once

#include "model/VhObject.h"

#include <type_traits>

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
    // Writes or reads fields in the given order, the same order both ways: embedded parts and
    // lists through their own Serialize, strings, 4-byte integers and 8-byte doubles in the
    // archive's forms.
    template <typename... Fields> static void SerializeFields(CArchive& ar, Fields&... fields)
    {
        (SerializeField(ar, fields), ...);
    }

    // For a field that older layouts lack: written always, read when the stored layout has it,
    // and otherwise set to its default.
    template <typename Field> static void SerializeFieldIf(CArchive& ar, bool storedLayoutHasIt, Field& field)
    {
        if (ar.IsStoring() || storedLayoutHasIt)
            SerializeField(ar, field);
        else
            field = Field();
    }

private:
    template <typename Field> static void SerializeField(CArchive& ar, Field& field)
    {
        if constexpr (std::is_base_of_v<CObject, Field>)
            field.Serialize(ar);
        else if (ar.IsStoring())
            ar << field;
        else
            ar >> field;
    }
    // A fixed array of fields: each element in index order.
    template <typename Field, size_t N> static void SerializeField(CArchive& ar, Field (&fields)[N])
    {
        for (Field& field : fields)
            SerializeField(ar, field);
    }
};

// What a concrete model class declares besides its fields: its class record, with creation by
// name for archives (IMPLEMENT_SERIAL goes in its source file), and Clone, a copy owned by the
// caller. Copy construction and assignment are member-wise: VhObject gives a copy a new serial
// id and keeps the id on assignment, embedded parts do the same, ZnModelList copies elements.
#define DECLARE_ZN_MODEL(class_name)                                                                                   \
    DECLARE_SERIAL(class_name)                                                                                         \
public:                                                                                                                \
    ZnModel* Clone() const override { return new class_name(*this); }
