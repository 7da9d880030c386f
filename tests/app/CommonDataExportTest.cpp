// What the reference-data export leaves behind when its packing fails or its disk is full, around
// sections of the test's own. A destination that cannot be written: PropertyExportEndToEndTest.
#include "tests/app/MigrationExportTestSupport.h"

#include "writers/XmlPieceWriters.h"
#include "writers/zip/ZipPacking.h"

#include <ctime>

using namespace exporttest;
using testsupport::Hex;
using testsupport::ReadHexFixture;
using ziptest::Messages_t;
using ziptest::Snapshot;
using ziptest::Stamp;

namespace {

const char kCommonDataFolder[] = u8"共通データ";
const char kMarker[] = u8"Pellori_1_1_0_共通データ";
const char kXmlFile[] = u8"共通データ.xml";

// An export whose sections are one 屋根 entry, followed by far more text than a small disk holds
// when asked.
class OneSectionExport : public ZnMigrationExport {
public:
    using ZnMigrationExport::ZnMigrationExport;
    int paddingLines = 0;

protected:
    void WriteCommonDataSections(const CString& comFolder, FILE* file) override
    {
        WriteXmlLiteral(file, "\t<屋根>\n");
        WriteXmlLiteral(file, "\t\t<屋根>");
        WriteXmlValue(file, "瓦");
        WriteXmlLiteral(file, "</屋根>\n");
        WriteXmlLiteral(file, "\t</屋根>\n");
        for (int i = 0; i < paddingLines; ++i)
            WriteXmlValue(file, "0123456789012345678901234567890123456789\n");
    }
};

class CommonDataExportTest : public MigrationExportTest {
protected:
    // The one folder left in the destination, which must be the export folder of this run.
    std::string LeftFolder() const
    {
        std::vector<std::string> names = FolderNames(DestinationPath());
        EXPECT_EQ(1u, names.size());
        if (names.size() != 1)
            return "";
        EXPECT_TRUE(IsStampedName(names[0], kCommonDataFolder, "", before_, Stamp(std::time(nullptr)))) << names[0];
        return names[0];
    }

    std::string before_ = Stamp(std::time(nullptr));
};

} // namespace

// The packing was released by an earlier failure: its message is shown and the folder stays
// with its files as written.
TEST_F(CommonDataExportTest, AFailedPackingLeavesTheFolderWholeAndTheRunFailed)
{
    OneSectionExport exporter(Destination());
    EXPECT_FALSE(exporter.ExportCommonData("C:\\共通"));

    EXPECT_EQ((Messages_t{{"ZipInitでエラー発生。", MB_OK}}), Messages());
    std::string folder = LeftFolder();
    EXPECT_EQ((std::vector<std::string>{kMarker, kXmlFile}), FolderNames(DestinationPath(folder)));
    EXPECT_EQ("", ziptest::ReadBytes(DestinationPath(folder + "/" + kMarker)));
    EXPECT_EQ(Hex(ReadHexFixture("app/common_data_one_section_crlf.hex")),
              Hex(ziptest::ReadBytes(DestinationPath(folder + "/" + kXmlFile))));
    EXPECT_TRUE(exporter.HasFailed());
}

TEST_F(CommonDataExportTest, AFullDiskIsToldAndNothingIsPacked)
{
    LoadRealZipLibrary();
    OneSectionExport exporter(Destination());
    exporter.paddingLines = 1000;
    BOOL exported;
    {
        FileSizeLimit limit(8192);
        exported = exporter.ExportCommonData("C:\\共通");
    }

    EXPECT_FALSE(exported);
    EXPECT_EQ((Messages_t{{"ファイルの書き込み(共通データ.xml)に失敗しました。", MB_ICONSTOP}}), Messages());
    std::string folder = LeftFolder();
    EXPECT_EQ((std::vector<std::string>{kMarker}), FolderNames(DestinationPath(folder)));
    EXPECT_TRUE(exporter.HasFailed());
}
