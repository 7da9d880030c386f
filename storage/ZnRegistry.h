// Base of every settings object: a named group of registry values under one key, read and
// written as a whole and reached value by value by name. The key lies below the root at
// "software" (upper case below HKEY_LOCAL_MACHINE), then the company key, then the key.
#pragma once

#include "model/VhObject.h"
#include "storage/ZnRegKey.h"

class ZnRegistry : public VhObject {
    DECLARE_DYNAMIC(ZnRegistry)
public:
    // The size of the buffer that every text value is read into, its terminating zero included:
    // a text of more than 255 CP932 bytes is not read.
    static const DWORD kTextBufferSize = 256;

    // A null text gives an empty part.
    ZnRegistry(LPCTSTR companyKey, LPCTSTR key, HKEY rootKey);
    ZnRegistry(const ZnRegistry&) = delete;
    ZnRegistry& operator=(const ZnRegistry&) = delete;

    // The by-name operations. Names are compared exactly, case and all; each returns 1 when the
    // name is one of the object's, else 0. The base has no names: its setters and getters return
    // 1 and change nothing, and GetValueNames empties the list and returns 0.
    virtual BOOL SetValue(LPCTSTR name, LPCTSTR text);
    virtual BOOL SetDwordValue(LPCTSTR name, DWORD value);
    virtual BOOL GetValue(LPCTSTR name, CString& text);
    virtual BOOL GetDwordValue(LPCTSTR name, DWORD& value);
    // Empties names, appends every value name in the object's order and returns their count.
    virtual int GetValueNames(CStringList& names);
    // Loads every value from the registry; 1 when the key could be opened, else 0.
    virtual BOOL Read() = 0;
    // Stores every value in the registry; 1 when the key could be created or opened, else 0.
    virtual BOOL Write() = 0;

    HKEY GetRootKey() const { return m_hRootKey; }
    CString GetKeyPath() const;
    void SetRootKey(HKEY rootKey) { m_hRootKey = rootKey; }
    void SetCompanyKey(LPCTSTR companyKey) { m_strCompanyKey = companyKey; }
    void SetKey(LPCTSTR key) { m_strKey = key; }

    // Reads the text value name of an open key through a buffer of kTextBufferSize bytes: true
    // and the text when it can be read, else false and text unchanged.
    static BOOL QueryText(ZnRegKey& key, LPCTSTR name, CString& text);

protected:
    // Opens or creates the key path below the root, with all access.
    BOOL OpenKey(ZnRegKey& key) const;
    BOOL CreateKey(ZnRegKey& key) const;

    // The index of name among count names, compared exactly; -1 when it is none of them.
    static int IndexOfName(const CString* names, int count, LPCTSTR name);
    static int ListNames(const CString* names, int count, CStringList& list);

    // The read and write patterns over count text values. ReadTexts empties every value, opens
    // the key into `key` (0 when it cannot) and reads each value by its name (one that cannot be
    // read stays empty); WriteTexts creates or opens the key into `key` (0 when it cannot) and
    // stores each value as REG_SZ. The key stays open for the caller's further values.
    BOOL ReadTexts(ZnRegKey& key, const CString* names, CString* values, int count) const;
    BOOL WriteTexts(ZnRegKey& key, const CString* names, const CString* values, int count) const;

private:
    HKEY m_hRootKey;
    CString m_strCompanyKey;
    CString m_strKey;
};
