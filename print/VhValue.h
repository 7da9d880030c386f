// A record of integer, double and string slots: the form in which every geometry and drawing
// class stores its scalar fields. In the archive it is each array in turn, a count and then the
// elements, with no class tag.
#pragma once

#include "model/VhObject.h"

#include <initializer_list>

class VhValue : public VhObject {
    DECLARE_SERIAL(VhValue)
public:
    VhValue() = default;
    // A record of the given sizes, every int 0, every double 0.0, every string empty.
    VhValue(int intCount, int doubleCount, int stringCount);
    VhValue(const VhValue& other);
    VhValue& operator=(const VhValue& other);

    void Serialize(CArchive& ar) override;
    // Same sizes and the same slots: ints equal, doubles the same value (VhIsSameValue), strings
    // equal byte for byte.
    BOOL IsEqual(const VhObject* other) const override;

    int GetIntCount() const { return static_cast<int>(m_ints.GetSize()); }
    int GetDoubleCount() const { return static_cast<int>(m_doubles.GetSize()); }
    int GetStringCount() const { return static_cast<int>(m_strings.GetSize()); }
    LONG GetInt(int slot) const { return m_ints[slot]; }
    double GetDouble(int slot) const { return m_doubles[slot]; }
    const CString& GetString(int slot) const { return m_strings[slot]; }
    void SetInt(int slot, LONG value) { m_ints[slot] = value; }
    void SetDouble(int slot, double value) { m_doubles[slot] = value; }
    void SetString(int slot, const CString& value) { m_strings[slot] = value; }

    // Stores the fields through a record of intCount ints and doubleCount doubles (no strings):
    // ints[i] in int slot i, doubles[i] in double slot i, the other slots 0. Loading reads such a
    // record and copies the slots back into the fields; a record with fewer slots than there are
    // fields throws CArchiveException, and slots beyond the fields are ignored.
    static void SerializeRecord(CArchive& ar, int intCount, int doubleCount, std::initializer_list<int*> ints,
                                std::initializer_list<double*> doubles);

private:
    CArray<LONG, LONG> m_ints;
    CArray<double, double> m_doubles;
    CStringArray m_strings;
};
