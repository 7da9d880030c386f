// A whole floppy folder (its index, form list and form files) as one fuzz input, and the
// temporary folder that the input is written to for the readers to read as a floppy.
//
// The container is text: each file is a line "=== " and the file's path in the folder, then its
// bytes, up to the line end before the next such line or to the end of the input:
//
//     === Info/filename.iba
//     "#000","name","20240105","6.40","7","","100006","1","0","0","0","0"
//     === Keikaku/Ksq001.190
//     ...
//
// The line end before a "=== " line belongs to that line, so a file that ends in a line end is
// written with one more. What stands before the first "=== " line is no file. A path is one to
// four names of ASCII letters, digits, ".", "_" and "-" joined by "/", none of them "." or "..";
// a file of another path is passed over, and of two files of one path the later counts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

class FuzzFloppyFolder {
public:
    // The files of an input, by their paths in the folder.
    typedef std::map<std::string, std::string> Files;

    static Files Decode(const uint8_t* data, size_t size);

    // Makes a folder of its own below TMPDIR (else /tmp), removed with the object.
    FuzzFloppyFolder();
    ~FuzzFloppyFolder();
    FuzzFloppyFolder(const FuzzFloppyFolder&) = delete;
    FuzzFloppyFolder& operator=(const FuzzFloppyFolder&) = delete;

    // Empties the folder and writes the files of the input into it; the files written.
    Files Write(const uint8_t* data, size_t size);
    // Whether the folder holds exactly these files with these bytes (and nothing else).
    bool Holds(const Files& files) const;

    const std::string& Path() const { return m_path; }
    // The folder as the readers take a floppy drive: its Windows path ending in "\".
    std::string BasePath() const;

private:
    std::string m_path;
};
