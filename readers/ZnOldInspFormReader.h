// Base of the readers of the interim and completion inspection forms. A building's inspection is
// read from the form file of the building number ("Ksq001.280") and embeds the building
// confirmation of the same folder; an inspection of another object kind is read from the numbered
// files "Ksq001.280", "Ksq002.280" … of which the last gives the document and every one its
// certificates and number groups.
#pragma once

#include "readers/ZnOldFormReader.h"
#include "readers/ZnOldFormReaderTable.h"
#include "readers/ZnOldInspForm.h"

#include <memory>

class ZnOldInspFormReader : public ZnOldFormReader {
    DECLARE_DYNAMIC(ZnOldInspFormReader)
public:
    // The readers that the embedded confirmation is read with: the factory's, unless a caller
    // gives others.
    void SetConfReaders(const std::vector<ZnOldFormReaderTable::Row>& table) { m_confReaders = &table; }

protected:
    // A building's inspection: the form file of the building number with the building
    // confirmation embedded (a plain ZnModelAppBuild copy of it) and its header, then the common
    // index values with the building number of the building-number string. Null when the form
    // file does not open; without a confirmation the embedded application is null.
    ZnModelApp* ReadBuildingForm(const ZnOldInspForm& form);
    // The inspection of another object kind: every numbered file in turn, the object of the last
    // one with a default header holding the certificate number groups of all files, and the
    // header number and document-kind code. Null, with nothing left behind, when the folder holds
    // no form file or a numbered one does not open. fileCount gets the number of form files.
    std::unique_ptr<ZnModelAppInspConf> ReadNumberedForms(const ZnOldInspForm& form, int& fileCount);
    // The confirmation application of the factory's reader for targetClassName, read from this
    // reader's folder with the given building count and this reader's code and row numbers; null
    // when there is no such reader or it reads nothing. The temporary reader keeps the building
    // number and index position 1 that a new reader starts with.
    std::unique_ptr<ZnModelApp> ReadConfApp(LPCTSTR targetClassName, int buildingCount);
    // A building inspection's version rule: every version is accepted unless the folder holds the
    // building confirmation's "Ksq001.120", and then only an empty one or "6.40".
    int IsBuildingVersionOK();

    // The folder of the form files, ending in "\".
    CString FormFolder() const { return m_basePath + m_formFolder; }
    // The number of files (folders not counted) that match a pattern.
    static int CountFiles(const CString& pattern);

private:
    // Reads one form file into work's object and hands it the file's lists: 0 when the file does
    // not open.
    int ReadFormFile(const CString& path, const ZnOldInspForm& form, ZnOldInspForm::Work& work);

    const std::vector<ZnOldFormReaderTable::Row>* m_confReaders = &ZnOldFormReaderTable::Rows();
};
