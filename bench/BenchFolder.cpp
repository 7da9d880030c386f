#include "bench/BenchFolder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

BenchFolder::BenchFolder(const std::string& base, const std::string& name) : m_owner(getpid())
{
    fs::path parent = base.empty() ? fs::temp_directory_path() : fs::path(base);
    std::string pattern = (parent / (name + ".XXXXXX")).string();
    if (!mkdtemp(&pattern[0]))
        throw std::runtime_error("cannot make a work folder in " + parent.string() + ": " + std::strerror(errno));
    m_path = pattern;
}

BenchFolder::~BenchFolder()
{
    std::error_code ignored;
    if (getpid() == m_owner)
        fs::remove_all(m_path, ignored);
}
