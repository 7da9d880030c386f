#include "readers/ZnOldFormReaderTable.h"

#include "readers/ZnOldFormReader.h"

#include <cstdlib>

const std::vector<ZnOldFormReaderTable::Row>& ZnOldFormReaderTable::Rows()
{
    static const std::vector<Row> rows = {};
    return rows;
}

void ZnOldFormReaderTable::AppendReaders(const std::vector<Row>& table, const CString& codeText, CPtrArray& readers)
{
    int code = std::atoi(codeText);
    for (const Row& row : table) {
        if (code < row.firstCode || code > row.lastCode)
            continue;
        ZnOldFormReader* reader = row.create();
        reader->m_formId = row.formId;
        reader->m_targetClassName = row.targetClassName;
        reader->m_appTypeCode = row.appTypeCode ? CString(row.appTypeCode) : codeText;
        reader->m_indexPosition = 1;
        readers.Add(reader);
    }
}
