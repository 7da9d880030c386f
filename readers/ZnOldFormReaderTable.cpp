#include "readers/ZnOldFormReaderTable.h"

#include "readers/ZnOldFormReader.h"
#include "readers/ZnOldFormReaderBuildConf.h"
#include "readers/ZnOldFormReaderBuildMod.h"
#include "readers/ZnOldFormReaderCompInspConf.h"
#include "readers/ZnOldFormReaderCompInspConfSub.h"
#include "readers/ZnOldFormReaderConstNotif.h"
#include "readers/ZnOldFormReaderDemNotif.h"
#include "readers/ZnOldFormReaderEquipConf.h"
#include "readers/ZnOldFormReaderEquipMod.h"
#include "readers/ZnOldFormReaderLiftConf.h"
#include "readers/ZnOldFormReaderLiftMod.h"
#include "readers/ZnOldFormReaderRegInspConf.h"
#include "readers/ZnOldFormReaderRegInspConfSub.h"
#include "readers/ZnOldFormReaderSafeNotif.h"
#include "readers/ZnOldFormReaderSemiStrConf.h"
#include "readers/ZnOldFormReaderSemiStrMod.h"
#include "readers/ZnOldFormReaderStrLiftConf.h"
#include "readers/ZnOldFormReaderStrLiftMod.h"
#include "readers/ZnOldFormReaderStructConf.h"
#include "readers/ZnOldFormReaderStructMod.h"
#include "readers/ZnOldFormReaderTempUseConf.h"

#include <cstdlib>

namespace {

// A new reader of row, with the row's form id and target class name and index position 1.
ZnOldFormReader* NewReader(const ZnOldFormReaderTable::Row& row)
{
    ZnOldFormReader* reader = row.create();
    reader->m_formId = row.formId;
    reader->m_targetClassName = row.targetClassName;
    reader->m_indexPosition = 1;
    return reader;
}

} // namespace

const std::vector<ZnOldFormReaderTable::Row>& ZnOldFormReaderTable::Rows()
{
    static const std::vector<Row> rows = {
        // Lifts, lifts of structures, equipment and structures: confirmations, then plan changes.
        {100002, 100002, "#160", "ZnModelAppLiftConf", nullptr, Create<ZnOldFormReaderLiftConf>},
        {100005, 100005, "#160", "ZnModelAppStrLiftConf", nullptr, Create<ZnOldFormReaderStrLiftConf>},
        {100302, 100302, "#420", "ZnModelAppLiftMod", nullptr, Create<ZnOldFormReaderLiftMod>},
        {100305, 100305, "#420", "ZnModelAppStrLiftMod", nullptr, Create<ZnOldFormReaderStrLiftMod>},
        {100003, 100003, "#170", "ZnModelAppEquipConf", nullptr, Create<ZnOldFormReaderEquipConf>},
        {100303, 100303, "#430", "ZnModelAppEquipMod", nullptr, Create<ZnOldFormReaderEquipMod>},
        {100004, 100004, "#180", "ZnModelAppStructConf", nullptr, Create<ZnOldFormReaderStructConf>},
        {100304, 100304, "#440", "ZnModelAppStructMod", nullptr, Create<ZnOldFormReaderStructMod>},
        {100006, 100006, "#190", "ZnModelAppSemiStrConf", nullptr, Create<ZnOldFormReaderSemiStrConf>},
        {100306, 100306, "#450", "ZnModelAppSemiStrMod", nullptr, Create<ZnOldFormReaderSemiStrMod>},
        // The interim and completion inspections: a building's, then those of the other kinds.
        {100101, 100101, "#280", "ZnModelAppRegInspConf", nullptr, Create<ZnOldFormReaderRegInspConf>},
        {100102, 100106, "#280", "ZnModelAppRegInspConf", nullptr, Create<ZnOldFormReaderRegInspConfSub>},
        {100201, 100201, "#210", "ZnModelAppCompInspConf", nullptr, Create<ZnOldFormReaderCompInspConf>},
        {100202, 100206, "#210", "ZnModelAppCompInspConf", nullptr, Create<ZnOldFormReaderCompInspConfSub>},
        // The building confirmation and its plan change.
        {100001, 100001, "#110", "ZnModelAppBuildConf", nullptr, Create<ZnOldFormReaderBuildConf>},
        // A building confirmation's floppy carries its construction notification.
        {100001, 100001, "#240", "ZnModelAppConstNotif", "100801", Create<ZnOldFormReaderConstNotif>},
        {100301, 100301, "#410", "ZnModelAppBuildMod", nullptr, Create<ZnOldFormReaderBuildMod>},
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
        ZnOldFormReader* reader = NewReader(row);
        reader->m_appTypeCode = row.appTypeCode ? CString(row.appTypeCode) : codeText;
        readers.Add(reader);
    }
}

ZnOldFormReader* ZnOldFormReaderTable::CreateReaderOf(const std::vector<Row>& table, LPCTSTR targetClassName)
{
    for (const Row& row : table) {
        if (CString(row.targetClassName) == targetClassName)
            return NewReader(row);
    }
    return nullptr;
}
