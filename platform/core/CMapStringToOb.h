// Map from strings (compared byte for byte) to CObject pointers. The map never owns its values.
#pragma once

#include "platform/core/CObject.h"
#include "platform/core/CString.h"

#include <map>
#include <string>

class CMapStringToOb : public CObject {
public:
    DECLARE_DYNAMIC(CMapStringToOb)
    explicit CMapStringToOb(int blockSize = 10) {}

    int GetCount() const { return static_cast<int>(m_map.size()); }
    BOOL IsEmpty() const { return m_map.empty(); }
    BOOL Lookup(LPCTSTR key, CObject*& value) const;
    CObject*& operator[](LPCTSTR key) { return m_map[key]; }
    void SetAt(LPCTSTR key, CObject* value) { m_map[key] = value; }
    BOOL RemoveKey(LPCTSTR key) { return m_map.erase(key) > 0; }
    void RemoveAll() { m_map.clear(); }

    // Iteration in key order; the position stays valid while the map is not changed.
    POSITION GetStartPosition() const;
    void GetNextAssoc(POSITION& pos, CString& key, CObject*& value) const;

private:
    std::map<std::string, CObject*> m_map;
};
