#include "readers/ZnOldFormReaderTable.h"

#include "readers/ZnOldFormReader.h"
#include "readers/ZnOldFormReaderConstNotif.h"
#include "readers/ZnOldFormReaderDemNotif.h"
#include "readers/ZnOldFormReaderSafeNotif.h"
#include "readers/ZnOldFormReaderTempUseConf.h"

#include <cstdlib>

const std::vector<ZnOldFormReaderTable::Row>& ZnOldFormReaderTable::Rows()
{
    static const std::vector<Row> rows = {
        // The temporary-use, construction, demolition and safety-plan notification forms.
        {100401, 100406, "#220", "ZnModelAppTempUseConf", nullptr, Create<ZnOldFormReaderTempUseConf>},
        {100411, 100416, "#230", "ZnModelAppTempUseConf", nullptr, Create<ZnOldFormReaderTempUseConf>},
        {100801, 100801, "#240", "ZnModelAppConstNotif", nullptr, Create<ZnOldFormReaderConstNotif>},
        {100802, 100802, "#250", "ZnModelAppDemNotif", nullptr, Create<ZnOldFormReaderDemNotif>},
        {100803, 100803, "#260", "ZnModelAppSafeNotif", nullptr, Create<ZnOldFormReaderSafeNotif>},
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
