// The documents of one kind that a floppy-output page lists: read from the property register's
// AppBukkenShousaiTbl, in ascending BukkenShousaiIndex order (row i of the page's list is entry i).
#pragma once

#include "platform/core/CString.h"

#include <vector>

struct ZnFDOutDocument {
    CString name;        // ShinseiShoruiName
    CString date;        // Koushinbi as "%i/%i/%i"
    CString reception;   // UketukeBangou
    CString certificate; // ZadazezBangou, else GoukakuBangou, else empty
    CString fileName;    // FileName, relative to the property's folder
};

class ZnFDOutDocuments {
public:
    // The register of the current property: the property-data folder and the register's file name.
    static CString RegisterPath();
    // The statement that selects the documents of property bukkenIndex with kind code, the highest
    // BukkenShousaiIndex first.
    static CString SelectSql(int bukkenIndex, int docKindCode);
    // The documents of the kind in the register at registerPath, lowest BukkenShousaiIndex first. A
    // register that cannot be read raises its database exception.
    static std::vector<ZnFDOutDocument> List(const CString& registerPath, int bukkenIndex, int docKindCode);
    // The reception number of the document of the kind with the highest BukkenShousaiIndex; empty
    // when there is none.
    static CString NewestReception(const CString& registerPath, int bukkenIndex, int docKindCode);
};
