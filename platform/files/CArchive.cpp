#include "platform/files/CArchive.h"

#include "platform/core/Cp932.h"

#include <algorithm>
#include <cstring>

namespace {
const WORD wNullTag = 0;
const WORD wNewClassTag = 0xFFFF;
const WORD wClassTag = 0x8000;
const DWORD dwBigClassTag = 0x80000000;
const WORD wBigObjectTag = 0x7FFF;
const DWORD nMaxMapCount = 0x3FFFFFFE;
const size_t readChunk = 4096;

// UTF-16LE text to CP932, for the wide strings that the loader accepts but never writes.
std::string Utf16ToCp932(const std::string& utf16)
{
    std::string utf8;
    for (size_t i = 0; i + 1 < utf16.size(); i += 2) {
        unsigned c = static_cast<unsigned char>(utf16[i]) | static_cast<unsigned char>(utf16[i + 1]) << 8;
        if (c >= 0xD800 && c <= 0xDBFF && i + 3 < utf16.size()) {
            unsigned low = static_cast<unsigned char>(utf16[i + 2]) | static_cast<unsigned char>(utf16[i + 3]) << 8;
            if (low >= 0xDC00 && low <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        if (c < 0x80) {
            utf8 += static_cast<char>(c);
        } else if (c < 0x800) {
            utf8 += static_cast<char>(0xC0 | c >> 6);
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            utf8 += static_cast<char>(0xE0 | c >> 12);
            utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            utf8 += static_cast<char>(0xF0 | c >> 18);
            utf8 += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return cp932::FromUtf8(utf8);
}
} // namespace

// A class record of an archive: its schema, the length of its name and the name.
void CRuntimeClass::Store(CArchive& ar) const
{
    WORD length = static_cast<WORD>(std::strlen(m_lpszClassName));
    ar << static_cast<WORD>(m_wSchema & ~VERSIONABLE_SCHEMA) << length;
    ar.Write(m_lpszClassName, length);
}

CRuntimeClass* CRuntimeClass::Load(CArchive& ar, UINT* schema)
{
    WORD storedSchema = 0;
    WORD length = 0;
    ar >> storedSchema >> length;
    char name[64];
    if (length >= sizeof name || ar.Read(name, length) != length)
        return nullptr;
    name[length] = 0;
    *schema = storedSchema;
    return FromName(name);
}

CArchive::CArchive(CFile* file, UINT mode, int, void*) : m_pFile(file), m_nMode(mode)
{
    if (file)
        m_strFileName = file->GetFilePath();
    m_loadArray.push_back(LoadEntry{nullptr, nullptr}); // index 0 is null
}

CArchive::~CArchive()
{
    if (m_pFile && IsStoring() && !(m_nMode & bNoFlushOnDelete)) {
        try {
            Flush();
        } catch (CException* e) {
            e->Delete();
        }
    }
}

void CArchive::Close()
{
    if (m_pFile && IsStoring())
        Flush();
    m_pFile = nullptr;
}

void CArchive::Flush()
{
    if (!m_pFile || !IsStoring() || m_buffer.empty())
        return;
    std::string pending;
    pending.swap(m_buffer);
    m_pFile->Write(pending.data(), static_cast<UINT>(pending.size()));
}

void CArchive::Abort()
{
    m_buffer.clear();
    m_pFile = nullptr;
}

void CArchive::CheckLoading() const
{
    if (!IsLoading())
        AfxThrowArchiveException(CArchiveException::writeOnly, m_strFileName);
}

void CArchive::CheckStoring() const
{
    if (!IsStoring())
        AfxThrowArchiveException(CArchiveException::readOnly, m_strFileName);
}

UINT CArchive::Read(void* buffer, UINT count)
{
    CheckLoading();
    char* out = static_cast<char*>(buffer);
    UINT done = 0;
    while (done < count) {
        if (m_readPos == m_buffer.size()) {
            if (!m_pFile)
                break;
            m_buffer.resize(readChunk);
            m_buffer.resize(m_pFile->Read(&m_buffer[0], readChunk));
            m_readPos = 0;
            if (m_buffer.empty())
                break;
        }
        size_t n = std::min<size_t>(count - done, m_buffer.size() - m_readPos);
        std::memcpy(out + done, m_buffer.data() + m_readPos, n);
        m_readPos += n;
        done += static_cast<UINT>(n);
    }
    return done;
}

void CArchive::Write(const void* buffer, UINT count)
{
    CheckStoring();
    m_buffer.append(static_cast<const char*>(buffer), count);
    if (m_buffer.size() >= 64 * 1024)
        Flush();
}

CArchive& CArchive::operator<<(const CString& value)
{
    DWORD length = static_cast<DWORD>(value.GetLength());
    if (length < 255) {
        *this << static_cast<BYTE>(length);
    } else if (length < 0xFFFE) {
        *this << static_cast<BYTE>(0xFF) << static_cast<WORD>(length);
    } else {
        *this << static_cast<BYTE>(0xFF) << static_cast<WORD>(0xFFFF) << length;
    }
    Write(value.Bytes().data(), length);
    return *this;
}

DWORD CArchive::ReadStringLength(bool& wide)
{
    BYTE byteLength;
    *this >> byteLength;
    if (byteLength < 0xFF)
        return byteLength;
    WORD wordLength;
    *this >> wordLength;
    if (wordLength == 0xFFFE) {
        if (wide)
            AfxThrowArchiveException(CArchiveException::generic, m_strFileName);
        wide = true;
        return ReadStringLength(wide);
    }
    if (wordLength < 0xFFFF)
        return wordLength;
    DWORD length;
    *this >> length;
    return length;
}

std::string CArchive::ReadBytes(DWORD count)
{
    // Read in chunks so that a corrupt length never allocates more than the input holds.
    std::string out;
    while (out.size() < count) {
        size_t chunk = std::min<size_t>(count - out.size(), 64 * 1024);
        size_t old = out.size();
        out.resize(old + chunk);
        if (Read(&out[old], static_cast<UINT>(chunk)) != chunk)
            AfxThrowArchiveException(CArchiveException::endOfFile, m_strFileName);
    }
    return out;
}

CArchive& CArchive::operator>>(CString& value)
{
    bool wide = false;
    DWORD length = ReadStringLength(wide);
    if (wide) {
        if (length > 0x7FFFFFFF)
            AfxThrowArchiveException(CArchiveException::endOfFile, m_strFileName);
        value = CString(Utf16ToCp932(ReadBytes(length * 2)));
    } else {
        value = CString(ReadBytes(length));
    }
    return *this;
}

void CArchive::WriteCount(DWORD_PTR count)
{
    if (count < 0xFFFF) {
        *this << static_cast<WORD>(count);
        return;
    }
    if (count > 0xFFFFFFFF)
        AfxThrowArchiveException(CArchiveException::generic, m_strFileName);
    *this << static_cast<WORD>(0xFFFF) << static_cast<DWORD>(count);
}

DWORD_PTR CArchive::ReadCount()
{
    WORD shortCount;
    *this >> shortCount;
    if (shortCount != 0xFFFF)
        return shortCount;
    DWORD count;
    *this >> count;
    return count;
}

DWORD CArchive::NextMapIndex()
{
    if (m_nMapCount >= nMaxMapCount)
        AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
    return m_nMapCount++;
}

void CArchive::WriteIndex(DWORD index, bool classTag)
{
    if (index < wBigObjectTag) {
        *this << static_cast<WORD>(classTag ? (wClassTag | index) : index);
    } else {
        *this << wBigObjectTag << static_cast<DWORD>(classTag ? (dwBigClassTag | index) : index);
    }
}

void CArchive::WriteClass(const CRuntimeClass* classRef)
{
    CheckStoring();
    if (classRef->m_wSchema == 0xFFFF)
        AfxThrowArchiveException(CArchiveException::badSchema, m_strFileName);
    auto found = m_storeMap.find(classRef);
    if (found != m_storeMap.end()) {
        WriteIndex(found->second, true);
        return;
    }
    *this << wNewClassTag;
    classRef->Store(*this);
    m_storeMap[classRef] = NextMapIndex();
}

CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* requested, UINT* schema, DWORD* objectTag)
{
    CheckLoading();
    WORD tag;
    *this >> tag;
    DWORD obTag;
    if (tag == wBigObjectTag)
        *this >> obTag;
    else
        obTag = (static_cast<DWORD>(tag & wClassTag) << 16) | (tag & ~wClassTag);

    if (!(obTag & dwBigClassTag)) {
        if (!objectTag)
            AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
        *objectTag = obTag;
        return nullptr;
    }

    CRuntimeClass* classRef;
    UINT classSchema;
    if (tag == wNewClassTag) {
        UINT storedSchema = 0;
        classRef = CRuntimeClass::Load(*this, &storedSchema);
        if (!classRef)
            AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
        UINT currentSchema = classRef->m_wSchema & ~VERSIONABLE_SCHEMA;
        if (storedSchema != currentSchema && !(classRef->m_wSchema & VERSIONABLE_SCHEMA))
            AfxThrowArchiveException(CArchiveException::badSchema, m_strFileName);
        classSchema = storedSchema;
        DWORD index = NextMapIndex();
        m_loadArray.resize(index + 1, LoadEntry{nullptr, nullptr});
        m_loadArray[index] = LoadEntry{classRef, nullptr};
        if (storedSchema != currentSchema)
            m_schemaMap[classRef] = storedSchema;
    } else {
        DWORD index = obTag & ~dwBigClassTag;
        if (index == 0 || index >= m_loadArray.size() || !m_loadArray[index].classRef)
            AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
        classRef = m_loadArray[index].classRef;
        auto remembered = m_schemaMap.find(classRef);
        classSchema = remembered != m_schemaMap.end() ? remembered->second : (classRef->m_wSchema & ~VERSIONABLE_SCHEMA);
    }

    if (requested && !classRef->IsDerivedFrom(requested))
        AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
    if (schema)
        *schema = classSchema;
    else
        m_nObjectSchema = classSchema;
    if (objectTag)
        *objectTag = obTag;
    return classRef;
}

void CArchive::WriteObject(const CObject* object)
{
    CheckStoring();
    if (!object) {
        *this << wNullTag;
        return;
    }
    auto found = m_storeMap.find(object);
    if (found != m_storeMap.end()) {
        WriteIndex(found->second, false);
        return;
    }
    WriteClass(object->GetRuntimeClass());
    m_storeMap[object] = NextMapIndex();
    const_cast<CObject*>(object)->Serialize(*this);
}

CObject* CArchive::ReadObject(const CRuntimeClass* requested)
{
    UINT schema = 0;
    DWORD obTag = 0;
    CRuntimeClass* classRef = ReadClass(requested, &schema, &obTag);
    if (!classRef) {
        if (obTag >= m_loadArray.size() || m_loadArray[obTag].classRef)
            AfxThrowArchiveException(CArchiveException::badIndex, m_strFileName);
        CObject* object = m_loadArray[obTag].object;
        if (object && requested && !object->IsKindOf(requested))
            AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
        return object;
    }
    if (m_nObjectDepth >= maxObjectDepth)
        AfxThrowArchiveException(CArchiveException::generic, m_strFileName);
    CObject* object = classRef->CreateObject();
    if (!object)
        AfxThrowArchiveException(CArchiveException::badClass, m_strFileName);
    DWORD index;
    try {
        index = NextMapIndex();
    } catch (...) {
        delete object;
        throw;
    }
    m_loadArray.resize(index + 1, LoadEntry{nullptr, nullptr});
    m_loadArray[index] = LoadEntry{nullptr, object};
    UINT savedSchema = m_nObjectSchema;
    m_nObjectSchema = schema;
    ++m_nObjectDepth;
    try {
        object->Serialize(*this);
    } catch (...) {
        // The caller never sees a half-loaded object; forget it so no later reference reaches it.
        --m_nObjectDepth;
        m_loadArray[index].object = nullptr;
        delete object;
        throw;
    }
    --m_nObjectDepth;
    m_nObjectSchema = savedSchema;
    return object;
}

UINT CArchive::GetObjectSchema()
{
    UINT schema = m_nObjectSchema;
    m_nObjectSchema = 0xFFFFFFFF;
    return schema;
}
