// The text of an XML file built in memory and written whole: its elements, line ends and values,
// the same bytes as its pieces written one by one, and a file that cannot be written whole.
#include "tests/support/RunLogCheck.h"
#include "tests/support/TempWorkingFolder.h"
#include "tests/support/TestSupport.h"
#include "tests/writers/ZipTestSupport.h"

#include "platform/files/WinStdio.h"
#include "writers/XmlPieceWriters.h"
#include "writers/XmlText.h"
#include "writers/ZnAppDocFDOut00.h"
#include "writers/ZnWrittenFiles.h"

#include <algorithm>
#include <unistd.h>

using testsupport::ReadFileBytes;

namespace {

// Elements with values that keep their line feeds, lose control characters, and hold lead bytes
// that start no pair: before a line feed, or cut off before an end tag or the next value.
XmlText Sample(XmlText::LineEnds lineEnds)
{
    XmlText xml(lineEnds);
    xml.Literal("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n");
    xml.OpenTag(0, "表");
    xml.Leaf(1, "行", "a\nb\r\nc");
    xml.Leaf(2, "対", "x\x81\ny");
    xml.Leaf(2, "端", "z\x81");
    xml.Leaf(2, "欠", "\x81\001A"); // the lead byte must not pair with "A" once "\001" is dropped
    xml.StartLeaf(1, "日");
    for (const char* part : {"2010", "\00104", "<&>", "\x81", "\x81", "A", "\n"})
        xml.Value(part);
    xml.EndLeaf("日");
    xml.Leaf(1, "空", "");
    xml.CloseTag(0, "表");
    return xml;
}

// Where two files first differ, with the bytes there, for a failure message shorter than the files.
std::string FirstDifference(const std::string& expected, const std::string& actual)
{
    auto at = std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end()).first - expected.begin();
    if (static_cast<size_t>(at) == expected.size() && expected.size() == actual.size())
        return std::string();
    return "at " + std::to_string(at) + ": " + testsupport::Hex(expected.substr(at, 16)) + " / " +
           testsupport::Hex(actual.substr(at, 16));
}

} // namespace

TEST(XmlText, ElementsAndValuesWithTheLineEndsOfAFileOrOfATextStream)
{
    XmlText file = Sample(XmlText::CrLf);
    EXPECT_EQ(
        u8"<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<表>\r\n"
        u8"\t<行>a\r\nb\r\r\nc</行>\r\n\t\t<対>x\uFFFD\r\ny</対>\r\n\t\t<端>z\uFFFD</端>\r\n\t\t<欠>\uFFFDA</欠>\r\n"
        u8"\t<日>201004&lt;&amp;&gt;\uFFFD\uFFFDA\r\n</日>\r\n\t<空></空>\r\n</表>\r\n",
        file.Utf8());
    EXPECT_TRUE(file.LostChars());
    EXPECT_EQ(u8"<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<表>\n"
              u8"\t<行>a\nb\r\nc</行>\n\t\t<対>x\uFFFD\ny</対>\n\t\t<端>z\uFFFD</端>\n\t\t<欠>\uFFFDA</欠>\n"
              u8"\t<日>201004&lt;&amp;&gt;\uFFFD\uFFFDA\n</日>\n\t<空></空>\n</表>\n",
              Sample(XmlText::Lf).Utf8());
    EXPECT_FALSE(XmlText().LostChars());
}

// Whatever bytes the values hold, the file written whole is the file written piece by piece
// through a stream in text mode: every byte after every byte, and a lead byte at a value's end.
TEST(XmlText, AnyBytesWrittenWholeGiveTheBytesOfThePiecesWrittenOneByOne)
{
    testsupport::TempWorkingFolder folders;
    XmlText whole;
    FILE* pieces = WinFopen("C:\\pieces.xml", "w");
    ASSERT_TRUE(pieces);
    for (int first = 0; first < 256; ++first) {
        std::string value;
        for (int second = 0; second < 256; ++second)
            value += {static_cast<char>(first), static_cast<char>(second)};
        CString start = CString("\t<v") + static_cast<char>(first) + ">";
        whole.Literal(start);
        whole.Value(CString(value + static_cast<char>(first)));
        whole.Literal("</v>\n");
        WriteXmlLiteral(pieces, start);
        WriteXmlValue(pieces, CString(value + static_cast<char>(first)));
        WriteXmlLiteral(pieces, "</v>\n");
    }
    ASSERT_EQ(ZnWriteOutcome::written, ZnWrittenFiles::CloseWrittenFile(pieces, "C:\\pieces.xml"));
    FILE* file = ZnWrittenFiles::OpenWholeFile("C:\\whole.xml");
    ASSERT_TRUE(file);
    ASSERT_EQ(ZnWriteOutcome::written, ZnWrittenFiles::WriteWholeFile(file, whole, "C:\\whole.xml"));
    EXPECT_EQ("", FirstDifference(ReadFileBytes(folders.DriveC().Path("pieces.xml")),
                                  ReadFileBytes(folders.DriveC().Path("whole.xml"))));
}

// A file cut off by a full disk is removed and said to be cut off; one written whole whose values
// lost characters is named in the run log once.
TEST(XmlText, AFileThatCannotBeWrittenWholeIsRemovedAndSaidToBeCutOff)
{
    testsupport::TempWorkingFolder folders;
    ZnAppDocFDOut00::DeleteLog();
    XmlText xml;
    for (int i = 0; i < 100; ++i)
        xml.Leaf(1, "値", "\0010123456789");
    {
        ziptest::FileSizeLimit limit(1000);
        FILE* file = ZnWrittenFiles::OpenWholeFile("C:\\full.xml");
        ASSERT_TRUE(file);
        EXPECT_EQ(ZnWriteOutcome::cutOff, ZnWrittenFiles::WriteWholeFile(file, xml, "C:\\full.xml"));
    }
    EXPECT_NE(0, access(folders.DriveC().Path("full.xml").c_str(), F_OK));
    EXPECT_NE(0, access(folders.Work().Path("ravuRivo.log").c_str(), F_OK));

    for (bool append : {false, true}) {
        FILE* file = ZnWrittenFiles::OpenWholeFile("C:\\whole.xml", append);
        ASSERT_TRUE(file);
        EXPECT_EQ(ZnWriteOutcome::written, ZnWrittenFiles::WriteWholeFile(file, xml, "C:\\whole.xml"));
    }
    EXPECT_EQ(xml.Utf8() + xml.Utf8(), ReadFileBytes(folders.DriveC().Path("whole.xml")));
    testsupport::ExpectLogLines(
        ReadFileBytes(folders.Work().Path("ravuRivo.log")),
        {" [WARN ] ZnAppDocFDOut00.cpp#CloseWrittenFile() - ファイル【C:\\whole.xml】に出力できない"
         "制御文字があったため、取り除いて出力しました。"});
}
