#include "writers/ReadStoredDocument.h"

#include "model/ZnModelDocKinds.h"
#include "platform/core/AfxMessageBox.h"
#include "platform/files/CArchive.h"
#include "platform/files/CFile.h"
#include "platform/files/CFileFind.h"
#include "platform/files/FileFailureText.h"
#include "storage/ZnShellState.h"

CString StoredDocumentPath(int formNo)
{
    ZnShellState* shell = ZnShellState::Current();
    return shell->GetObjFolder() + "\\" + shell->GetBukkenName() + "\\" + shell->MakeFormFileName(formNo);
}

namespace {

int Unreadable(const CString& path, CException* e)
{
    AfxMessageBox(FileFailureText(path, e, FALSE), MB_ICONEXCLAMATION);
    return storedDocumentUnreadable;
}

} // namespace

int ReadStoredDocument(int formNo, ZnModel* const* models, int count)
{
    return ReadDocumentFile(StoredDocumentPath(formNo), models, count);
}

int ReadDocumentFile(const CString& path, ZnModel* const* models, int count)
{
    CFileFind finder;
    if (!finder.FindFile(path))
        return storedDocumentMissing;
    CFile file;
    CFileException error;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite, &error))
        return Unreadable(path, &error);
    try {
        CArchive archive(&file, CArchive::load | CArchive::bNoFlushOnDelete);
        archive.m_strFileName = path;
        if (file.GetLength() != 0)
            ZnModelDocKinds::SerializeSlots(archive, models, count);
        archive.Close();
    } catch (CException* e) {
        file.Abort();
        int result = Unreadable(path, e);
        e->Delete();
        return result;
    }
    return storedDocumentRead;
}
