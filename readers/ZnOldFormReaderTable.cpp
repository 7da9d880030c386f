#include "readers/ZnOldFormReaderTable.h"

#include "readers/ZnOldFormReader.h"
#include "readers/ZnOldFormReaderBuildConf.h"
#include "readers/ZnOldFormReaderBuildMod.h"

#include <cstdlib>

const std::vector<ZnOldFormReaderTable::Row>& ZnOldFormReaderTable::Rows()
{
    static const std::vector<Row> rows = {
        // The building confirmation and its plan change.
        {100001, 100001, "#110", "ZnModelAppBuildConf", nullptr, Create<ZnOldFormReaderBuildConf>},
        {100301, 100301, "#410", "ZnModelAppBuildMod", nullptr, Create<ZnOldFormReaderBuildMod>},
    };
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
