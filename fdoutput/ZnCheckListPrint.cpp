#include "fdoutput/ZnCheckListPrint.h"

#include "platform/core/AfxMessageBox.h"
#include "platform/core/Cp932.h"
#include "platform/files/WinFileApi.h"
#include "platform/files/WinStdio.h"
#include "platform/wnd/CDC.h"
#include "platform/wnd/CPrintDialog.h"
#include "print/MDirectPrint.h"
#include "print/MPrintFilesetFactory.h"

namespace {

const char kFullWidthComma[] = "，";
const char kFullWidthQuote[] = "”";

void WriteText(FILE* file, const CString& text)
{
    WinFprintf(file, "TEXT \"%s\"\n", static_cast<LPCTSTR>(ZnCheckListPrint::CellText(text)));
}

void WritePageHead(FILE* file, const CString& title, bool first)
{
    if (!first)
        fputs("FORMFEED\n", file);
    fputs("ACTIVE_CELL 0,0\n", file);
    fputs("TEXT_SIZE 0.8,0.8\n", file);
    fputs("TEXT_ALIGN Center,Left\n", file);
    WriteText(file, title);
}

} // namespace

CString ZnCheckListPrint::CellText(const CString& text)
{
    const std::string& bytes = text.Bytes();
    std::string cell;
    for (size_t i = 0; i < bytes.size();) {
        size_t length = cp932::CharLength(bytes.data(), i, bytes.size());
        char c = bytes[i];
        if (length == 2)
            cell.append(bytes, i, 2);
        else if (c == ',')
            cell += kFullWidthComma;
        else if (c == '"')
            cell += kFullWidthQuote;
        else if (c == '\r' || c == '\n')
            cell += ' ';
        else
            cell += c;
        i += length;
    }
    return CString(cell);
}

void ZnCheckListPrint::WriteLayout(FILE* file, const CString& title, const std::vector<CString>& entries)
{
    WinFprintf(file, "AREA %d,%d,15,15\n", 20, 20);
    fputs("VCS 0,0,90,59\n", file);
    fputs("ROW_NUM 59\n", file);
    fputs("COLUMN_NUM 90\n", file);
    for (size_t i = 0; i < entries.size(); ++i) {
        int onPage = static_cast<int>(i % kEntriesPerPage);
        if (onPage == 0)
            WritePageHead(file, title, i == 0);
        // The first entry of a page on row 3.
        WinFprintf(file, "ACTIVE_CELL %d,2\n", onPage + 3);
        WriteText(file, entries[i]);
    }
    fputs("FORMFEED\n", file);
}

void ZnCheckListPrint::Print(const CString& title, const std::vector<CString>& entries)
{
    if (entries.empty()) {
        AfxMessageBox("エラーはありません。", MB_ICONINFORMATION);
        return;
    }
    CPrintDialog dialog(FALSE);
    if (dialog.DoModal() != IDOK)
        return;
    // The printer chosen in the dialog, not the application's default one.
    std::unique_ptr<CDC> dc = CreatePrinterDC(dialog);
    CString dataPath;
    FILE* data = CreateTempFile(dataPath);
    if (!data) {
        AfxMessageBox("テンポラリファイルのオープンに失敗しました。", MB_ICONSTOP);
        return;
    }
    // The CELL data file holds no record.
    fputs("\n", data);
    fclose(data);
    CString layoutPath;
    FILE* layout = CreateTempFile(layoutPath);
    if (!layout) {
        AfxMessageBox("フォームデータファイルのオープンに失敗しました。", MB_ICONSTOP);
        DeleteFile(dataPath);
        return;
    }
    WriteLayout(layout, title, entries);
    fclose(layout);
    CString command;
    command.Format("-c\"%s\" \"%s\" /s", static_cast<LPCTSTR>(dataPath), static_cast<LPCTSTR>(layoutPath));
    PrintCommand(command, dc.get());
    DeleteFile(layoutPath);
    DeleteFile(dataPath);
}

FILE* ZnCheckListPrint::CreateTempFile(CString& path) { return CreateTempTextFile(path); }

std::unique_ptr<CDC> ZnCheckListPrint::CreatePrinterDC(CPrintDialog& dialog)
{
    return std::unique_ptr<CDC>(dialog.CreatePrinterDC());
}

void ZnCheckListPrint::PrintCommand(const CString& command, CDC* dc)
{
    MPrintFilesetFactory factory;
    MDirectPrint print(&factory, dc);
    print.ParseCommand(command);
    print.PrintAll();
}
