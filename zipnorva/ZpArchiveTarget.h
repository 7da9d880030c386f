// Where an archive is written: its folder, opened once, and everything about the archive done
// relative to that folder (the check that its name is free, the temporary file beside it, the
// name given, both flushed to the disk), so that the archive lands in the folder opened whatever
// becomes of that folder's name, or of any name on its path, meanwhile.
#pragma once

#include "zipnorva/ZpDescriptor.h"

#include <string>

class ZpArchiveTarget {
public:
    enum Outcome { kPublished, kNameTaken, kFailed };

    // path: the archive's Linux path, without "." or ".." names. Opens its folder, whose last
    // name is not followed where it is a link (ZpDescriptor::OpenLastNotFollowed).
    explicit ZpArchiveTarget(const std::string& path);
    // Removes the temporary file unless it was given the archive's name.
    ~ZpArchiveTarget();
    ZpArchiveTarget(const ZpArchiveTarget&) = delete;
    ZpArchiveTarget& operator=(const ZpArchiveTarget&) = delete;

    // Whether anything, a link too, has the archive's name in its folder.
    bool NameTaken() const;
    // Creates a new file beside the archive under a name of its own, readable by all; false when
    // the folder could not be opened or the file cannot be created.
    bool CreateTemporary();
    // The temporary file's descriptor, open for reading and writing; also once it is published.
    int Temporary() const { return temporary_.Get(); }
    // Its path, for messages.
    std::string TemporaryPath() const { return folderPath_ + "/" + temporaryName_; }
    // Flushes the temporary file's data to the disk; false when the disk says it failed.
    bool SyncTemporary() const;
    // Gives the temporary file the archive's name, never replacing a file that took the name
    // meanwhile: kNameTaken then.
    Outcome Publish();
    // Flushes the folder's names to the disk, the archive's among them; when that fails, the
    // archive's name is removed again and false returned.
    bool SyncFolder();

private:
    std::string folderPath_;
    std::string name_;
    std::string temporaryName_;
    ZpDescriptor folder_;
    ZpDescriptor temporary_;
    bool published_ = false;
};
