#include "platform/core/CObject.h"

#include <string>
#include <unordered_map>

namespace {
// Head of the registration chain; zero-initialised before any static constructor runs.
CRuntimeClass* firstClass = nullptr;
} // namespace

CRuntimeClass CObject::classCObject = {"CObject", sizeof(CObject), 0xFFFF, nullptr, nullptr, nullptr};
static AFX_CLASSINIT _init_CObject(&CObject::classCObject);

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* newClass)
{
    newClass->m_pNextClass = firstClass;
    firstClass = newClass;
}

CObject* CRuntimeClass::CreateObject() { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const
{
    for (const CRuntimeClass* c = this; c; c = c->m_pBaseClass)
        if (c == base)
            return TRUE;
    return FALSE;
}

// Archives name a class at its first object: the registered classes by name, made again when a
// class has registered since (the chain's head has changed). The first in the chain wins.
CRuntimeClass* CRuntimeClass::FromName(LPCSTR className)
{
    static std::unordered_map<std::string, CRuntimeClass*> byName;
    static CRuntimeClass* indexedFrom = nullptr;
    if (indexedFrom != firstClass) {
        byName.clear();
        for (CRuntimeClass* c = firstClass; c; c = c->m_pNextClass)
            byName.emplace(c->m_lpszClassName, c);
        indexedFrom = firstClass;
    }
    auto found = byName.find(className);
    return found != byName.end() ? found->second : nullptr;
}

CRuntimeClass* CObject::GetRuntimeClass() const { return RUNTIME_CLASS(CObject); }

BOOL CObject::IsKindOf(const CRuntimeClass* cls) const { return GetRuntimeClass()->IsDerivedFrom(cls); }

BOOL CObject::IsSerializable() const { return GetRuntimeClass()->m_wSchema != 0xFFFF; }

void CObject::Serialize(CArchive&) {}
