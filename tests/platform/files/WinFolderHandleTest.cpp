#include "platform/files/WinFolderHandle.h"
#include "platform/core/WinError.h"
#include "platform/files/WinFileApi.h"
#include "platform/files/WinPath.h"
#include "platform/files/WinStdio.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestSupport.h"

#include <cstdio>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

using testsupport::TempFolder;

namespace {

CString WinPath(const std::string& linuxPath) { return LinuxPathToWin(linuxPath).c_str(); }

bool WriteFile(const CString& windowsPath, const char* text)
{
    FILE* file = WinFopen(windowsPath, "wb");
    if (!file)
        return false;
    std::fputs(text, file);
    return std::fclose(file) == 0;
}

bool Exists(const std::string& linuxPath)
{
    struct stat info;
    return lstat(linuxPath.c_str(), &info) == 0;
}

} // namespace

// Paths below a held folder reach the folder that was opened, in any case of their letters, after
// its name has gone and a link to another folder has taken it; a folder made in it is held in its
// turn. Once let go, the paths go by the names again.
TEST(WinFolderHandle, PathsBelowAHeldFolderGoThroughItsHandle)
{
    TempFolder work, outside;
    ASSERT_EQ(0, mkdir(work.Path(u8"出力").c_str(), 0777));
    WinFolderHandle folder, made;
    ASSERT_TRUE(folder.Open(WinPath(work.Path(u8"出力")) + "\\"));
    ASSERT_TRUE(made.Create(folder, "物件A"));
    EXPECT_EQ(WinPath(work.Path(u8"出力/物件A")), made.GetPath());

    ASSERT_EQ(0, rename(work.Path(u8"出力").c_str(), work.Path("moved").c_str()));
    ASSERT_EQ(0, symlink(outside.Path().c_str(), work.Path(u8"出力").c_str()));
    EXPECT_TRUE(WriteFile(folder.GetPath() + "\\a.xml", "a"));
    EXPECT_TRUE(WriteFile(made.GetPath() + "\\B.XML", "b"));
    EXPECT_TRUE(WriteFile(WinPath(work.Path(u8"出力/物件a/c.xml")), "c"));
    EXPECT_TRUE(DeleteFile(folder.GetPath() + "\\A.xml"));
    EXPECT_TRUE(Exists(work.Path(u8"moved/物件A/B.XML")));
    EXPECT_TRUE(Exists(work.Path(u8"moved/物件A/c.xml")));
    EXPECT_FALSE(Exists(work.Path("moved/a.xml")));
    EXPECT_TRUE(folder.Holds("物件a"));
    EXPECT_FALSE(folder.Holds("物件B"));

    // Through the handle for a module with its own mapping of paths.
    std::string handlePath = WinPathToLinux(made.GetHandlePath());
    EXPECT_TRUE(Exists(handlePath + "/B.XML"));

    made.Close();
    folder.Close();
    EXPECT_TRUE(WriteFile(WinPath(work.Path(u8"出力/d.xml")), "d"));
    EXPECT_TRUE(Exists(outside.Path("d.xml")));
}

// A name that anything holds is not made, and a link is never followed: not when a folder is
// made, nor when one is removed.
TEST(WinFolderHandle, MakingAndRemovingNeverFollowALink)
{
    TempFolder work, outside;
    ASSERT_EQ(0, mkdir(outside.Path("target").c_str(), 0777));
    ASSERT_EQ(0, symlink(outside.Path("target").c_str(), work.Path("link").c_str()));
    ASSERT_EQ(0, symlink(outside.Path("missing").c_str(), work.Path("dangling").c_str()));
    ASSERT_EQ(0, mkdir(work.Path("folder").c_str(), 0777));
    WinFolderHandle parent, made;
    ASSERT_TRUE(parent.Open(WinPath(work.Path())));
    for (const char* name : {"link", "dangling", "folder"}) {
        EXPECT_FALSE(made.Create(parent, name)) << name;
        EXPECT_EQ(DWORD(ERROR_ALREADY_EXISTS), GetLastError()) << name;
    }
    EXPECT_FALSE(made.IsOpen());
    EXPECT_FALSE(Exists(outside.Path("missing")));
    EXPECT_FALSE(parent.RemoveFolder("link"));
    EXPECT_TRUE(Exists(outside.Path("target")));
    EXPECT_TRUE(Exists(work.Path("link")));
    EXPECT_TRUE(parent.RemoveFolder("folder"));
    EXPECT_FALSE(Exists(work.Path("folder")));
    EXPECT_FALSE(parent.RemoveFolder("folder"));
    EXPECT_EQ(DWORD(ERROR_FILE_NOT_FOUND), GetLastError());
}

// Files are deleted by their own names in the folder: a name such as "..\c" is one file of the
// folder, never the file c beside it, and a link goes without what it points at. A sub-folder
// stops the deletion.
TEST(WinFolderHandle, DeletesTheFilesOfTheFolderByTheirOwnNames)
{
    TempFolder work, outside;
    ASSERT_EQ(0, mkdir(work.Path("media").c_str(), 0777));
    for (const char* name : {"c", "media/a", "media/..\\c", "media/..\\..\\victim"})
        ASSERT_TRUE(WriteFile(WinPath(work.Path()) + "\\" + name, name)) << name;
    ASSERT_TRUE(WriteFile(WinPath(outside.Path("kept")), "kept"));
    ASSERT_EQ(0, symlink(outside.Path("kept").c_str(), work.Path("media/link").c_str()));
    WinFolderHandle media;
    ASSERT_TRUE(media.Open(WinPath(work.Path("media"))));
    EXPECT_TRUE(media.DeleteFiles());
    EXPECT_TRUE(std::filesystem::is_empty(work.Path("media")));
    EXPECT_TRUE(Exists(work.Path("c")));
    EXPECT_TRUE(Exists(outside.Path("kept")));

    ASSERT_EQ(0, mkdir(work.Path("media/sub").c_str(), 0777));
    EXPECT_FALSE(media.DeleteFiles());
    EXPECT_EQ(DWORD(ERROR_ACCESS_DENIED), GetLastError());
    EXPECT_TRUE(Exists(work.Path("media/sub")));
}
