#include "tests/support/RunLogCheck.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TempWorkingFolder.h"
#include "tests/support/TestSupport.h"
#include "tests/writers/XmlCheck.h"

#include "model/ZnModelDesigner.h"
#include "platform/files/WinPath.h"
#include "platform/files/WinStdio.h"
#include "writers/XmlPieceWriters.h"
#include "writers/ZnAppDocFDOut00.h"
#include "writers/ZnWrittenFiles.h"

#include <sys/stat.h>

using testsupport::Hex;
using testsupport::ReadFileBytes;
using testsupport::ReadHexFixture;
using testsupport::TempFolder;

namespace {

// The bytes of an expected file under tests/data/writers.
std::string Expected(const std::string& name) { return ReadFileBytes(testsupport::DataPath("writers/" + name)); }

// A folder for output files, named by Windows paths as the writers name them.
class XmlOutput : public ::testing::Test {
protected:
    // The Windows path of the folder, or of a CP932 path below it.
    CString WinRoot() const { return LinuxPathToWin(m_folder.Path()).c_str(); }
    CString WinPath(LPCTSTR relative) const { return WinRoot() + "\\" + relative; }
    std::string Written(LPCTSTR relative) const { return ReadFileBytes(WinPathToLinux(WinPath(relative))); }

    TempFolder m_folder;
};

} // namespace

TEST(ToUtf8, ConvertsTheCharactersThatCodePagesDisagreeOn)
{
    std::string cp932 = ReadHexFixture("writers/hard_characters_cp932.hex");
    EXPECT_EQ(Hex(ReadHexFixture("writers/hard_characters_utf8.hex")),
              Hex(ZnAppDocFDOut00::ToUtf8(CString(cp932)).Bytes()));
    EXPECT_EQ(CString(), ZnAppDocFDOut00::ToUtf8(""));
}

TEST_F(XmlOutput, PiecesMakeUtf8LinesWithCrLfValuesEscapedLiteralsAsTheyStand)
{
    FILE* file = WinFopen(WinPath("pieces.xml"), "w");
    ASSERT_TRUE(file);
    // A leaf element: the indented start tag and the end tag as literals, the value between.
    auto leaf = [file](const char* tag, const CString& value) {
        WriteXmlLiteral(file, CString("\t\t<") + tag + ">");
        WriteXmlValue(file, value);
        WriteXmlLiteral(file, CString("</") + tag + ">\n");
    };
    auto number = [](const char* format, double value) {
        CString text;
        text.Format(format, value);
        return ZnAppDocFDOut00::BlankZeroText(text);
    };
    WriteXmlLiteral(file, "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n");
    WriteXmlLiteral(file, "<申請書データ>\n");
    WriteXmlLiteral(file, "\t<管理情報>\n");
    WriteXmlLiteral(file, "\t\t<バージョン>1.1</バージョン>\n");
    leaf("空", "");
    leaf("記号", "x&y<z>");
    leaf("実体", "&lt;");
    leaf("引用", "\"A\" 'B'");
    leaf("割合", "100% %d %s");
    leaf("二バイト", "\x83\x5C\x95\x5C\x94\x5C\\\x81\x60\x87\x40\x87\x8A"); // ソ表能\～①㈱
    // A lead byte before a byte that cannot follow it is one character of no code, one U+FFFD;
    // the byte after it stands on its own and is escaped.
    leaf("孤立", "\x81<\x81&\x81\"x\x81");
    WriteXmlLiteral(file, "\t\t<固定>A&B<C></固定>\n");
    WriteXmlLiteral(file, "\t</管理情報>\n");
    // Numbers round half away from zero on their exact value, as the Windows runtime does.
    WriteXmlLiteral(file, "\t<数値>\n");
    leaf("高さ", number("%.0f", 0.5));
    leaf("高さ", number("%.0f", 1.5));
    leaf("高さ", number("%.0f", 2.5));
    leaf("面積", number("%.2f", 0.125));
    leaf("面積", number("%.2f", 0.001));
    leaf("面積", number("%.2f", -0.125));
    WriteXmlLiteral(file, "\t</数値>\n");
    WriteXmlLiteral(file, "</申請書データ>\n");
    fclose(file);

    EXPECT_EQ(Hex(Expected("xml_pieces.xml")), Hex(Written("pieces.xml")));
}

// The management file of the sample documents is pinned through the export's archive
// (PropertyExportEndToEndTest); here one without a date, and one that cannot be opened.
TEST_F(XmlOutput, ManagementInfoFileWithoutADateOrThatCannotBeOpened)
{
    EXPECT_EQ(ZnWriteOutcome::written, ZnAppDocFDOut00::WriteManagementInfoXml(WinPath("second.xml"), 52, 0, ""));
    EXPECT_EQ(Hex(Expected("management_info_no_date.xml")), Hex(Written("second.xml")));

    RecordingUi ui;
    EXPECT_EQ(ZnWriteOutcome::told,
              ZnAppDocFDOut00::WriteManagementInfoXml(WinPath("missing\\申請書管理情報.xml"), 1, 1, "20100903"));
    ASSERT_EQ(1u, ui.messageBoxes.size());
    EXPECT_EQ(CString("申請書管理情報ファイルのオープンに失敗しました。"), ui.messageBoxes[0].text);
    EXPECT_EQ(UINT(MB_ICONSTOP | MB_OK), ui.messageBoxes[0].type & (MB_ICONMASK | MB_TYPEMASK));
    EXPECT_EQ("", Written("missing"));
}

TEST_F(XmlOutput, SupervisorFileIsShiftJisWithTheSupervisorOrWithout)
{
    ASSERT_EQ(0, mkdir(m_folder.Path("Keikaku").c_str(), 0755));
    EXPECT_EQ(ZnWriteOutcome::written, ZnAppDocFDOut00::WriteSupervisorXml(WinRoot(), nullptr));
    EXPECT_EQ(Hex(ReadHexFixture("writers/supervisor_none.hex")), Hex(Written("Keikaku\\~002.xml")));

    ZnModelDesigner supervisor;
    supervisor.m_architectName.m_name = "山田&太郎";
    supervisor.m_office.m_name.m_name = "表'設計";
    supervisor.m_office.m_address.m_postalCode1 = "100";
    supervisor.m_office.m_address.m_postalCode2 = "0001";
    supervisor.m_office.m_address.m_address = "東京都<千代田区>100%";
    supervisor.m_office.m_telephone.m_firstPart = "03";
    supervisor.m_office.m_telephone.m_secondPart = "1234";
    supervisor.m_office.m_telephone.m_thirdPart = "5678";
    EXPECT_EQ(ZnWriteOutcome::written, ZnAppDocFDOut00::WriteSupervisorXml(WinRoot(), &supervisor));
    EXPECT_EQ(Hex(ReadHexFixture("writers/supervisor_full.hex")), Hex(Written("Keikaku\\~002.xml")));
}

TEST_F(XmlOutput, SupervisorFileWithoutItsFolderIsReportedAndNotWritten)
{
    RecordingUi ui;
    EXPECT_EQ(ZnWriteOutcome::told, ZnAppDocFDOut00::WriteSupervisorXml(WinRoot(), nullptr));
    ASSERT_EQ(1u, ui.messageBoxes.size());
    EXPECT_EQ(CString("様式ファイルのオープン(~002.xml)に失敗しました。"), ui.messageBoxes[0].text);
    EXPECT_EQ(UINT(MB_ICONSTOP), ui.messageBoxes[0].type & MB_ICONMASK);
}

// Characters that XML cannot hold leave every value; the run log names each file that lost any
// once, however many parts it was written in, and again after the log was deleted.
TEST(XmlValues, ControlCharactersAreDroppedAndTheFileLoggedOnce)
{
    testsupport::TempWorkingFolder folders;
    auto write = [](LPCTSTR path, LPCTSTR mode, const std::string& value) {
        FILE* file = WinFopen(path, mode);
        ASSERT_TRUE(file);
        WriteXmlValue(file, CString(value));
        EXPECT_EQ(ZnWriteOutcome::written, ZnWrittenFiles::CloseWrittenFile(file, path));
    };
    ZnAppDocFDOut00::DeleteLog();
    write("C:\\表.xml", "w", std::string("a\001b\0c\td\ne\x1F\x7F<", 12));
    write("C:\\表.xml", "a", "\x02");
    write("C:\\other.xml", "w", "\t\n");
    write("C:\\孤立.xml", "w", "\x81\x02"); // a lead byte before a control character
    EXPECT_EQ("abc\td\r\ne\x7F&lt;", ReadFileBytes(folders.DriveC().Path(u8"表.xml")));
    EXPECT_EQ("\t\r\n", ReadFileBytes(folders.DriveC().Path("other.xml")));
    EXPECT_EQ("\xEF\xBF\xBD", ReadFileBytes(folders.DriveC().Path(u8"孤立.xml")));
    auto logged = [](const std::string& path) {
        return " [WARN ] ZnAppDocFDOut00.cpp#CloseWrittenFile() - ファイル【" + path +
               "】に出力できない制御文字があったため、取り除いて出力しました。";
    };
    testsupport::ExpectLogLines(ReadFileBytes(folders.Work().Path("ravuRivo.log")),
                                {logged("C:\\表.xml"), logged("C:\\孤立.xml")});

    ZnAppDocFDOut00::DeleteLog();
    write("C:\\表.xml", "w", "\x01");
    testsupport::ExpectLogLines(ReadFileBytes(folders.Work().Path("ravuRivo.log")), {logged("C:\\表.xml")});
}

// Whatever bytes the values hold, the file is well-formed: every byte after every byte.
TEST(XmlValues, AnyBytesMakeAWellFormedFile)
{
    testsupport::TempWorkingFolder folders;
    FILE* file = WinFopen("C:\\any.xml", "w");
    ASSERT_TRUE(file);
    WriteXmlLiteral(file, "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<値>\n");
    for (int first = 0; first < 256; ++first) {
        std::string value;
        for (int second = 0; second < 256; ++second)
            value += {static_cast<char>(first), static_cast<char>(second)};
        WriteXmlLiteral(file, "\t<v>");
        WriteXmlValue(file, CString(value + static_cast<char>(first)));
        WriteXmlLiteral(file, "</v>\n");
    }
    WriteXmlLiteral(file, "</値>\n");
    ASSERT_EQ(ZnWriteOutcome::written, ZnWrittenFiles::CloseWrittenFile(file, "C:\\any.xml"));
    EXPECT_TRUE(xmlcheck::IsWellFormed(ReadFileBytes(folders.DriveC().Path("any.xml"))));
}
