// A temporary folder for a test, removed with everything in it at the end of the test; and the
// registry folder pointed at such a folder.
#pragma once

#include <cstdlib>
#include <fstream>
#include <ftw.h>
#include <iterator>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace testsupport {

class TempFolder {
public:
    TempFolder()
    {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/zn-test-XXXXXX";
        if (!mkdtemp(&pattern[0]))
            throw std::runtime_error("cannot create a temporary folder");
        m_path = pattern;
    }
    ~TempFolder()
    {
        nftw(
            m_path.c_str(), [](const char* path, const struct stat*, int, FTW*) { return ::remove(path); }, 16,
            FTW_DEPTH | FTW_PHYS);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder as a Linux path, and a path below it.
    const std::string& Path() const { return m_path; }
    std::string Path(const std::string& relative) const { return m_path + "/" + relative; }

private:
    std::string m_path;
};

// Points the registry (ZN_REGISTRY_DIR) at a fresh temporary folder for the life of the object.
class TempRegistry {
public:
    TempRegistry() { setenv("ZN_REGISTRY_DIR", m_folder.Path().c_str(), 1); }
    ~TempRegistry() { unsetenv("ZN_REGISTRY_DIR"); }

    std::string MachineHive() const { return m_folder.Path("machine.reg"); }
    std::string UserHive() const { return m_folder.Path("user.reg"); }
    const TempFolder& Folder() const { return m_folder; }

private:
    TempFolder m_folder;
};

// Sets an environment variable for the life of the object, and puts back what it held.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : m_name(name)
    {
        const char* saved = std::getenv(name);
        m_wasSet = saved != nullptr;
        m_saved = saved ? saved : "";
        Set(value);
    }
    ~ScopedEnv()
    {
        if (m_wasSet)
            setenv(m_name.c_str(), m_saved.c_str(), 1);
        else
            unsetenv(m_name.c_str());
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

    void Set(const std::string& value) { setenv(m_name.c_str(), value.c_str(), 1); }

private:
    std::string m_name;
    std::string m_saved;
    bool m_wasSet;
};

// The bytes of a file (empty when it cannot be read), and a file written with bytes.
inline std::string ReadFileBytes(const std::string& linuxPath)
{
    std::ifstream in(linuxPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFileBytes(const std::string& linuxPath, const std::string& bytes)
{
    std::ofstream out(linuxPath, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace testsupport
