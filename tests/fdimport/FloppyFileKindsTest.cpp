// Names on a floppy that are no regular file, files longer than a floppy holds, files that fail as
// they are read and files that grow past a floppy while they are read are damage, refused with the
// message of each place that reads a floppy, the destination left as it was; links to regular files
// and a linked floppy folder read as the files do. Each case runs in a child bounded in memory, time
// and file size, so that code that would take the machine's memory or disk, or wait for ever on a
// FIFO, fails instead.
#include "tests/fdimport/FloppyImportRunsSupport.h"
#include "tests/readers/BoundedChild.h"
#include "tests/support/FaultyReads.h"

#include "fdimport/ZnUketukeFile.h"
#include "readers/ZnOldBukkenFolderLoader.h"
#include "readers/ZnOldBukkenReaderList.h"
#include "readers/ZnOldFloppyCount.h"
#include "readers/ZnOldFormReader.h"

#include <fstream>
#include <sys/stat.h>

using namespace importtest;
namespace fs = std::filesystem;

namespace {

enum Expected { reads, notOpened, damaged };

const struct {
    const char* name;
    Expected expected;
    void (*apply)(const std::string& floppy, const std::string& path);
} kinds[] = {
    {"FIFO", notOpened, [](auto&, auto& path) { fs::remove(path), mkfifo(path.c_str(), 0600); }},
    {"link to /dev/zero", notOpened,
     [](auto&, auto& path) { fs::remove(path), fs::create_symlink("/dev/zero", path); }},
    {"sparse 3 GB file", damaged, [](auto&, auto& path) { fs::resize_file(path, 3ULL << 30); }},
    {"line past a floppy", damaged,
     [](auto&, auto& path) {
         std::ofstream(path, std::ios::app) << "/*" + std::string(ZnOldFloppyCount::floppyBytes, 'x') + "\r\n";
     }},
    {"read error part way", damaged,
     [](auto&, auto& path) { faultyreads::Plant(path, faultyreads::Fault::failsPartWay); }},
    // pagemap refuses a read whose length is no multiple of 8 bytes, as the read of a floppy's file (a
    // floppy and one byte) is: a read error.
    {"read error of a linked special file", damaged,
     [](auto&, auto& path) { fs::remove(path), fs::create_symlink("/proc/self/pagemap", path); }},
    {"file that grows past a floppy as it is read", damaged,
     [](auto&, auto& path) { faultyreads::Plant(path, faultyreads::Fault::grows); }},
    {"link to a regular file", reads,
     [](auto& floppy, auto& path) {
         fs::remove_all(floppy + "-files"), fs::create_directory(floppy + "-files");
         fs::rename(path, floppy + "-files/file"), fs::create_symlink(floppy + "-files/file", path);
     }},
    {"linked floppy folder", reads,
     [](auto& floppy, auto&) {
         fs::remove_all(floppy + "-real"), fs::rename(floppy, floppy + "-real");
         fs::create_directory_symlink(floppy + "-real", floppy);
     }},
};

class FloppyFileKinds : public FloppyImportRuns {
public:
    // The messages shown, a line each.
    std::string Messages() const
    {
        std::string text;
        for (const std::string& message : MessageTexts())
            text += message + "\n";
        return text;
    }
    // Each reader of the floppy by its class: "read", or the reason it keeps for its refusal.
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
    // The import into a new folder: its messages, then what the folder holds.
    std::string Import()
    {
        MakeFolders({"new"});
        FloppyImportRuns::Import("new", 0);
        std::vector<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(m_folder.Path("new")))
            names.push_back(fs::relative(entry.path(), m_folder.Path("new")).string());
        std::sort(names.begin(), names.end());
        std::string text = Messages();
        for (const std::string& name : names)
            text += name + ";";
        return text;
    }
    std::string ReadersAndImport() { return Readers() + Import(); }
    // The readers, then the floppy contents dialog's read of the index, and whether 保存 may go on.
    std::string ReadersAndIndex()
    {
        bool save = false;
        OpenImport([&](ZnDlgAppFDImport& import) {
            UserInput::Click(import, IDC_FI_BTN_READ);
            save = Enabled(import, IDOK);
        });
        return Readers() + Messages() + (save ? u8"保存" : "");
    }
    // Number entry's reading of the information file: the records it read, or its message.
    std::string NumberFile()
    {
        ZnUketukeFile file;
        return file.Read(Windows("floppy")) ? std::to_string(file.m_records.size()) + " records" : Messages();
    }
};

} // namespace

TEST_F(FloppyFileKinds, ANameThatIsNoRegularFileOrAFileNoFloppyHoldsIsDamage)
{
    const std::string form = "ZnModelAppLiftMod: " + cp932::ToUtf8(Windows("floppy").Bytes()) +
                             u8"\\Keikaku\\Ksq001.420 データファイルオープンエラー\n" + kNothingRead + "\n";
    const std::string building = u8"APP_BUKKEN.mdb;南町の家;南町の家/Ka001.110;南町の家/Ka001.240;";
    const std::string bitmapNotTaken =
        u8"この見取図のビットマップファイルはサポートされない形式です。\nこのファイルは保存されません。\n"
        u8"FDの内容を保存しましたが、次のものは保存されませんでした。\n・見取図（ksq310.bmp）\n" +
        building + u8"南町の家/ksq330.bmp;";
    const std::string index = u8"フロッピーのファイル情報ファイル（filename.iba)の";
    const std::string number = u8"フロッピーのファイル情報ファイル（uke001.000)の";
    const struct {
        const char* fixture;
        const char* file;
        std::string (FloppyFileKinds::*outcome)();
        std::string expected[3]; // by Expected
    } places[] = {
        {"lift_mod",
         "Keikaku/Ksq001.420",
         &FloppyFileKinds::ReadersAndImport,
         {std::string(u8"ZnModelAppLiftMod: read\n") + kSaved + u8"\nAPP_BUKKEN.mdb;昇降機の家;昇降機の家/Ka001.420;",
          form, form}},
        {"lift_mod",
         "Info/filename.iba",
         &FloppyFileKinds::ReadersAndIndex,
         {u8"ZnModelAppLiftMod: read\n保存", index + u8"オープンに失敗しました。\n", index + u8"データが不正です。\n"}},
        {"build_conf",
         "Mitori/ksq310.bmp",
         &FloppyFileKinds::Import,
         {kSaved + ("\n" + building) + u8"南町の家/ksq310.bmp;南町の家/ksq330.bmp;", bitmapNotTaken, bitmapNotTaken}},
        {"lift_confirmation",
         "Uketuke/uke001.000",
         &FloppyFileKinds::NumberFile,
         {"2 records", number + u8"オープンに失敗しました。\n", number + u8"データが不正です。\n"}},
    };
    const std::string floppy = m_folder.Path("floppy");
    for (const auto& place : places) {
        for (const auto& kind : kinds) {
            SCOPED_TRACE(std::string(kind.name) + " as " + place.file);
            CopyFloppy(place.fixture);
            fs::remove_all(m_folder.Path("new"));
            kind.apply(floppy, floppy + "/" + place.file);
            EXPECT_EQ(place.expected[kind.expected], readertest::RunBoundedText([&] {
                          m_ui.messageBoxes.clear();
                          for (int i = 0; i < 3; ++i)
                              m_ui.AnswerMessageBox(IDOK);
                          return (this->*place.outcome)();
                      }));
            faultyreads::Plant(std::string(), faultyreads::Fault::none);
        }
    }
}
