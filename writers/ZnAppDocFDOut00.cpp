#include "writers/ZnAppDocFDOut00.h"

#include "model/ZnModelApp.h"
#include "model/ZnModelAppTempUseConf.h"
#include "platform/core/AfxMessageBox.h"
#include "platform/core/Cp932.h"
#include "platform/files/WinFileApi.h"
#include "platform/files/WinStdio.h"
#include "storage/CheckMedium.h"
#include "storage/ZnRunLog.h"
#include "storage/ZnShellState.h"
#include "writers/XmlText.h"

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <set>
#include <string>

IMPLEMENT_DYNAMIC(ZnAppDocFDOut00, VhObject)

// Here beside the class record, so that this file holds all that the class's table of virtual
// functions needs: the fuzz targets build it without the floppy sources.
DWORD ZnAppDocFDOut00::LookForEntries(const CString& pattern) const { return SearchForEntries(pattern); }

void ZnAppDocFDOut00::WriteLog(int level, LPCTSTR message, LPCTSTR source, LPCTSTR function)
{
    ZnRunLog::Write(level, message, source, function);
}

namespace {

// The open files into which a value was written without characters that XML cannot hold, and
// the files that the run log has named for it since it was last deleted.
std::set<FILE*> filesWithDroppedChars;
std::set<std::string> filesLoggedForDroppedChars;

// Names a file once in the run log as one whose values lost characters that XML cannot hold.
void LogDroppedChars(LPCTSTR path)
{
    if (!filesLoggedForDroppedChars.insert(path).second)
        return; // a file written in parts is named once
    ZnAppDocFDOut00::WriteLog(ZnAppDocFDOut00::LogWarn,
                              CString("ファイル【") + path +
                                  "】に出力できない制御文字があったため、取り除いて出力しました。",
                              "ZnAppDocFDOut00.cpp", "CloseWrittenFile()");
}

} // namespace

void ZnAppDocFDOut00::DeleteLog()
{
    ZnRunLog::Delete();
    filesWithDroppedChars.clear();
    filesLoggedForDroppedChars.clear();
}

void ZnAppDocFDOut00::NoteDroppedChars(FILE* file) { filesWithDroppedChars.insert(file); }

// XML text.

CString ZnAppDocFDOut00::EscapeXml(const CString& text)
{
    // Byte by byte, which is character by character: none of the five can follow a lead byte in a
    // pair, so each is a character of its own wherever it stands.
    const std::string& bytes = text.Bytes();
    if (bytes.find_first_of("&<>\"'") == std::string::npos)
        return text; // nothing to escape, as with most values
    std::string escaped;
    for (char byte : bytes) {
        if (LPCTSTR entity = XmlText::EntityOf(byte))
            escaped += entity;
        else
            escaped += byte;
    }
    return CString(escaped);
}

CString ZnAppDocFDOut00::ToUtf8(const CString& text) { return CString(cp932::ToUtf8(text.Bytes())); }

namespace {

// Writes the bytes of a text as they are.
void WriteBytes(FILE* file, const std::string& bytes) { fwrite(bytes.data(), 1, bytes.size(), file); }

int writeFailures = 0;
int filesWritten = 0;

// Closes a written file; when it was not written whole, removes it and counts the failure, else
// names it in the run log if its values lost characters. True when it was written whole.
bool FinishWrittenFile(FILE* file, LPCTSTR path, bool written, bool dropped)
{
    written = std::fclose(file) == 0 && written;
    if (written) {
        if (dropped)
            LogDroppedChars(path);
        ++filesWritten;
        return true;
    }
    DeleteFile(path);
    ++writeFailures;
    return false;
}

} // namespace

FILE* ZnAppDocFDOut00::OpenWholeFile(LPCTSTR path, bool append) { return WinFopen(path, append ? "ab" : "wb"); }

bool ZnAppDocFDOut00::WriteWholeFile(FILE* file, const XmlText& text, LPCTSTR path)
{
    std::string utf8 = text.Utf8();
    bool written = std::fwrite(utf8.data(), 1, utf8.size(), file) == utf8.size() && !std::ferror(file);
    return FinishWrittenFile(file, path, written, text.LostChars());
}

bool ZnAppDocFDOut00::CloseWrittenFile(FILE* file, LPCTSTR path)
{
    bool dropped = filesWithDroppedChars.erase(file) > 0;
    return FinishWrittenFile(file, path, !std::ferror(file), dropped);
}

void ZnAppDocFDOut00::ShowWriteFailed(LPCTSTR path) { AfxMessageBox(WriteFailedText(path), MB_ICONSTOP); }

CString ZnAppDocFDOut00::WriteFailedText(LPCTSTR path)
{
    CString fullPath(path);
    return "ファイルの書き込み(" + fullPath.Mid(fullPath.ReverseFind('\\') + 1) + ")に失敗しました。";
}

int ZnAppDocFDOut00::WriteFailures() { return writeFailures; }

int ZnAppDocFDOut00::FilesWritten() { return filesWritten; }

void ZnAppDocFDOut00::WriteManagementInfoXml(LPCTSTR path, int formSheetNo, int branchNo, LPCTSTR creationDate)
{
    FILE* file = OpenWholeFile(path);
    if (!file) {
        AfxMessageBox("申請書管理情報ファイルのオープンに失敗しました。", MB_ICONSTOP | MB_OK);
        return;
    }
    CString branch, formSheet;
    branch.Format("%d", branchNo);
    formSheet.Format("%d", formSheetNo);
    XmlText xml;
    xml.Literal("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n");
    xml.OpenTag(0, "申請書管理情報");
    xml.Leaf(1, "枝番", branch);
    // The date is the caller's text: a value like any other.
    xml.Leaf(1, "作成日", creationDate);
    xml.Leaf(1, "受付番号", "");
    xml.Leaf(1, "処分番号", "");
    xml.Leaf(1, "データチェック済みフラグ", "0");
    xml.Leaf(1, "帳票番号", formSheet);
    xml.CloseTag(0, "申請書管理情報");
    WriteWholeFile(file, xml, path);
}

namespace {

// One line of the supervisor file: the element with its escaped value.
CString SupervisorLine(LPCTSTR tag, const CString& value)
{
    return CString("<") + tag + ">" + ZnAppDocFDOut00::EscapeXml(value) + "</" + tag + ">\n";
}

} // namespace

void ZnAppDocFDOut00::WriteSupervisorXml(LPCTSTR root, const ZnModelDesigner* supervisor)
{
    CString path = CString(root) + "\\Keikaku\\~002.xml";
    FILE* file = WinFopen(path, "w");
    if (!file) {
        AfxMessageBox("様式ファイルのオープン(~002.xml)に失敗しました。", MB_ICONSTOP | MB_OK);
        return;
    }
    CString text = "<?xml version=\"1.0\" encoding=\"SJIS\"?>\n<申請書>\n";
    if (supervisor) {
        const JkModelIndividualData& office = supervisor->GetOfficeData();
        text += "<工事監理者>\n";
        text += SupervisorLine("氏名", supervisor->GetName().GetName());
        text += SupervisorLine("営業所名", office.GetName().GetName());
        text += SupervisorLine("郵便番号", office.GetAddress().GetPostalCode());
        text += SupervisorLine("所在地", office.GetAddress().m_address);
        text += SupervisorLine("電話番号", office.GetTelNumber().GetTelNumber());
        text += "</工事監理者>\n";
    }
    text += "</申請書>\n";
    WriteBytes(file, text.Bytes());
    CloseWrittenFile(file, path);
}

// Titles and document-kind codes.

namespace {

const int notificationMode = 32787;
const int applicationMode = 32786;

// The procedures in the order of the document-kind codes (100000 + 100 x procedure + object
// kind), with the document type that selects each and its titles.
struct Procedure {
    int docType;
    LPCTSTR applicationTitle;
    LPCTSTR notificationTitle;
};

const Procedure procedures[] = {
    {1000, "確認申請書", "計画通知書"},
    {1002, "中間検査申請書", "特定工程工事終了通知書"},
    {1005, "完了検査申請書", "工事完了通知書"},
    {1008, "計画変更確認申請書", "計画変更通知書"},
};
const int procedureCount = sizeof(procedures) / sizeof(procedures[0]);

// The procedure of a document type, or -1.
int ProcedureOfDocType(int docType)
{
    for (int i = 0; i < procedureCount; ++i) {
        if (procedures[i].docType == docType)
            return i;
    }
    return -1;
}

const LPCTSTR objectKindNames[] = {
    "_建築物_",
    "_昇降機_",
    "_昇降機以外の建築設備_",
    "_工作物（法第88条1項）_",
    "_工作物の昇降機_",
    "_工作物（法第88条2項）_",
};

// The value of one character read as a number: a digit's value, 0 for any other character.
int DigitValue(TCHAR ch) { return ch >= '0' && ch <= '9' ? ch - '0' : 0; }

int CurrentDocMode() { return ZnShellState::Current()->GetDocMode(0); }

} // namespace

CString ZnAppDocFDOut00::GetDocTypeTitle()
{
    int procedure = ProcedureOfDocType(ZnShellState::Current()->GetDocType());
    if (procedure < 0)
        return CString();
    const Procedure& titles = procedures[procedure];
    return CurrentDocMode() == notificationMode ? titles.notificationTitle : titles.applicationTitle;
}

CString ZnAppDocFDOut00::GetObjectKindName(int objectNo)
{
    return objectNo >= 1 && objectNo <= 6 ? CString(objectKindNames[objectNo - 1]) : CString();
}

CString ZnAppDocFDOut00::GetDocTitle(int objectNo) { return GetDocTypeTitle() + GetObjectKindName(objectNo); }

int ZnAppDocFDOut00::GetDocKindCode(int objectNo)
{
    int procedure = ProcedureOfDocType(ZnShellState::Current()->GetDocType());
    return 100000 + 100 * (procedure < 0 ? 0 : procedure) + objectNo;
}

CString ZnAppDocFDOut00::GetDocTitleFromCode(const CString& code)
{
    // Only the codes 100000 + 100 x procedure + object kind carry a procedure in their fourth
    // digit; any other text (the proxy letter's 300001, a text too short) goes to the name table.
    int procedure = code.GetLength() >= 4 && code.Left(3) == "100" ? DigitValue(code[3]) : -1;
    if (procedure < 0 || procedure >= procedureCount)
        return ZnShellState::Current()->DocKindName(atoi(code), CurrentDocMode(), 1);
    const Procedure& titles = procedures[procedure];
    CString title = CurrentDocMode() == applicationMode ? titles.applicationTitle : titles.notificationTitle;
    return title + GetObjectKindName(DigitValue(code[code.GetLength() - 1]));
}

int ZnAppDocFDOut00::SetTempUseDocKindCode(const ZnModelAppTempUseConf* tempUse)
{
    // By form digit: the code for the designated administrative agency (object kind 1028) and
    // for the building official (1024). Digits 3 and 4 take the codes ending in 5 and 4.
    static const int codes[][2] = {
        {100401, 100411}, {100402, 100412}, {100403, 100413}, {100405, 100415}, {100404, 100414}, {100406, 100416},
    };
    ZnShellState* shell = ZnShellState::Current();
    int objKind = shell->GetObjKind();
    int column = objKind == 1028 ? 0 : (objKind == 1024 ? 1 : -1);
    if (!tempUse || column < 0 || tempUse->m_formDigit < 0 || tempUse->m_formDigit > 5)
        return 0;
    ZnModelApp* app = dynamic_cast<ZnModelApp*>(shell->GetModel(ZnShellState::appModelSlot));
    if (!app)
        return 0;
    CString code;
    code.Format("%d", codes[tempUse->m_formDigit][column]);
    app->m_header.m_localData.m_documentKind.SetCode(code);
    return 1;
}

// Value conversions.

CString ZnAppDocFDOut00::GetShinseiDatePart(const ZnModelApp* app, int part)
{
    if (!app)
        return CString();
    const ZnModelNumGroupList& groups = app->GetHeader().GetLocalData().GetNumGroupList();
    const ZnModelNumGroup* group = groups.IsEmpty() ? nullptr : groups.GetHead();
    if (!group)
        return CString();
    const ZnModelDate& date = group->GetFirstNum().GetDate();
    if (date.GetMonth() == 0)
        return CString();
    CString text;
    int year = date.GetYearCode().m_year;
    if (part == 0 && year != 0)
        text.Format("%04d", year);
    else if (part == 1)
        text.Format("%02d", date.GetMonth());
    else if (part == 2 && date.GetDay() != 0)
        text.Format("%02d", date.GetDay());
    return text;
}

CString ZnAppDocFDOut00::RemoveLineBreaks(const CString& text)
{
    CString result;
    CString rest = text;
    for (int lineFeed = rest.Find('\n'); lineFeed >= 0; lineFeed = rest.Find('\n')) {
        // Only a carriage return goes with its line feed: any other byte before a lone line feed
        // may be the second half of a double-byte character and stays.
        bool carriageReturn = lineFeed > 0 && rest[lineFeed - 1] == '\r';
        result += rest.Left(carriageReturn ? lineFeed - 1 : lineFeed);
        rest = rest.Mid(lineFeed + 1);
    }
    return result + rest;
}

int ZnAppDocFDOut00::CompareNumber(double a, LPCTSTR op, double b)
{
    bool equal = std::fabs(a - b) < 0.001;
    CString relation(op);
    if (relation == ">")
        return !equal && a > b;
    if (relation == "<")
        return !equal && a < b;
    if (relation == ">=")
        return equal || a > b;
    if (relation == "<=")
        return equal || a < b;
    if (relation == "==")
        return equal;
    if (relation == "!=")
        return !equal;
    return 0;
}

CString ZnAppDocFDOut00::BlankZeroText(const CString& text)
{
    static const LPCTSTR zeros[] = {"0", "0.0", "0.00", "0.000", "0.0000", "0.00000", "0.000000"};
    for (LPCTSTR zero : zeros) {
        if (text == zero)
            return CString();
    }
    return text;
}

CString ZnAppDocFDOut00::FormatEraDate6(const ZnModelDate& date)
{
    if (date.IsEmpty())
        return CString();
    const ZnModelYearCode& yearCode = date.GetYearCode();
    int eraYear = yearCode.m_year - (yearCode.GetCode() == "01" ? 1925 : 1988);
    CString text;
    text.Format("%02d%02d%02d", eraYear, date.GetMonth(), date.GetDay());
    return text;
}

namespace {

// A code text and its word, compared as whole texts.
struct TextCodeName {
    LPCTSTR code;
    LPCTSTR name;
};

// A code read as a decimal number and its word.
struct NumberCodeName {
    int code;
    LPCTSTR name;
};

// The word of a code text, or the text itself when the table lacks it.
template <size_t N> CString NameOfText(const TextCodeName (&table)[N], const CString& code)
{
    for (const TextCodeName& row : table) {
        if (code == row.code)
            return row.name;
    }
    return code;
}

// The word of a code text read as a decimal number (as atoi reads it), or "".
template <size_t N> CString NameOfNumber(const NumberCodeName (&table)[N], const CString& code)
{
    int number = atoi(code);
    for (const NumberCodeName& row : table) {
        if (number == row.code)
            return row.name;
    }
    return CString();
}

const TextCodeName structureKinds[] = {
    {"02401", "木造"},   {"02402", "組積造"},   {"02403", "補強ＣＢ造"}, {"02404", "Ｓ造"},
    {"02405", "ＲＣ造"}, {"02406", "ＳＲＣ造"}, {"02407", "無筋Ｃ造"},   {"02499", "その他"},
};

const TextCodeName buildTypeDigits[] = {{"03701", "1"}, {"03702", "2"}, {"03703", "3"}, {"03704", "4"}};

const NumberCodeName architectClasses[] = {{101, "一級"}, {301, "一級"}, {102, "二級"},
                                           {302, "二級"}, {103, "木造"}, {303, "木造"}};

const NumberCodeName urbanPlanAreas[] = {{700, "都計外／準都計外"}, {701, "都市計画区域内"}, {702, "準都市計画区域内"}};

const NumberCodeName areaDivisions[] = {{801, "市街化区域"},     {804, "市街化区域"},     {805, "市街化区域"},
                                        {802, "市街化調整区域"}, {806, "市街化調整区域"}, {803, "区域区分非設定"},
                                        {807, "区域区分非設定"}};

} // namespace

CString ZnAppDocFDOut00::GetStructureKindName(const CString& code) { return NameOfText(structureKinds, code); }

CString ZnAppDocFDOut00::GetBuildTypeDigit(const CString& code) { return NameOfText(buildTypeDigits, code); }

CString ZnAppDocFDOut00::GetArchitectClassName(const CString& code) { return NameOfNumber(architectClasses, code); }

CString ZnAppDocFDOut00::GetUrbanPlanAreaName(const CString& code) { return NameOfNumber(urbanPlanAreas, code); }

CString ZnAppDocFDOut00::GetAreaDivisionName(const CString& code) { return NameOfNumber(areaDivisions, code); }
