// A building application read from an old floppy is whole: the building writer writes it as a
// data file that parses, with the values the floppy gave.
#include "tests/support/TestSupport.h"
#include "tests/writers/WriterTestSupport.h"
#include "tests/writers/XmlCheck.h"

#include "model/ZnModelAppBuildConf.h"
#include "readers/ZnOldFormReaderBuildConf.h"
#include "readers/ZnOldFormReaderBuildMod.h"

#include <memory>

namespace {

// What a reader of the class reads from the hand-made floppy of two buildings.
template <typename Reader> std::unique_ptr<ZnModelApp> ReadFloppy()
{
    Reader reader;
    reader.m_basePath = CString(testsupport::DataPath("readers/building").c_str()) + "\\";
    reader.m_formFolder = "Keikaku\\";
    reader.m_indexColumns[ZnOldFormReader::columnBuildings] = "2";
    reader.m_indexColumns[ZnOldFormReader::columnVersion] = "6.40";
    reader.m_appTypeCode = reader.IsKindOf(RUNTIME_CLASS(ZnOldFormReaderBuildMod)) ? "100301" : "100001";
    reader.m_rowNumbers.Add("R-101");
    return std::unique_ptr<ZnModelApp>(reader.Read());
}

// The data file that the building writer writes of the document, held in every slot that the
// writer reads.
std::string WrittenXml(const ZnModelApp& app)
{
    writertest::WriterShell shell;
    for (int slot : {ZnShellState::appModelSlot, ZnShellState::formModelSlot, ZnShellState::subFormModelSlot})
        shell.ReplaceModel(slot, app.Clone());
    writertest::OutputFolder folder;
    EXPECT_EQ(ZnWriteOutcome::written, writertest::Write("FDOut11", folder.WinPath("data.xml")));
    return folder.Written("data.xml");
}

} // namespace

TEST(ReadFloppyXml, BuildingDocumentsReadFromAFloppyAreWrittenWhole)
{
    std::unique_ptr<ZnModelApp> apps[] = {ReadFloppy<ZnOldFormReaderBuildConf>(),
                                          ReadFloppy<ZnOldFormReaderBuildMod>()};
    for (const std::unique_ptr<ZnModelApp>& app : apps) {
        ASSERT_TRUE(app);
        SCOPED_TRACE(app->GetRuntimeClass()->m_lpszClassName);
        std::string xml = WrittenXml(*app);
        EXPECT_TRUE(xmlcheck::IsWellFormed(xml));
        for (const char* value :
             {u8"ポ表ビル", u8"表山太郎", u8"ソ野次郎", u8"千代田区表町1-2", u8"事務所表", u8"施工二"})
            EXPECT_NE(std::string::npos, xml.find(value)) << value;
    }
}
