#include "platform/database/CDaoException.h"

IMPLEMENT_DYNAMIC(CDaoException, CException)

namespace {

// Jet's messages; "|" stands for the file, table or field named.
struct DaoErrorText {
    LONG code;
    const char* text;
};

const DaoErrorText daoErrorTexts[] = {
    {daoErrGeneric, "データベース エンジンでエラーが発生しました (|)。"},
    {daoErrInvalidArgument, "引数が無効です。"},
    {daoErrUpdateWithoutEdit, "AddNew または Edit を実行せずに Update を実行しました。"},
    {daoErrNoCurrentRecord, "カレント レコードがありません。"},
    {daoErrDuplicateKey, "インデックス、主キー、またはリレーションシップで値が重複しているので、テーブル '|' を変更できませんでした。"},
    {daoErrFileNotFound, "ファイル '|' が見つかりません。"},
    {daoErrDiskFull, "ディスクの空き領域が不足しています。"},
    {daoErrReadOnly, "データベースまたはオブジェクトが読み取り専用なので、更新できません。"},
    {daoErrDiskError, "ディスクまたはネットワークのエラーです。"},
    {daoErrInvalidPath, "'|' は正しいパスではありません。"},
    {daoErrCorrupt, "データベース '|' を開けません。ファイルが破損している可能性があります。"},
    {daoErrCannotOpen, "ファイル '|' を開けません。ほかのユーザーが排他的に使用しているか、データを表示する権限がありません。"},
    {daoErrTooFewParameters, "パラメータが少なすぎます。フィールド '|' が見つかりません。"},
    {daoErrSelectExecuted, "選択クエリは実行できません。"},
    {daoErrSyntax, "クエリ式 '|' の構文エラーです。"},
    {daoErrInputNotFound, "入力テーブルまたはクエリ '|' が見つかりません。"},
    {daoErrTextAfterStatement, "SQL ステートメントの後に文字が見つかりました。"},
    {daoErrRecordDeleted, "レコードは削除されています。"},
    {daoErrFieldDefinedTwice, "フィールド '|' を複数回定義することはできません。"},
    {daoErrDatabaseExists, "データベース '|' は既に存在します。"},
    {daoErrLocked, "'|' はロックされているので更新できません。"},
    {daoErrInvalidOperation, "操作が無効です。"},
    {daoErrInvalidFieldType, "フィールド '|' のデータ型が正しくありません。"},
    {daoErrItemNotFound, "要求された名前 '|' に対応する項目がこのコレクションにありません。"},
    {daoErrNullNotAllowed, "フィールド '|' には値を入力してください。"},
    {daoErrValidationRule, "入力規則に違反する値があります。"},
    {daoErrUnrecognizedFormat, "データベースの形式 '|' を認識できません。"},
    {daoErrNumericOverflow, "フィールド '|' で数値のオーバーフローが発生しました。"},
    {daoErrObjectInvalid, "オブジェクトが無効か、設定されていません。"},
    {daoErrTypeConversion, "フィールド '|' のデータ型変換エラーです。"},
};

} // namespace

CString DaoErrorDescription(LONG code, const CString& item)
{
    for (const DaoErrorText& entry : daoErrorTexts)
        if (entry.code == code) {
            CString text(entry.text);
            text.Replace("|", item);
            return text;
        }
    CString text;
    text.Format("Jet エラー %d です。", static_cast<int>(code));
    return text;
}

CDaoException::CDaoException() : m_pErrorInfo(new CDaoErrorInfo) {}

CDaoException::~CDaoException() { delete m_pErrorInfo; }

CString CDaoException::Describe() const { return m_pErrorInfo->m_strDescription; }

void ThrowDaoError(LONG code, const CString& item)
{
    CDaoException* error = new CDaoException;
    error->m_pErrorInfo->m_lErrorCode = code;
    error->m_pErrorInfo->m_strSource = "DAO.Database";
    error->m_pErrorInfo->m_strDescription = DaoErrorDescription(code, item);
    throw error;
}
