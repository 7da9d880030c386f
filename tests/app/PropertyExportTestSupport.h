// The migration button from end to end over the sample data set: the fixture that presses it and
// reads the archives and run log it leaves, and the lines the tests expect in them.
#pragma once

#include "tests/support/ShellTestSupport.h"
#include "tests/writers/ZipTestSupport.h"

#include "app/ZnDlgAppSelectObjDialog.h"
#include "platform/core/Cp932.h"
#include "platform/wnd/Afxwin.h"
#include "res/MainFrameIds.h"

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace exporttest {

using testsupport::ReadFileBytes;
using ziptest::FileSizeLimit;
using ziptest::FolderNames;
using ziptest::Snapshot;

const char kFinished[] = u8"移行データ作成が終わりました。";
const char kFinishedWithFailures[] = u8"移行データ作成が終わりましたが、出力できなかったデータがあります。";

// An export file of tests/data/app as the archive holds it (LF line ends), with {0}, {1}... filled in.
std::string Filled(const std::string& name, const std::vector<std::string>& values);

// A text as written to a file in text mode: each "\n" as CR LF.
std::string Crlf(const std::string& text);

// The run log's lines without their time: "[level] source#function - message".
std::vector<std::string> LogLines(const std::string& path);

std::string PropertyLine(int index, const std::string& name);
std::string SameNameLine(const std::string& property, const std::string& folder);
std::string DocumentLine(const std::string& folder);
std::string ErrorLine(const std::string& function, const std::string& message);
std::string DocumentError(const std::string& folder);

class PropertyExport : public ShellTest {
protected:
    // Each text that the migration dialog's progress line showed at once.
    std::vector<CString> ProgressShown(size_t updates = SIZE_MAX) const
    {
        std::vector<CString> texts;
        for (size_t i = 0; i < std::min(updates, m_ui.updates.size()); ++i)
            if (m_ui.updates[i].first == IDC_SO_PROGRESS)
                texts.push_back(m_ui.updates[i].second);
        return texts;
    }

    // What the progress line showed as each message box showed.
    std::vector<CString> ProgressAtMessageBoxes() const
    {
        std::vector<CString> texts;
        for (size_t updates : m_ui.updatesBeforeMessageBox) {
            std::vector<CString> shown = ProgressShown(updates);
            texts.push_back(shown.empty() ? CString() : shown.back());
        }
        return texts;
    }

    PropertyExport()
    {
        MakeExportableSampleDataSet(m_data.Path("sample"));
    }

    // Starts the program on the sample folders, presses the migration button with that many
    // message boxes answered, closes the dialog and expects the sources unchanged. With
    // fileSizeLimit, no file can grow past that many bytes from the press of the button on.
    void RunExport(int messageBoxes = 1, const std::string& destination = "sample/export", rlim_t fileSizeLimit = 0)
    {
        auto sources = Snapshot(m_data.Path("sample/bukken")), common = Snapshot(m_data.Path("sample/common"));
        StoreFolders(Data("sample/codes"), Data("sample/common"), Data("sample/bukken"), Data(destination), nullptr);
        m_before = ziptest::Stamp(std::time(nullptr));
        Start([&](CDialog& dialog) {
            CWnd* button = dialog.GetDlgItem(IDC_SO_BTN_IKOU);
            ASSERT_NE(nullptr, button);
            for (int i = 0; i < messageBoxes; ++i)
                m_ui.AnswerMessageBox(IDOK);
            std::optional<FileSizeLimit> limit;
            if (fileSizeLimit)
                limit.emplace(fileSizeLimit);
            dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SO_BTN_IKOU, BN_CLICKED),
                               reinterpret_cast<LPARAM>(button->m_hWnd));
            dialog.EndDialog(IDCANCEL);
        });
        EXPECT_EQ(sources, Snapshot(m_data.Path("sample/bukken")));
        EXPECT_EQ(common, Snapshot(m_data.Path("sample/common")));
    }

    // The entries of the one archive in the destination whose name starts with word + "_".
    std::map<std::string, std::string> Archive(const std::string& word)
    {
        std::string after = ziptest::Stamp(std::time(nullptr));
        for (const std::string& name : FolderNames(m_data.Path("sample/export")))
            if (name.compare(0, word.size() + 1, word + "_") == 0) {
                std::string stamp = name.substr(word.size() + 1, 14);
                EXPECT_EQ(word + "_" + stamp + ".zip", name);
                EXPECT_LE(m_before, stamp);
                EXPECT_GE(after, stamp);
                std::map<std::string, std::string> entries; // by UTF-8 name
                for (const auto& entry : ziptest::ArchiveEntries(m_data.Path("sample/export/" + name)))
                    entries[cp932::ToUtf8(entry.first)] = entry.second;
                return entries;
            }
        ADD_FAILURE() << "no archive " << word;
        return {};
    }

    // Outside the program's drive C, as the zip library, which keeps no drive table, needs.
    CString Data(const std::string& relative) const { return CString(LinuxPathToWin(m_data.Path(relative))); }

    // The last lines of the run log.
    std::vector<std::string> LogTail(size_t count) const
    {
        std::vector<std::string> log = LogLines(m_folder.Path("ravuRivo.log"));
        EXPECT_LE(count, log.size());
        return std::vector<std::string>(log.end() - std::min(count, log.size()), log.end());
    }

    testsupport::TempFolder m_data;
    std::string m_before;
};

} // namespace exporttest
