// The zip library's interface: its records and its three entries, shared by the library and its
// callers. Callers load the library at run time and bind the entries by name.
#pragma once

#if defined(__GNUC__)
#define ZP_API __attribute__((visibility("default")))
#else
#define ZP_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

// Callbacks that the caller hands to ZpInit.
typedef int (*ZpPrintFunction)(char* text, unsigned long length);
typedef int (*ZpCommentFunction)(char* buffer);
typedef int (*ZpPasswordFunction)(char* buffer, int size, const char* prompt, const char* name);
typedef int (*ZpServiceFunction)(const char* name, unsigned long size);

typedef struct ZpUserFunctions {
    ZpPrintFunction print;       // the library's messages
    ZpCommentFunction comment;   // asked for an archive comment
    ZpPasswordFunction password; // asked for a password
    ZpServiceFunction service;   // may be zero
} ZpUserFunctions;

// Options for the next ZpArchive. Zero is "off" for every flag. Flags of features that this
// library does not offer must stay zero: ZpSetOptions refuses the record otherwise.
typedef struct ZpOptions {
    const char* date;           // date filter (not offered)
    const char* rootDir;        // folder that names and a relative archive name start from
    const char* tempDir;        // temporary folder (not offered)
    int useTempDir;             // not offered
    int suffixes;               // not offered
    int encrypt;                // not offered
    int systemFiles;            // system and hidden files: every file is packed regardless
    int volumeLabel;            // not offered
    int excludeExtraAttributes; // no extra attributes are written regardless
    int noDirEntries;           // leave out directory entries
    int excludeDate;            // not offered
    int includeDate;            // not offered
    int verbose;                // no effect: only failures are reported
    int quiet;                  // no effect: only failures are reported
    int crlfToLf;               // CR LF becomes LF in text files
    int lfToCrlf;               // not offered
    int junkDirNames;           // not offered
    int grow;                   // not offered
    int forceDosNames;          // not offered
    int move;                   // remove the sources once the archive is complete
    int deleteEntries;          // not offered
    int update;                 // not offered
    int freshen;                // not offered
    int junkSelfExtractor;      // not offered
    int latestTime;             // not offered
    int comment;                // not offered
    int offsets;                // not offered
    int privileges;             // no effect
    int encryptionSupported;    // no effect
    int recurse;                // 1: into sub-folders; 0: the named folder's files only
    int repair;                 // not offered
    char level;                 // 0: the library's default; '0' to '9': that level
} ZpOptions;

// The archive to write and the names to pack into it: files, folders, or a folder followed by
// "\*.*" (or "\*") for everything in it. Paths are Windows paths in CP932.
typedef struct ZpCommand {
    int nameCount;
    const char* archiveName;
    const char* const* names;
} ZpCommand;

// Results of ZpArchive.
enum {
    ZP_OK = 0,
    ZP_ERROR_PARAMETERS = 1, // no ZpInit or ZpSetOptions yet, no names, or a name outside the root
    ZP_ERROR_SOURCE = 2,     // a name that does not exist, an unreadable file, a link or device file
    ZP_ERROR_EXISTS = 3,     // the archive already exists
    ZP_ERROR_CREATE = 4,     // the archive cannot be created
    ZP_ERROR_WRITE = 5,      // writing the archive failed
    ZP_ERROR_CHECK = 6,      // the archive read back does not hold what was written
    ZP_ERROR_MOVE = 7,       // the archive is complete, but a source could not be removed
};

// Nonzero when the callbacks are accepted.
ZP_API int ZpInit(ZpUserFunctions* functions);
// Nonzero when the options are in force for the next ZpArchive.
ZP_API int ZpSetOptions(ZpOptions* options);
// Writes the archive; ZP_OK or one of the errors above. On any error before the sources are
// removed, no source is touched and no archive or partial file is left behind.
ZP_API int ZpArchive(ZpCommand command);

typedef int (*ZpInitEntry)(ZpUserFunctions*);
typedef int (*ZpSetOptionsEntry)(ZpOptions*);
typedef int (*ZpArchiveEntry)(ZpCommand);

#ifdef __cplusplus
}
#endif
