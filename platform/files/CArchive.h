// MFC's archive: little-endian values, length-prefixed CP932 strings, and class and object
// references with one index map per archive (the persistent-object format of MFC).
// Anything malformed while loading throws CArchiveException; nothing is read past the input.
#pragma once

#include "platform/core/CException.h"
#include "platform/core/CObject.h"
#include "platform/core/CString.h"
#include "platform/files/CFile.h"

#include <string>
#include <unordered_map>
#include <vector>

class CArchive {
public:
    enum Mode { store = 0, load = 1, bNoFlushOnDelete = 2, bNoByteSwap = 4 };

    CArchive(CFile* file, UINT mode, int bufferSize = 4096, void* buffer = nullptr);
    // Flushes a storing archive that was not closed; errors are dropped here, so call Close().
    ~CArchive();

    BOOL IsLoading() const { return (m_nMode & load) != 0; }
    BOOL IsStoring() const { return (m_nMode & load) == 0; }
    CFile* GetFile() const { return m_pFile; }
    void Close();
    void Flush();
    void Abort();

    // Reads up to count bytes; returns how many were read (fewer only at the end of the file).
    UINT Read(void* buffer, UINT count);
    void Write(const void* buffer, UINT count);

    CArchive& operator<<(BYTE value) { return WriteValue(value); }
    CArchive& operator<<(WORD value) { return WriteValue(value); }
    CArchive& operator<<(LONG value) { return WriteValue(value); }
    CArchive& operator<<(DWORD value) { return WriteValue(value); }
    CArchive& operator<<(short value) { return WriteValue(value); }
    CArchive& operator<<(char value) { return WriteValue(value); }
    CArchive& operator<<(float value) { return WriteValue(value); }
    CArchive& operator<<(double value) { return WriteValue(value); }
    CArchive& operator<<(const CString& value);
    CArchive& operator<<(const CObject* object)
    {
        WriteObject(object);
        return *this;
    }

    CArchive& operator>>(BYTE& value) { return ReadValue(value); }
    CArchive& operator>>(WORD& value) { return ReadValue(value); }
    CArchive& operator>>(LONG& value) { return ReadValue(value); }
    CArchive& operator>>(DWORD& value) { return ReadValue(value); }
    CArchive& operator>>(short& value) { return ReadValue(value); }
    CArchive& operator>>(char& value) { return ReadValue(value); }
    CArchive& operator>>(float& value) { return ReadValue(value); }
    CArchive& operator>>(double& value) { return ReadValue(value); }
    CArchive& operator>>(CString& value);
    CArchive& operator>>(CObject*& object)
    {
        object = ReadObject(nullptr);
        return *this;
    }

    // The count of a collection: 16 bits below 0xFFFF, else 0xFFFF and 32 bits. A count that
    // 32 bits cannot hold throws CArchiveException.
    void WriteCount(DWORD_PTR count);
    DWORD_PTR ReadCount();

    void WriteClass(const CRuntimeClass* classRef);
    // Reads a class reference that must name requested or a class derived from it. With
    // objectTag given, an object reference is accepted too: it is returned there and the
    // result is null. The schema goes to *schema, or else is kept for GetObjectSchema.
    CRuntimeClass* ReadClass(const CRuntimeClass* requested = nullptr, UINT* schema = nullptr,
                             DWORD* objectTag = nullptr);
    void WriteObject(const CObject* object);
    // Reads an object reference: null, an object read before in this archive, or a new object
    // created by its class and loaded. The caller owns a new object. A new object that would lie
    // deeper than maxObjectDepth new objects inside one another throws CArchiveException.
    CObject* ReadObject(const CRuntimeClass* requested);
    // The schema of the last class reference read; a second call gives 0xFFFFFFFF.
    UINT GetObjectSchema();
    void SetObjectSchema(UINT schema) { m_nObjectSchema = schema; }

    // How deep new objects may nest in one another while they load. Real documents and drawings
    // nest a few levels; everything that walks a loaded tree (loading, storing, copying,
    // measuring and drawing it) recurses once a level, and at this depth takes about a ninth of
    // the stack in the sanitizer build.
    static constexpr int maxObjectDepth = 1000;

    CString m_strFileName;

private:
    template <typename T> CArchive& WriteValue(T value)
    {
        Write(&value, sizeof value);
        return *this;
    }
    template <typename T> CArchive& ReadValue(T& value)
    {
        if (Read(&value, sizeof value) != sizeof value)
            AfxThrowArchiveException(CArchiveException::endOfFile, m_strFileName);
        return *this;
    }
    void CheckLoading() const;
    void CheckStoring() const;
    void WriteIndex(DWORD index, bool classTag);
    DWORD ReadStringLength(bool& wide);
    std::string ReadBytes(DWORD count);
    DWORD NextMapIndex();

    // What an index of the load map stands for.
    struct LoadEntry {
        CRuntimeClass* classRef;
        CObject* object;
    };

    CFile* m_pFile;
    UINT m_nMode;
    std::string m_buffer; // pending output, or input read ahead
    size_t m_readPos = 0;
    UINT m_nObjectSchema = 0xFFFFFFFF;
    DWORD m_nMapCount = 1;
    int m_nObjectDepth = 0; // new objects being loaded, one inside another
    std::unordered_map<const void*, DWORD> m_storeMap;
    std::vector<LoadEntry> m_loadArray;
    // Stored schemas that differ from the class's own, reported again by repeated references.
    std::unordered_map<const CRuntimeClass*, UINT> m_schemaMap;
};
