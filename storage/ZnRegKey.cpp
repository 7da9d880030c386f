#include "storage/ZnRegKey.h"

#include "platform/core/Cp932.h"
#include "platform/registry/RegHiveFile.h"
#include "storage/ZnRunLog.h"

#include <cstring>
#include <string>

namespace {

// A settings file keeps the lines that cannot be read; the run log says where they are.
void LogUnreadableLines(const std::string& hivePath)
{
    CString message;
    message.Format("設定ファイル【%s】に読めない行があります。その行は書き込みの後もそのまま残ります。",
                   cp932::FromUtf8(hivePath).c_str());
    ZnRunLog::Write(ZnRunLog::levelWarn, message, "ZnRegKey", "Open()");
}

// Every key is created or opened here first, so the run log hears of the first read of a hive.
void LogUnreadableHiveLines() { RegHiveFile::SetUnreadableLinesHandler(LogUnreadableLines); }

} // namespace

void ZnRegKey::Hold(HKEY key)
{
    Close();
    m_hKey = key;
}

LONG ZnRegKey::Close()
{
    if (!m_hKey)
        return ERROR_SUCCESS;
    LONG status = RegCloseKey(m_hKey);
    m_hKey = nullptr;
    return status;
}

LONG ZnRegKey::Create(HKEY parent, LPCTSTR subKey, LPTSTR keyClass, DWORD options, REGSAM access,
                      LPSECURITY_ATTRIBUTES security, LPDWORD disposition)
{
    LogUnreadableHiveLines();
    HKEY key = nullptr;
    DWORD created = 0;
    LONG status = RegCreateKeyExA(parent, subKey, 0, keyClass, options, access, security, &key, &created);
    if (disposition)
        *disposition = created;
    if (status == ERROR_SUCCESS)
        Hold(key);
    return status;
}

LONG ZnRegKey::Open(HKEY parent, LPCTSTR subKey, REGSAM access)
{
    LogUnreadableHiveLines();
    HKEY key = nullptr;
    LONG status = RegOpenKeyExA(parent, subKey, 0, access, &key);
    if (status == ERROR_SUCCESS)
        Hold(key);
    return status;
}

LONG ZnRegKey::QueryValue(DWORD& value, LPCTSTR valueName)
{
    DWORD type = REG_NONE;
    DWORD data = 0;
    DWORD size = sizeof data;
    LONG status = RegQueryValueExA(m_hKey, valueName, nullptr, &type, reinterpret_cast<LPBYTE>(&data), &size);
    if (status == ERROR_MORE_DATA || (status == ERROR_SUCCESS && (type != REG_DWORD || size != sizeof data)))
        return ERROR_UNSUPPORTED_TYPE;
    if (status == ERROR_SUCCESS)
        value = data;
    return status;
}

LONG ZnRegKey::QueryValue(LPTSTR buffer, LPCTSTR valueName, DWORD* size)
{
    if (!buffer || !size || *size == 0)
        return ERROR_INVALID_PARAMETER;
    DWORD type = REG_NONE;
    std::string data(*size, '\0');
    DWORD used = *size;
    LONG status = RegQueryValueExA(m_hKey, valueName, nullptr, &type, reinterpret_cast<LPBYTE>(&data[0]), &used);
    if (status == ERROR_SUCCESS && type != REG_SZ)
        return ERROR_UNSUPPORTED_TYPE;
    if (status != ERROR_SUCCESS)
        return status;
    // A text stored without its zero still needs room for one.
    size_t length = strnlen(data.data(), used);
    if (length >= *size)
        return ERROR_MORE_DATA;
    std::memcpy(buffer, data.data(), length);
    buffer[length] = '\0';
    *size = static_cast<DWORD>(length + 1);
    return ERROR_SUCCESS;
}

LONG ZnRegKey::SetValue(DWORD value, LPCTSTR valueName)
{
    return RegSetValueExA(m_hKey, valueName, 0, REG_DWORD, reinterpret_cast<LPCBYTE>(&value), sizeof value);
}

LONG ZnRegKey::SetValue(LPCTSTR text, LPCTSTR valueName)
{
    const char* value = text ? text : "";
    return RegSetValueExA(m_hKey, valueName, 0, REG_SZ, reinterpret_cast<LPCBYTE>(value),
                          static_cast<DWORD>(std::strlen(value) + 1));
}
