// Packing of an export folder into a zip archive beside it, through the zip library
// "zipnorva32.dll" that is loaded at run time from the installation folder.
#pragma once

#include "platform/core/CString.h"
#include "zipnorva/ZpApi.h"

// Reads the installation folder (a Windows path) into path: TRUE on success, else FALSE with
// path unchanged.
typedef BOOL (*InstallPathReader)(CString& path);

// Sets where LoadZipLibrary reads the installation folder. Until it is set, the folder cannot be
// read.
void SetInstallPathReader(InstallPathReader reader);

// Loads the zip library from the installation folder and binds ZpInit, ZpSetOptions and
// ZpArchive. Returns 1 when all three are bound, else 0: with the message
// "インストールパスの取得に失敗しました。" when the installation folder cannot be read, silently when
// the library or one of its entries is missing (a library loaded without all its entries is
// released). A failed load leaves the binding as it was; an earlier load is never released.
int LoadZipLibrary();

// Releases the bound library and clears the binding, so that nothing calls into a released
// library; returns the result of the release (FALSE when nothing was bound).
BOOL UnloadZipLibrary();

// Packs the folder of packingPath (the folder followed by "\*.*"), sub-folders included, into
// "..\" + archiveWord + "_" + local time "%Y%m%d%H%M%S" + ".zip" relative to that folder, moving
// every file into the archive. Failures are told by a message box only: "ZipInitでエラー発生。"
// and "ZpSetOptionsでエラー発生" release the library, "ZpArchiveでエラー発生" keeps it.
void MakeZip(LPCTSTR packingPath, CString archiveWord);

// The local time now as "%Y%m%d%H%M%S" (14 digits, year first): the stamp of archive names, and
// of the export folders that they replace.
CString GetLocalTimeStamp();

// The folder part of source: its first bytes, at most size, up to the last "\" among them. An
// empty source leaves destination untouched; a source without "\" gives an empty text.
void GetFolderOfPath(LPCSTR source, LPSTR destination, int size);

// Puts the three callbacks below into the first three fields of the record.
void SetZipUserFunctions(ZpUserFunctions* functions);

// The library's messages go to the standard output; returns length.
int ZipPrintCallback(char* text, unsigned long length);
// Asked for an archive comment: gives an empty one; returns 1.
int ZipCommentCallback(char* buffer);
// Asked for a password: gives none (the archives are not encrypted); returns 1.
int ZipPasswordCallback(char* buffer, int size, const char* prompt, const char* name);
