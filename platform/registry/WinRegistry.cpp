#include "platform/registry/WinRegistry.h"

#include "platform/registry/RegHiveFile.h"

#include <cstring>
#include <map>
#include <memory>

// An open key: the hive that holds it and its path there, the root's name first.
struct RegOpenKey {
    const RegHiveFile* file;
    std::string path;
};

namespace {

struct RootKey {
    HKEY handle;
    const char* name;
    RegHiveFile file;
};

RootKey* Roots()
{
    static RootKey roots[] = {
        {HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE", RegHiveFile("machine.reg")},
        {HKEY_CURRENT_USER, "HKEY_CURRENT_USER", RegHiveFile("user.reg")},
    };
    return roots;
}
const int kRootCount = 2;

// The keys handed out and not yet closed.
std::map<HKEY, std::unique_ptr<RegOpenKey>>& OpenKeys()
{
    static std::map<HKEY, std::unique_ptr<RegOpenKey>> keys;
    return keys;
}

// The hive and path of the key subKey below hKey; false for a handle that is neither a root nor open.
bool Resolve(HKEY hKey, LPCSTR subKey, RegOpenKey& key)
{
    std::string below = subKey ? subKey : "";
    for (int i = 0; i < kRootCount; ++i)
        if (Roots()[i].handle == hKey) {
            key = {&Roots()[i].file, RegHive::NormalPath(std::string(Roots()[i].name) + "\\" + below)};
            return true;
        }
    auto open = OpenKeys().find(hKey);
    if (open == OpenKeys().end())
        return false;
    key = {open->second->file, RegHive::NormalPath(open->second->path + "\\" + below)};
    return true;
}

HKEY NewHandle(const RegOpenKey& key)
{
    auto owned = std::make_unique<RegOpenKey>(key);
    HKEY handle = owned.get();
    OpenKeys()[handle] = std::move(owned);
    return handle;
}

// Resolves the key subKey below hKey and reads its hive: ERROR_INVALID_HANDLE for an unknown
// handle, the error of the read, or `missing` when the hive lacks the key.
LONG LoadKey(HKEY hKey, LPCSTR subKey, LONG missing, RegOpenKey& key, RegHive& hive)
{
    if (!Resolve(hKey, subKey, key))
        return ERROR_INVALID_HANDLE;
    if (LONG status = key.file->Load(hive); status != ERROR_SUCCESS)
        return status;
    return hive.HasKey(key.path) ? ERROR_SUCCESS : missing;
}

} // namespace

LONG RegOpenKeyExA(HKEY hKey, LPCSTR subKey, DWORD, REGSAM, PHKEY result)
{
    RegOpenKey key;
    RegHive hive;
    if (!result)
        return ERROR_INVALID_PARAMETER;
    if (LONG status = LoadKey(hKey, subKey, ERROR_FILE_NOT_FOUND, key, hive); status != ERROR_SUCCESS)
        return status;
    *result = NewHandle(key);
    return ERROR_SUCCESS;
}

LONG RegCreateKeyExA(HKEY hKey, LPCSTR subKey, DWORD, LPSTR, DWORD, REGSAM, LPSECURITY_ATTRIBUTES, PHKEY result,
                     LPDWORD disposition)
{
    RegOpenKey key;
    if (!result)
        return ERROR_INVALID_PARAMETER;
    if (!Resolve(hKey, subKey, key))
        return ERROR_INVALID_HANDLE;
    bool created = false;
    LONG status = key.file->Update([&](RegHive& hive, bool& changed) {
        changed = created = hive.CreateKey(key.path);
        return ERROR_SUCCESS;
    });
    if (status != ERROR_SUCCESS)
        return status;
    if (disposition)
        *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    *result = NewHandle(key);
    return ERROR_SUCCESS;
}

LONG RegQueryValueExA(HKEY hKey, LPCSTR valueName, LPDWORD, LPDWORD type, LPBYTE data, LPDWORD size)
{
    RegOpenKey key;
    RegHive hive;
    if (data && !size)
        return ERROR_INVALID_PARAMETER;
    if (LONG status = LoadKey(hKey, nullptr, ERROR_KEY_DELETED, key, hive); status != ERROR_SUCCESS)
        return status;
    const RegValue* value = hive.FindValue(key.path, valueName ? valueName : "");
    if (!value)
        return ERROR_FILE_NOT_FOUND;
    if (type)
        *type = value->type;
    DWORD needed = static_cast<DWORD>(value->data.size());
    if (data && *size < needed) {
        *size = needed;
        return ERROR_MORE_DATA;
    }
    if (data)
        std::memcpy(data, value->data.data(), needed);
    if (size)
        *size = needed;
    return ERROR_SUCCESS;
}

LONG RegSetValueExA(HKEY hKey, LPCSTR valueName, DWORD, DWORD type, LPCBYTE data, DWORD size)
{
    RegOpenKey key;
    if (!Resolve(hKey, nullptr, key))
        return ERROR_INVALID_HANDLE;
    if (!data && size > 0)
        return ERROR_INVALID_PARAMETER;
    RegValue value{valueName ? valueName : "", type,
                   data ? std::string(reinterpret_cast<const char*>(data), size) : std::string()};
    return key.file->Update([&](RegHive& hive, bool& changed) {
        const RegValue* old = hive.FindValue(key.path, value.name);
        changed = !old || old->type != value.type || old->data != value.data;
        if (changed && !hive.SetValue(key.path, value))
            return ERROR_KEY_DELETED;
        return ERROR_SUCCESS;
    });
}

LONG RegCloseKey(HKEY hKey)
{
    for (int i = 0; i < kRootCount; ++i)
        if (Roots()[i].handle == hKey)
            return ERROR_SUCCESS;
    return OpenKeys().erase(hKey) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}
