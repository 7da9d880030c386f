// A work folder of a benchmark's own: made afresh below a folder it was given (the system's
// temporary folder when none was), removed with everything in it when the object ends. Only the
// process that made it removes it, so a forked child that ends early leaves it to its parent.
#pragma once

#include <filesystem>
#include <string>
#include <sys/types.h>

class BenchFolder {
public:
    // A folder named name followed by a unique ending; throws when it cannot be made.
    BenchFolder(const std::string& base, const std::string& name);
    ~BenchFolder();
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
    pid_t m_owner;
};
