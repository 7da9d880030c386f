#include "platform/files/FileFailureText.h"

CString FileFailureText(LPCTSTR path, CException* e, BOOL saving)
{
    CString name(path);
    if (e && e->IsKindOf(RUNTIME_CLASS(CArchiveException)))
        return CString("予期しないファイル形式です。");
    if (e && e->IsKindOf(RUNTIME_CLASS(CMemoryException)))
        return CString("メモリが不足しています。");
    if (CFileException* fileError = dynamic_cast<CFileException*>(e)) {
        switch (fileError->m_cause) {
        case CFileException::fileNotFound:
            return "ファイル " + name + " が見つかりません。";
        case CFileException::badPath:
            return "パス " + name + " は無効です。";
        case CFileException::accessDenied:
        case CFileException::sharingViolation:
            return "ファイル " + name + (saving ? " に書き込めません。" : " を読み込めません。");
        case CFileException::diskFull:
            return CString("ディスクがいっぱいです。");
        default:
            break;
        }
    }
    return CString(saving ? "ドキュメントを保存できませんでした。" : "ドキュメントを開けませんでした。");
}
