// Shared by the floppy-output tests: a writer shell whose current property "表参道" (its first
// character ends in the byte 5C) has a folder in a property register of its own, an output root,
// and message boxes answered by script, so that any message a test does not expect fails it.
#pragma once

#include "tests/writers/WriterTestSupport.h"
#include "tests/writers/ZipTestSupport.h"

#include "platform/files/WinPath.h"

#include <sys/stat.h>
#include <utility>
#include <vector>

namespace floppytest {

using testsupport::TempFolder;
// Each message box shown: its text and its buttons and icon.
using Messages_t = std::vector<std::pair<CString, UINT>>;

inline CString WinPath(const std::string& linuxPath) { return LinuxPathToWin(linuxPath).c_str(); }

class FloppyTest : public ::testing::Test {
protected:
    FloppyTest()
    {
        mkdir(PropertyPath().c_str(), 0777);
        shell_.objFolder = WinPath(register_.Path());
        shell_.bukkenName = "表参道";
    }

    CString Root() const { return WinPath(root_.Path()); }
    std::string RootPath(const std::string& relative = "") const
    {
        return relative.empty() ? root_.Path() : root_.Path(relative);
    }
    std::string PropertyPath(const std::string& relative = "") const
    {
        return register_.Path(u8"表参道") + (relative.empty() ? "" : "/" + relative);
    }
    // The stored bytes of the active document's first three slot objects ("" for an empty slot).
    std::vector<std::string> StoredSlots()
    {
        std::vector<std::string> slots;
        for (int slot = 0; slot < 3; ++slot) {
            ZnModel* model = shell_.GetModel(slot);
            slots.push_back(model ? testsupport::StoreToBytes([&](CArchive& ar) { model->Serialize(ar); }) : "");
        }
        return slots;
    }
    // The message boxes shown so far, and forgets them.
    Messages_t TakeMessages()
    {
        Messages_t messages;
        for (const MessageBoxRequest& box : ui_.messageBoxes)
            messages.emplace_back(box.text, box.type & (MB_TYPEMASK | MB_ICONMASK));
        ui_.messageBoxes.clear();
        return messages;
    }

    ScriptedUi ui_;
    writertest::WriterShell shell_;
    TempFolder root_, register_;
};

} // namespace floppytest
