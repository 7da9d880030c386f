// A whole old floppy folder read by the old-form readers as the floppy import reads it.
//
// The input is the folder in the container of FuzzFloppyFolder (its index, form list and form
// files), written to a temporary folder. The loader makes the readers of the index's document kind
// and each reads its document, as the import does; then the folder is read once more as a floppy
// of every kind that the reader factory knows (the index's document-kind code replaced), so that
// every reader meets every folder. A reader gives a document or null (any exception is a
// finding). A document read must store, load back whole and store the same bytes, as the import
// writes it and the application opens it; and reading never changes the floppy.
#include "model/ZnModelApp.h"
#include "platform/files/CArchive.h"
#include "readers/ZnOldBukkenFolderLoader.h"
#include "readers/ZnOldBukkenReaderList.h"
#include "readers/ZnOldFormReader.h"
#include "readers/ZnOldFormReaderTable.h"
#include "tests/fuzz/support/FuzzCheck.h"
#include "tests/fuzz/support/FuzzFloppyFolder.h"

#include <cstdlib>
#include <memory>
#include <set>

namespace {

FuzzFloppyFolder* g_floppy = nullptr;

void RemoveFloppy() { delete g_floppy; }

std::string Store(ZnModelApp& app)
{
    CMemFile file;
    CArchive archive(&file, CArchive::store);
    app.Serialize(archive);
    archive.Close();
    return file.Data();
}

// What the document stores loads into a new object of its class to the end, which stores the same.
void CheckStoresAndLoadsBack(ZnModelApp& app)
{
    const std::string stored = Store(app);
    std::unique_ptr<CObject> object(app.GetRuntimeClass()->CreateObject());
    auto* loaded = dynamic_cast<ZnModelApp*>(object.get());
    fuzzcheck::Require(loaded != nullptr, "a document's class makes documents");
    CMemFile file(reinterpret_cast<const BYTE*>(stored.data()), static_cast<UINT>(stored.size()));
    bool readToEnd = false;
    try {
        CArchive archive(&file, CArchive::load | CArchive::bNoFlushOnDelete);
        loaded->Serialize(archive);
        char extra;
        readToEnd = archive.Read(&extra, 1) == 0;
        archive.Close();
    } catch (CArchiveException* e) {
        e->Delete();
        fuzzcheck::Require(false, "what a document read stores loads back");
    }
    fuzzcheck::Require(readToEnd, "what a document read stores loads to its end");
    fuzzcheck::Require(Store(*loaded) == stored, "a document read stores the same bytes once loaded back");
}

// Reads the document of each reader and deletes the reader.
void ReadEach(CPtrArray& readers)
{
    for (int i = 0; i < readers.GetSize(); ++i) {
        std::unique_ptr<ZnOldFormReader> reader(static_cast<ZnOldFormReader*>(readers[i]));
        reader->IsVersionOK();
        std::unique_ptr<ZnModelApp> app(reader->Read());
        if (app)
            CheckStoresAndLoadsBack(*app);
    }
    readers.RemoveAll();
}

// The readers of the folder through the loader, as the import makes them.
void ReadAsTheImportDoes(const CString& basePath)
{
    ZnOldBukkenFolderLoader loader;
    ZnOldBukkenReaderList list;
    loader.SetBasePath(basePath);
    loader.Load(&list);
    CPtrArray readers;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        readers.Add(list.GetNext(pos));
    ReadEach(readers);
}

// The document-kind codes that the factory tells apart: both ends of each of its ranges.
std::set<int> KindCodes()
{
    std::set<int> codes;
    for (const ZnOldFormReaderTable::Row& row : ZnOldFormReaderTable::Rows()) {
        codes.insert(row.firstCode);
        codes.insert(row.lastCode);
    }
    return codes;
}

// The readers that the factory makes of the folder's index with its document-kind code replaced,
// given the folder's paths as the loader gives them.
void ReadAsKind(const CString& basePath, int code)
{
    ZnOldBukkenFolder folder;
    folder.SetBasePath(basePath);
    const CString indexPath = basePath + folder.GetIndexFolder() + folder.GetIndexFile();
    CPtrArray rows;
    folder.ReadIndexRows(indexPath, rows);
    if (rows.GetSize() > 0) {
        auto* first = static_cast<CStringArray*>(rows[0]);
        if (first->GetSize() <= ZnOldFormReader::columnAppType)
            first->SetSize(ZnOldFormReader::columnAppType + 1);
        first->SetAt(ZnOldFormReader::columnAppType, CString(std::to_string(code).c_str()));
        CPtrArray readers;
        folder.CreateFormReaders(rows, readers);
        for (int i = 0; i < readers.GetSize(); ++i) {
            auto* reader = static_cast<ZnOldFormReader*>(readers[i]);
            reader->m_basePath = basePath;
            reader->m_formFolder = folder.GetFormFolder();
            reader->m_indexPath = indexPath;
        }
        ReadEach(readers);
    }
    for (int i = 0; i < rows.GetSize(); ++i)
        delete static_cast<CStringArray*>(rows[i]);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    g_floppy = new FuzzFloppyFolder;
    std::atexit(RemoveFloppy);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzFloppyFolder::Files files = g_floppy->Write(data, size);
    const CString basePath = g_floppy->BasePath().c_str();
    ReadAsTheImportDoes(basePath);
    static const std::set<int> codes = KindCodes();
    for (int code : codes)
        ReadAsKind(basePath, code);
    fuzzcheck::Require(g_floppy->Holds(files), "reading leaves the floppy as it was");
    return 0;
}
