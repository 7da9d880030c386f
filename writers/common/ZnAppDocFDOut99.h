// The writer of the reference data: the sections of 共通データ.xml, one per table of
// APP_USER_REGIST.mdb (owners, applicants, designers, constructors, specified processes,
// addresses, equipment advisers, roofs, outer walls). The export builds the file in memory, the
// declaration and the root element around the sections that WriteSections adds, and writes it
// whole.
//
// Each section reads its table of the reference-data folder in its display order and holds one
// section element per row, one tab deep, with its fields below it (values escaped); an empty
// table gives nothing. A field of several columns holds them with "-" between, also when they
// are empty. Stored codes become names through the shell's code tables
// (ZnShellState::GetComTblAccess); a code without a row, or no code tables, gives an empty name.
//
// A database that cannot be opened, a missing table or a failing read raises the database
// layer's exception to the caller, with the table closed again; a section written to a stream
// has then written nothing of itself. Nothing is reported here. The current shell must be
// installed.
#pragma once

#include "model/VhObject.h"

#include <cstdio>

class XmlText;

class ZnAppDocFDOut99 : public VhObject {
    DECLARE_DYNAMIC(ZnAppDocFDOut99)
public:
    ZnAppDocFDOut99() = default;

    // The nine sections in the order below, added to the text.
    void WriteSections(CString folder, XmlText& xml);

    // Each section alone, written at once to a stream opened in text mode (XmlPieceWriters), by
    // section element: 建築主, 申請者_届出者_通知者, 代理者_設計者_工事監理者, 工事施工者,
    // 特定工程名, 住所_地名地番等.
    void WriteKenchikunushi(CString folder, FILE* file);
    void WriteShinseisha(CString folder, FILE* file);
    void WriteSekkeisha(CString folder, FILE* file);
    void WriteSekousha(CString folder, FILE* file);
    void WriteTokuteiKoutei(CString folder, FILE* file);
    void WriteChimeiChiban(CString folder, FILE* file);
    // 建築設備に関し意見を聴いた者. A table from before the schema patch, without TourokuBangou,
    // is written all the same, with 登録番号 empty.
    void WriteSetsubisha(CString folder, FILE* file);
    // 屋根 and 外壁_軒裏.
    void WriteYane(CString folder, FILE* file);
    void WriteGaiheki(CString folder, FILE* file);
};
