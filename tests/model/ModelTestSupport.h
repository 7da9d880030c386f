// Helpers of the model tests: one object to and from archive bytes, and the model fixtures.
#pragma once

#include "model/ZnModelApp.h"
#include "model/ZnModelDocKinds.h"
#include "tests/support/TestSupport.h"

#include <functional>
#include <memory>
#include <string>

namespace modeltest {

// The bytes that object stores as the only object of a fresh archive.
inline std::string Store(ZnModel& object)
{
    return testsupport::StoreToBytes([&](CArchive& ar) { object.Serialize(ar); });
}

// Runs body on a loading archive over bytes and checks that it read them to the end.
inline void LoadAll(const std::string& bytes, const std::function<void(CArchive&)>& body)
{
    testsupport::LoadFromBytes(bytes, [&](CArchive& ar) {
        body(ar);
        char extra;
        EXPECT_EQ(0u, ar.Read(&extra, 1)) << "bytes left after the objects";
    });
}

// Loads object from bytes and checks that it read them to the end.
inline void Load(ZnModel& object, const std::string& bytes)
{
    LoadAll(bytes, [&](CArchive& ar) { object.Serialize(ar); });
}

// A hand-made fixture under tests/data/model.
inline std::string Fixture(const std::string& name) { return testsupport::ReadHexFixture("model/" + name); }

// Checks that sample stores exactly the bytes of the named fixture, and that the fixture loaded
// into target (which may hold other values) stores the same bytes again.
inline void ExpectStoredAndLoaded(ZnModel& sample, ZnModel& target, const std::string& fixture)
{
    std::string bytes = Fixture(fixture);
    EXPECT_EQ(testsupport::Hex(bytes), testsupport::Hex(Store(sample))) << fixture;
    Load(target, bytes);
    EXPECT_EQ(testsupport::Hex(bytes), testsupport::Hex(Store(target))) << fixture << " loaded";
}

// A designer with the given name and design documents, the rest at its defaults.
inline ZnModelDesigner MakeDesigner(LPCTSTR name, LPCTSTR designDocuments = "")
{
    ZnModelDesigner designer;
    designer.m_architectName.m_name = name;
    designer.m_designDocuments = designDocuments;
    return designer;
}

// The texts of a string list, each followed by ";".
inline CString Joined(const CStringList& list)
{
    CString joined;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        joined += list.GetNext(pos) + ";";
    return joined;
}

// A document file of one kind as the document loader reads it: a ZnModelApp in the first slot
// and the kind's classes in the next two, made from the kind table. Serialize stores or loads
// the first slotCount slots in order, so Store and Load above take a whole document.
class KindDocument : public ZnModel {
public:
    explicit KindDocument(int kindCode, int slotCount = 3) : m_slotCount(slotCount)
    {
        const ZnModelDocKind* kind = ZnModelDocKinds::Find(kindCode);
        m_objects[0].reset(new ZnModelApp);
        m_objects[1].reset(ZnModelDocKinds::CreateSlotObject(kind->formClass));
        m_objects[2].reset(ZnModelDocKinds::CreateSlotObject(kind->subFormClass));
        for (int i = 0; i < 3; ++i)
            m_slots[i] = m_objects[i].get();
    }
    void Serialize(CArchive& ar) override { ZnModelDocKinds::SerializeSlots(ar, m_slots, m_slotCount); }
    template <typename T> T& Slot(int index) { return static_cast<T&>(*m_objects[index]); }
    // The object in a slot, or null for the empty third slot of a one-object kind.
    ZnModel* SlotObject(int index) const { return m_slots[index]; }

private:
    int m_slotCount;
    std::unique_ptr<ZnModel> m_objects[3];
    ZnModel* m_slots[3];
};

// The document of a kind code known when the test is written.
template <int KindCode, int SlotCount = 3> class Document : public KindDocument {
public:
    Document() : KindDocument(KindCode, SlotCount) {}
};

} // namespace modeltest
