// The document kinds that a floppy import writes, by the class name that a form reader reports:
// the class levels a document file holds, the file's extension and number, and the map
// bitmaps that come with a building-type document.
#pragma once

#include "platform/core/CString.h"

#include <map>
#include <string>

class ZnModel;
class ZnModelApp;

struct ZnFDImportKind {
    const char* className;
    // The copy of the document's middle class level (such as ZnModelAppBuild), or null for a kind
    // whose file holds only the common part and the document itself.
    ZnModel* (*cloneMiddle)(const ZnModelApp& document);
    // The extension, or null when the floppy's code gives it.
    const char* extension;
    // Whether documents of the kind are numbered in turn ("001", "002" …) rather than all "001".
    bool numbered;
    // The site plan (見取図) and the layout (配置図) bitmaps, or null.
    const char* siteMap;
    const char* layoutMap;
};

namespace ZnFDImportKinds {

// The kind of a reader's class name, compared byte for byte; null for a class the import does
// not write.
const ZnFDImportKind* Find(const CString& className);

// The extension of a document of kind from a floppy of that application-type code: the kind's
// own, or for the inspections and temporary use the code's (100101 to 100106 ".281" to ".286",
// 100201 to 100206 ".211" to ".216", 100401 to 100406 ".220", 100411 to 100416 ".230"); "" when
// the code gives none.
CString Extension(const ZnFDImportKind& kind, int floppyCode);

// The counters of the kinds numbered in turn, one per extension, each from 1 for an import.
typedef std::map<std::string, int> Counters;

// The file name of the next document of kind from a floppy of that code: prefix ("Ka" or "Ke"),
// the number ("001", or the extension's counter, which then advances) and the extension, such as
// "Ka002.410"; "" when the code gives the kind no extension (nothing advances then).
CString NextFileName(const ZnFDImportKind& kind, int floppyCode, LPCTSTR prefix, Counters& counters);

// The class-level copies of document that its file holds, in file order: the common part
// (ZnModelApp), the middle level where the kind has one, and the whole document. The caller
// owns them; an entry is null when document is not of the kind's classes.
void CloneLevels(const ZnFDImportKind& kind, const ZnModelApp& document, ZnModel* levels[3]);

} // namespace ZnFDImportKinds
