// The 申請書データ.xml writers over the stored documents of tests/data/writers/documents.txt, and
// the writes they refuse (tests/data/writers/refusals.txt).
#include "tests/support/TabbedCases.h"
#include "tests/support/TestSupport.h"
#include "tests/writers/WriterTestSupport.h"
#include "tests/writers/XmlCheck.h"

#include <sstream>

using namespace writertest;
using testsupport::Hex;

// Each document written (whole files twice into the same file) byte for byte and well-formed (the
// faces, which add to their file, as a fragment).
TEST(StoredDocuments, EachIsWrittenByItsWriterByteForByte)
{
    auto cases = testsupport::ReadTabbedCases("writers/documents.txt");
    ASSERT_EQ(17u, cases.size());
    for (const auto& row : cases) {
        SCOPED_TRACE(row.at(0));
        WriterShell shell;
        OutputFolder output;
        shell.Install(row.at(0).Bytes());
        bool faces = row.at(7).Left(5) == "faces";
        for (int run = faces ? 1 : 0; run < 2; ++run) {
            EXPECT_EQ(ZnWriteOutcome::written, Write(row.at(7).Bytes(), output.WinPath("申請書データ.xml")));
            std::string written = output.Written("申請書データ.xml");
            EXPECT_EQ(Hex(Expected(row.at(8).Bytes())), Hex(written));
            EXPECT_TRUE(faces ? xmlcheck::IsWellFormedFragment(written) : xmlcheck::IsWellFormed(written));
        }
    }
}

TEST(StoredDocuments, RefusedWritesShowOneStopMessageAndWriteNothing)
{
    auto cases = testsupport::ReadTabbedCases("writers/refusals.txt");
    ASSERT_EQ(35u, cases.size());
    for (const auto& row : cases) {
        SCOPED_TRACE(row.at(0) + " " + row.at(1) + " " + row.at(2));
        WriterShell shell;
        OutputFolder output;
        if (!row.at(1).IsEmpty())
            shell.Install(row.at(1).Bytes());
        CString file = "申請書データ.xml";
        std::istringstream changes(row.at(2).Bytes());
        for (std::string change; changes >> change;) {
            std::string key = change.substr(0, change.find('=')), value = change.substr(key.size() + 1);
            value = value == "-" ? "" : value;
            if (key == "file")
                file = "missing\\" + file;
            else if (key == "type")
                shell.docType = std::stoi(value);
            else
                shell.Put(key == "root"   ? ZnShellState::appModelSlot
                          : key == "form" ? ZnShellState::formModelSlot
                                          : ZnShellState::subFormModelSlot,
                          value);
        }
        RecordingUi ui;
        ZnWriteOutcome outcome = Write(row.at(0).Bytes(), output.WinPath(file));
        // The lists are written to an open stream, which tells nothing of them.
        bool list = row.at(0).Left(7) == "entries" || row.at(0).Left(4) == "lift";
        EXPECT_EQ(list ? ZnWriteOutcome::written : ZnWriteOutcome::told, outcome);
        CString message = row.at(3);
        message.Replace("{path}", output.WinPath(file));
        ASSERT_EQ(message.IsEmpty() ? 0u : 1u, ui.messageBoxes.size());
        for (const MessageBoxRequest& box : ui.messageBoxes) {
            EXPECT_EQ(message, box.text);
            EXPECT_EQ(UINT(MB_ICONSTOP), box.type & (MB_ICONMASK | MB_TYPEMASK));
        }
        EXPECT_EQ("", output.Written("申請書データ.xml"));
        EXPECT_EQ("", output.Written("missing"));
    }
}
