#include "readers/ZnOldBukkenFolderLoader.h"

#include "readers/ZnOldBukkenReaderList.h"
#include "readers/ZnOldFormReader.h"

IMPLEMENT_DYNAMIC(ZnOldBukkenFolderLoader, ZnOldBukkenFolder)

namespace {

// The rows of an index, each a CStringArray that the holder deletes.
class IndexRows {
public:
    IndexRows() = default;
    IndexRows(const IndexRows&) = delete;
    IndexRows& operator=(const IndexRows&) = delete;
    ~IndexRows()
    {
        for (int i = 0; i < rows.GetSize(); ++i)
            delete static_cast<CStringArray*>(rows[i]);
    }
    CPtrArray rows;
};

} // namespace

int ZnOldBukkenFolderLoader::Load(ZnOldBukkenReaderList* list)
{
    // The form list is read as the old program read it, though nothing uses it.
    CStringArray forms;
    ReadFormList(m_basePath + m_appFolder + m_formListFile, forms);

    IndexRows index;
    CString indexPath = m_basePath + m_indexFolder + m_indexFile;
    m_indexResult = ReadIndexRows(indexPath, index.rows);
    if (!m_indexResult) {
        ReadTempIndex(index.rows);
        indexPath = m_tempIndexPath;
    }
    if (index.rows.GetSize() == 0)
        return 0;

    CPtrArray readers;
    CreateFormReaders(index.rows, readers);
    for (int i = 0; i < readers.GetSize(); ++i) {
        ZnOldFormReader* reader = static_cast<ZnOldFormReader*>(readers[i]);
        reader->m_basePath = m_basePath;
        reader->m_formFolder = m_formFolder;
        reader->m_indexPath = indexPath;
        if (list)
            list->AddTail(reader);
        else
            delete reader;
    }
    return 1;
}
