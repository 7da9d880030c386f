// What the reference-data export leaves behind when its packing fails, around sections of the
// test's own. A destination that cannot be written or that fills up: PropertyExportEndToEndTest.
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

// An export whose sections are one 屋根 entry.
class OneSectionExport : public ZnMigrationExport {
public:
    using ZnMigrationExport::ZnMigrationExport;

protected:
    void WriteCommonDataSections(const CString& comFolder, FILE* file) override
    {
        WriteXmlLiteral(file, "\t<屋根>\n");
        WriteXmlLiteral(file, "\t\t<屋根>");
        WriteXmlValue(file, "瓦");
        WriteXmlLiteral(file, "</屋根>\n");
        WriteXmlLiteral(file, "\t</屋根>\n");
    }
};

using CommonDataExportTest = MigrationExportTest;

} // namespace

// The packing was released by an earlier failure: its message is shown and the folder stays
// with its files as written.
TEST_F(CommonDataExportTest, AFailedPackingLeavesTheFolderWholeAndTheRunFailed)
{
    std::string before = Stamp(std::time(nullptr));
    OneSectionExport exporter(Destination());
    EXPECT_FALSE(exporter.ExportCommonData("C:\\共通"));

    EXPECT_EQ((Messages_t{{"ZipInitでエラー発生。", MB_OK}}), Messages());
    std::vector<std::string> names = FolderNames(DestinationPath());
    ASSERT_EQ(1u, names.size());
    EXPECT_TRUE(IsStampedName(names[0], kCommonDataFolder, "", before, Stamp(std::time(nullptr)))) << names[0];
    const std::string& folder = names[0];
    EXPECT_EQ((std::vector<std::string>{kMarker, kXmlFile}), FolderNames(DestinationPath(folder)));
    EXPECT_EQ("", ziptest::ReadBytes(DestinationPath(folder + "/" + kMarker)));
    EXPECT_EQ(Hex(ReadHexFixture("app/common_data_one_section_crlf.hex")),
              Hex(ziptest::ReadBytes(DestinationPath(folder + "/" + kXmlFile))));
    EXPECT_TRUE(exporter.HasFailed());
}
