// Names on a floppy that are no regular file (a FIFO, a link to a device) and files longer than a
// floppy holds (sparse, or with a line past a floppy's size), in every place that reads a floppy:
// the readers with the import of an application floppy, its index, its map bitmaps, and the
// information file of number entry. Each is damage, refused at once with the message of its place
// and leaving the destination as it was; a link to a regular file and a linked floppy folder read
// as the files do. Each case runs in a child bounded in memory, time and file size, so that code
// that takes all the machine's memory or disk, or waits for ever, fails instead.
#include "tests/fdimport/FloppyImportRunsSupport.h"
#include "tests/readers/BoundedChild.h"

#include "fdimport/ZnUketukeFile.h"
#include "readers/ZnOldBukkenFolderLoader.h"
#include "readers/ZnOldBukkenReaderList.h"
#include "readers/ZnOldFloppyCount.h"
#include "readers/ZnOldFormReader.h"

#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

using namespace importtest;

namespace {

enum Expected { reads, notOpened, tooLong };

// Puts a kind of name in place of the file at path of the floppy folder.
using Apply = void (*)(const std::string& floppy, const std::string& path);

const struct {
    const char* name;
    Expected expected;
    Apply apply;
} kinds[] = {
    {"FIFO", notOpened,
     [](const std::string&, const std::string& path) {
         std::filesystem::remove(path);
         ASSERT_EQ(0, mkfifo(path.c_str(), 0600));
     }},
    {"link to /dev/zero", notOpened,
     [](const std::string&, const std::string& path) {
         std::filesystem::remove(path);
         std::filesystem::create_symlink("/dev/zero", path);
     }},
    {"sparse 3 GB file", tooLong,
     [](const std::string&, const std::string& path) { ASSERT_EQ(0, truncate(path.c_str(), 3LL << 30)); }},
    {"line past a floppy", tooLong,
     [](const std::string&, const std::string& path) {
         std::ofstream(path, std::ios::app | std::ios::binary)
             << "/*" + std::string(ZnOldFloppyCount::floppyBytes, 'x') + "\r\n";
     }},
    {"link to a regular file", reads,
     [](const std::string& floppy, const std::string& path) {
         const std::string target = floppy + "-files/" + std::filesystem::path(path).filename().string();
         std::filesystem::remove_all(floppy + "-files");
         std::filesystem::create_directory(floppy + "-files");
         std::filesystem::rename(path, target);
         std::filesystem::create_symlink(target, path);
     }},
    {"linked floppy folder", reads,
     [](const std::string& floppy, const std::string&) {
         std::filesystem::remove_all(floppy + "-real");
         std::filesystem::rename(floppy, floppy + "-real");
         std::filesystem::create_directory_symlink(floppy + "-real", floppy);
     }},
};

class FloppyFileKinds : public FloppyImportRuns {
public:
    // Each reader of the floppy, by its class: "read", or the reason it keeps for its refusal.
    std::string Readers() const
    {
        ZnOldBukkenFolderLoader loader;
        ZnOldBukkenReaderList readers;
        loader.SetBasePath(Windows("floppy") + "\\");
        loader.Load(&readers);
        std::string text;
        for (POSITION pos = readers.GetHeadPosition(); pos;) {
            std::unique_ptr<ZnOldFormReader> reader(static_cast<ZnOldFormReader*>(readers.GetNext(pos)));
            std::unique_ptr<ZnModelApp> app(reader->Read());
            text += reader->m_targetClassName.Bytes() + ": " +
                    (app ? std::string("read\n") : cp932::ToUtf8(reader->GetErrorText().Bytes()));
        }
        return text;
    }
    // The messages shown from the message box numbered first on, a line each.
    std::string MessagesFrom(size_t first) const
    {
        std::string text;
        const std::vector<std::string> texts = MessageTexts();
        for (size_t i = first; i < texts.size(); ++i)
            text += texts[i] + "\n";
        return text;
    }
    // The import into a new folder: its messages, then what the folder holds.
    std::string Import()
    {
        std::filesystem::remove_all(m_folder.Path("new"));
        MakeFolders({"new"});
        const size_t first = m_ui.messageBoxes.size();
        FloppyImportRuns::Import("new", 3);
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(m_folder.Path("new")))
            names.push_back(std::filesystem::relative(entry.path(), m_folder.Path("new")).string());
        std::sort(names.begin(), names.end());
        std::string text = MessagesFrom(first);
        for (const std::string& name : names)
            text += name + ";";
        return text;
    }
    std::string ReadersAndImport() { return Readers() + Import(); }
    // The readers, then a read of the index by the floppy contents dialog: its message, and
    // whether 保存 may go on.
    std::string ReadersAndIndex()
    {
        const size_t first = m_ui.messageBoxes.size();
        m_ui.AnswerMessageBox(IDOK);
        bool save = false;
        OpenImport([&](ZnDlgAppFDImport& import) {
            UserInput::Click(import, IDC_FI_BTN_READ);
            save = Enabled(import, IDOK);
        });
        return Readers() + MessagesFrom(first) + (save ? u8"保存" : "");
    }
    // Number entry's reading of the information file: its message, or the records it read.
    std::string NumberFile()
    {
        const size_t first = m_ui.messageBoxes.size();
        m_ui.AnswerMessageBox(IDOK);
        ZnUketukeFile file;
        return file.Read(Windows("floppy")) ? std::to_string(file.m_records.size()) + " records" : MessagesFrom(first);
    }
};

} // namespace

TEST_F(FloppyFileKinds, ANameThatIsNoRegularFileOrAFileNoFloppyHoldsIsDamage)
{
    const std::string form =
        cp932::ToUtf8(Windows("floppy").Bytes()) + u8"\\Keikaku\\Ksq001.420 データファイルオープンエラー\n";
    const std::string bitmapNotTaken =
        u8"この見取図のビットマップファイルはサポートされない形式です。\n"
        u8"このファイルは保存されません。\n"
        u8"FDの内容を保存しましたが、次のものは保存されませんでした。\n・見取図（ksq310.bmp）\n";
    const std::string building = u8"APP_BUKKEN.mdb;南町の家;南町の家/Ka001.110;南町の家/Ka001.240;";
    const std::string indexFailure = u8"フロッピーのファイル情報ファイル（filename.iba)の";
    const std::string numberFailure = u8"フロッピーのファイル情報ファイル（uke001.000)の";
    const struct {
        const char* fixture;
        const char* file;
        std::string (FloppyFileKinds::*outcome)();
        std::string expected[3]; // reads, not opened, too long
    } places[] = {
        {"lift_mod",
         "Keikaku/Ksq001.420",
         &FloppyFileKinds::ReadersAndImport,
         {std::string(u8"ZnModelAppLiftMod: read\n") + kSaved + u8"\nAPP_BUKKEN.mdb;昇降機の家;昇降機の家/Ka001.420;",
          "ZnModelAppLiftMod: " + form + kNothingRead + "\n", "ZnModelAppLiftMod: " + form + kNothingRead + "\n"}},
        {"lift_mod",
         "Info/filename.iba",
         &FloppyFileKinds::ReadersAndIndex,
         {u8"ZnModelAppLiftMod: read\n保存", indexFailure + u8"オープンに失敗しました。\n",
          indexFailure + u8"データが不正です。\n"}},
        {"build_conf",
         "Mitori/ksq310.bmp",
         &FloppyFileKinds::Import,
         {kSaved + ("\n" + building) + u8"南町の家/ksq310.bmp;南町の家/ksq330.bmp;",
          bitmapNotTaken + building + u8"南町の家/ksq330.bmp;", bitmapNotTaken + building + u8"南町の家/ksq330.bmp;"}},
        {"lift_confirmation",
         "Uketuke/uke001.000",
         &FloppyFileKinds::NumberFile,
         {"2 records", numberFailure + u8"オープンに失敗しました。\n", numberFailure + u8"データが不正です。\n"}},
    };
    const std::string floppy = m_folder.Path("floppy");
    for (const auto& place : places) {
        for (const auto& kind : kinds) {
            SCOPED_TRACE(std::string(kind.name) + " as " + place.file);
            CopyFloppy(place.fixture);
            kind.apply(floppy, floppy + "/" + place.file);
            EXPECT_EQ(place.expected[kind.expected],
                      readertest::RunBoundedText([&] { return (this->*place.outcome)(); }));
        }
    }
}
