// The drive-letter table: which Linux folder stands for the root of each drive A: to Z:.
//
// Defaults: C: is the Linux root folder "/"; no other letter has a folder. An environment
// variable ZN_DRIVE_<letter> (for example ZN_DRIVE_A=/media/floppy) gives a letter its folder,
// and an empty value takes it away. The table is read from the environment on first use.
#pragma once

#include "platform/core/WinTypes.h"

#include <string>

#define DRIVE_UNKNOWN 0
#define DRIVE_NO_ROOT_DIR 1
#define DRIVE_REMOVABLE 2
#define DRIVE_FIXED 3
#define DRIVE_REMOTE 4
#define DRIVE_CDROM 5
#define DRIVE_RAMDISK 6

// The folder of a drive letter (either case), without a trailing "/" except for "/" itself;
// empty when the letter has none or is not a letter.
std::string DriveFolder(char letter);

// Gives a letter a folder, or takes it away with an empty folder.
void SetDriveFolder(char letter, const std::string& linuxFolder);

// Rebuilds the table from the defaults and the environment.
void ResetDriveTable();

// The letter whose folder holds linuxPath (the longest such folder wins), or 0. Only absolute
// paths lie on a drive.
char DriveOfLinuxPath(const std::string& linuxPath);

// The user's home folder: HOME, else the password database's, else "/tmp".
std::string HomeFolder();

// The Linux folder that stands for My Computer, the list of drives, where a folder browser rooted
// there opens: the folder of the first drive present from C: to Z:, then A: and B: (by default
// "/"), or the user's home folder when no drive is present.
std::string MyComputerFolder();

// The type of the drive whose root is rootPath ("A:\" or "A:"): DRIVE_NO_ROOT_DIR when the letter
// has no folder or the folder is missing; else DRIVE_REMOVABLE for the floppy letters A: and B:
// and DRIVE_FIXED for the others. A null root asks about the drive of the current folder.
UINT GetDriveTypeA(LPCSTR rootPath);
#define GetDriveType GetDriveTypeA
