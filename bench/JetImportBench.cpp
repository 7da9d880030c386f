// Opens a Jet 4 file of 20,000 rows of 15 columns, written by the tools' writer, through the
// database classes and reads every row; then opens and reads it again in the same process; and
// exports the same table with mdb-export for comparison. Deletes its files afterwards.
#include "bench/BenchFolder.h"
#include "platform/database/AfxDao.h"
#include "tools/jetwriter/JetFileWriter.h"
#include "tools/usage/ToolCall.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const int kRows = 20000;
const int kRounds = 5;

// The best times of several rounds.
struct Timing {
    double total = 1e9, open = 1e9, import = 1e9;
    void Take(double totalSeconds, double openSeconds, double importSeconds)
    {
        total = std::min(total, totalSeconds);
        open = std::min(open, openSeconds);
        import = std::min(import, importSeconds);
    }
};

// A register of properties with every column kind of the writer that the database layer reads.
JetDatabase BenchDatabase()
{
    static const char* const names[] = {"山田太郎", "鈴木花子", "佐藤建設株式会社", "①～㈱髙橋", "ｶﾌﾞｼｷｶﾞｲｼｬ"};
    JetDatabase database(JetVersion::Jet4);
    JetTable& table = database.AddTable("BenchTbl");
    table.AddColumn("Bangou", JetColumnType::Long)
        .AddColumn("Bunrui", JetColumnType::Long)
        .AddColumn("Kingaku", JetColumnType::Long)
        .AddColumn("Kubun", JetColumnType::Short)
        .AddColumn("Hyoujijun", JetColumnType::Short)
        .AddColumn("SentakuFlg", JetColumnType::Bool)
        .AddColumn("HyoujiFlg", JetColumnType::Bool)
        .AddColumn("Uketsukebi", JetColumnType::DateTime)
        .AddColumn("Koushinbi", JetColumnType::DateTime)
        .AddColumn("Menseki", JetColumnType::Double)
        .AddColumn("Takasa", JetColumnType::Double)
        .AddColumn("Shimei", JetColumnType::Text, 40)
        .AddColumn("Juusho", JetColumnType::Text, 100)
        .AddColumn("Code", JetColumnType::Text, 10)
        .AddColumn("Bikou", JetColumnType::Memo);
    for (int i = 0; i < kRows; ++i) {
        std::string number = std::to_string(i);
        table.AddRow({JetValue::Integer(i), JetValue::Integer(i % 97), JetValue::Integer(i * 1000),
                      JetValue::Integer(i % 7), JetValue::Integer(i % 300), JetValue::Bool(i % 2 == 0),
                      JetValue::Bool(i % 3 == 0),
                      JetValue::Date(COleDateTime(2000 + i % 20, 1 + i % 12, 1 + i % 28, 9, 30, 0)),
                      i % 5 ? JetValue::Date(COleDateTime(2010, 4, 1, 0, 0, 0)) : JetValue(), JetValue::Real(i * 0.25),
                      JetValue::Real(10.5), JetValue::Text(names[i % 5]),
                      JetValue::Text(std::string("東京都千代田区霞が関") + number + "番地"), JetValue::Text(number),
                      i % 4 ? JetValue::Text("備考 " + number) : JetValue()});
    }
    return database;
}

class BenchSet : public CDaoRecordset {
public:
    explicit BenchSet(CDaoDatabase* database) : CDaoRecordset(database) { m_nFields = 15; }
    CString GetDefaultSQL() override { return "[BenchTbl]"; }
    void DoFieldExchange(CDaoFieldExchange* pFX) override
    {
        pFX->SetFieldType(CDaoFieldExchange::outputColumn);
        DFX_Long(pFX, "[Bangou]", m_Bangou);
        DFX_Long(pFX, "[Bunrui]", m_Bunrui);
        DFX_Long(pFX, "[Kingaku]", m_Kingaku);
        DFX_Short(pFX, "[Kubun]", m_Kubun);
        DFX_Short(pFX, "[Hyoujijun]", m_Hyoujijun);
        DFX_Bool(pFX, "[SentakuFlg]", m_SentakuFlg);
        DFX_Bool(pFX, "[HyoujiFlg]", m_HyoujiFlg);
        DFX_DateTime(pFX, "[Uketsukebi]", m_Uketsukebi);
        DFX_DateTime(pFX, "[Koushinbi]", m_Koushinbi);
        DFX_Text(pFX, "[Menseki]", m_Menseki); // the system exchanges no doubles: read as text
        DFX_Text(pFX, "[Takasa]", m_Takasa);
        DFX_Text(pFX, "[Shimei]", m_Shimei);
        DFX_Text(pFX, "[Juusho]", m_Juusho);
        DFX_Text(pFX, "[Code]", m_Code);
        DFX_Text(pFX, "[Bikou]", m_Bikou);
    }
    LONG m_Bangou = 0, m_Bunrui = 0, m_Kingaku = 0;
    short m_Kubun = 0, m_Hyoujijun = 0;
    BOOL m_SentakuFlg = FALSE, m_HyoujiFlg = FALSE;
    COleDateTime m_Uketsukebi, m_Koushinbi;
    CString m_Menseki, m_Takasa, m_Shimei, m_Juusho, m_Code, m_Bikou;
};

template <typename Body> double Seconds(Body body)
{
    auto start = std::chrono::steady_clock::now();
    body();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Opens the file and reads every row through a recordset; the number of rows read.
int OpenAndRead(const std::string& path, double& openSeconds, double& importSeconds)
{
    CDaoDatabase database;
    openSeconds = Seconds([&] { database.Open(path.c_str()); });
    CDaoTableDef table(&database);
    importSeconds = Seconds([&] { table.Open("BenchTbl"); }); // the first statement that names the table
    BenchSet set(&database);
    set.Open();
    int rows = 0;
    for (; !set.IsEOF(); set.MoveNext())
        rows += set.m_Bangou == rows;
    return rows;
}

const char kUsage[] = "usage: jet_import_bench [WORK FOLDER]\n"
                      "Reads a Jet 4 file of 20,000 rows through the database classes beside mdb-export, in a\n"
                      "folder of its own below WORK FOLDER (the temporary folder), removed at the end.\n";

int Bench(const ToolCall& call)
{
    BenchFolder folder(call.Text(0, ""), "jetbench");
    std::string work = folder.Path().string();
    // Copies under names of their own, so that each first open imports its file afresh; every
    // figure is the best of the rounds, on a machine that others share.
    std::vector<std::string> files;
    for (int round = 0; round < kRounds; ++round)
        files.push_back(work + "/bench" + std::to_string(round) + ".mdb");
    JetFileWriter(BenchDatabase()).WriteFile(files[0]);
    for (size_t i = 1; i < files.size(); ++i)
        fs::copy_file(files[0], files[i]);
    std::printf("file: %d rows of 15 columns, %.1f MB; best of %d rounds\n", kRows, fs::file_size(files[0]) / 1e6,
                kRounds);

    // Each round exports one copy and then opens and reads it for the first time, so that the two
    // sides of the ratio are timed side by side while the machine's load drifts.
    Timing exported, first, second;
    bool failed = false;
    auto openAndRead = [&](const std::string& path, Timing& timing) {
        double open = 0, import = 0;
        int rows = 0;
        double total = Seconds([&] { rows = OpenAndRead(path, open, import); });
        timing.Take(total, open, import);
        failed = failed || rows != kRows;
    };
    for (const std::string& path : files) {
        std::string command = "mdb-export '" + path + "' BenchTbl > /dev/null";
        int status = 0;
        exported.Take(Seconds([&] { status = std::system(command.c_str()); }), 0, 0);
        failed = failed || status != 0;
        openAndRead(path, first);
    }
    for (const std::string& path : files)
        openAndRead(path, second);
    if (failed) {
        std::fprintf(stderr, "failed: mdb-export or the rows read\n");
        return 1;
    }
    std::printf("mdb-export:               %.3f s\n", exported.total);
    std::printf("first open, import, read: %.3f s (open %.4f s, import %.3f s)\n", first.total, first.open,
                first.import);
    std::printf("second open and read:     %.3f s (open %.6f s, import %.6f s)\n", second.total, second.open,
                second.import);
    std::printf("first / mdb-export:       %.2f\n", first.total / exported.total);
    return 0;
}

} // namespace

int main(int argc, char** argv) { return ToolCall::Run(argc, argv, kUsage, 1, Bench); }
