// Where the registry's hives are kept, and how a hive changes on disk.
//
// The folder is $ZN_REGISTRY_DIR when that is set, else $XDG_CONFIG_HOME/zadazez, else
// ~/.config/zadazez; in it the machine's hive is "machine.reg" and the user's "user.reg", in
// the text form of RegHive.h. A change takes an exclusive lock on the hive's lock file
// ("<hive>.lock"), reads the hive afresh, changes it, writes it whole to "<hive>.tmp", flushes
// that to the disk and renames it over the hive. So a reader (which takes no lock) always finds a
// whole hive, a crash leaves the old one or the new one, and two processes changing the same
// hive at the same time both keep their change. Lines of a hive that cannot be read are kept on
// every write (see RegHive.h), and the handler set below hears of such a hive.
#pragma once

#include "platform/registry/RegHive.h"

#include <functional>
#include <string>

class RegHiveFile {
public:
    typedef void (*UnreadableLinesHandler)(const std::string& hivePath);
    // The function told of a hive that holds lines that cannot be read: once per hive and process,
    // at the first read that finds them after it is set. Null tells nothing.
    static void SetUnreadableLinesHandler(UnreadableLinesHandler handler);

    explicit RegHiveFile(const char* fileName) : m_fileName(fileName) {}

    // The folder of the hives (a Linux path).
    static std::string Folder();
    std::string Path() const { return Folder() + "/" + m_fileName; }

    // Reads the hive: ERROR_SUCCESS with an empty hive when the file does not exist yet, else the
    // error of the read (the hive is then empty).
    LONG Load(RegHive& hive) const;

    // Runs change on the current hive under the lock and writes the hive when change says that it
    // changed it. Returns the status change gives when it fails or when the write succeeds, else
    // the error of the read or the write (the hive on disk is then unchanged).
    LONG Update(const std::function<LONG(RegHive& hive, bool& changed)>& change) const;

private:
    LONG Replace(const RegHive& hive) const;

    std::string m_fileName;
};
