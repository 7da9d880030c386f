// The writer of the reference data: the sections of 共通データ.xml, one per table of
// APP_USER_REGIST.mdb (owners, applicants, designers, constructors, specified processes,
// addresses, equipment advisers, roofs, outer walls). The export opens the file in text mode,
// writes the declaration and the root element around the sections and closes it; it calls the
// section writers in the order below.
//
// Each section writer is given the reference-data folder and the open file. It reads the table
// in its display order and writes one section element per row, one tab deep, with its fields
// below it (as UTF-8, values escaped); an empty table writes nothing. A field of several
// columns holds them with "-" between, also when they are empty. Stored codes become names
// through the shell's code tables (ZnShellState::GetComTblAccess); a code without a row, or no
// code tables, gives an empty name.
//
// A database that cannot be opened, a missing table or a failing read raises the database
// layer's exception to the caller after the rows written so far, with the table closed again;
// nothing is reported here. The current shell must be installed.
#pragma once

#include "model/VhObject.h"

#include <cstdio>

class ZnAppDocFDOut99 : public VhObject {
    DECLARE_DYNAMIC(ZnAppDocFDOut99)
public:
    ZnAppDocFDOut99() = default;

    // The sections, by section element: 建築主, 申請者_届出者_通知者, 代理者_設計者_工事監理者,
    // 工事施工者, 特定工程名, 住所_地名地番等.
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
