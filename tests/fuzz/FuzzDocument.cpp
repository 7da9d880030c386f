// A document file loaded as the document loader loads it, then stored back.
//
// Byte 0 of the input picks the document kind (its place in the kind table, modulo the table's
// size); the rest is the document file. As the loader does, fresh objects of the kind's classes
// stand in the slots, an empty file loads nothing, and a file loads through CArchive, which raises
// CArchiveException for anything malformed (any other exception is a finding). What loads is
// stored; those bytes must load again, read to their end, and store the same bytes once more.
#include "model/ZnModelApp.h"
#include "model/ZnModelDocKinds.h"
#include "platform/files/CArchive.h"
#include "tests/fuzz/support/FuzzCheck.h"

#include <memory>

namespace {

// The slots of a document of one kind, filled as the loader fills them before a load.
class KindSlots {
public:
    explicit KindSlots(const ZnModelDocKind& kind)
    {
        m_objects[0].reset(new ZnModelApp);
        m_objects[1].reset(ZnModelDocKinds::CreateSlotObject(kind.formClass));
        m_objects[2].reset(ZnModelDocKinds::CreateSlotObject(kind.subFormClass));
        for (int i = 0; i < kSlots; ++i)
            m_slots[i] = m_objects[i].get();
    }

    // Loads the file; false when the archive refused it.
    bool Load(const std::string& bytes, bool& readToEnd)
    {
        CMemFile file(reinterpret_cast<const BYTE*>(bytes.data()), static_cast<UINT>(bytes.size()));
        try {
            CArchive archive(&file, CArchive::load | CArchive::bNoFlushOnDelete);
            archive.m_strFileName = "fuzz.110";
            if (file.GetLength() != 0)
                ZnModelDocKinds::SerializeSlots(archive, m_slots, kSlots);
            char extra;
            readToEnd = archive.Read(&extra, 1) == 0;
            archive.Close();
            return true;
        } catch (CArchiveException* e) {
            e->Delete();
            return false;
        }
    }

    std::string Store()
    {
        CMemFile file;
        CArchive archive(&file, CArchive::store);
        ZnModelDocKinds::SerializeSlots(archive, m_slots, kSlots);
        archive.Close();
        return file.Data();
    }

private:
    static const int kSlots = ZnModelDocKinds::slotCount;
    std::unique_ptr<ZnModel> m_objects[kSlots];
    ZnModel* m_slots[kSlots] = {};
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    int kindCount = 0;
    const ZnModelDocKind& kind = ZnModelDocKinds::GetAll(kindCount)[data[0] % kindCount];
    std::string file = fuzzcheck::Bytes(data + 1, size - 1);

    KindSlots loaded(kind);
    bool readToEnd = false;
    if (!loaded.Load(file, readToEnd))
        return 0;
    std::string stored = loaded.Store();

    KindSlots reloaded(kind);
    fuzzcheck::Require(reloaded.Load(stored, readToEnd), "what was stored loads again");
    fuzzcheck::Require(readToEnd, "what was stored loads to its end");
    fuzzcheck::Require(reloaded.Store() == stored, "what was stored and loaded stores the same bytes");
    return 0;
}
