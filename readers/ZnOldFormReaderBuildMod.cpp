#include "readers/ZnOldFormReaderBuildMod.h"

#include "model/ZnModelAppBuildMod.h"
#include "readers/ZnOldFormItem.h"

#include <memory>

IMPLEMENT_DYNAMIC(ZnOldFormReaderBuildMod, ZnOldFormReaderBuild)

namespace {

typedef ZnOldFormPersonLayout::Record Record;

CString Field(const Record& record, int n) { return ZnOldFormPersonLayout::Field(record, n); }

const ZnOldFormItem<ZnModelAppBuildMod, Record> changeItems[] = {
    {41010, 5,
     [](ZnModelAppBuildMod& app, const Record& r) {
         app.m_prevConfNum.m_number = Field(r, 1);
         app.m_prevConfNum.m_date.SetDateString(Field(r, 2));
         app.m_prevConfNum.m_furtherText = Field(r, 3);
         app.m_planChangeSummary = Field(r, 4);
     }},
};

} // namespace

ZnModelApp* ZnOldFormReaderBuildMod::Read()
{
    std::unique_ptr<ZnModelAppBuildMod> app(new ZnModelAppBuildMod);
    if (!OpenDataFile(FormPath("Ksq001.410")))
        return nullptr;
    ReadFormItems(*this, changeItems, *app);
    CloseDataFile();
    if (!ReadBuildingForm(*app, nullptr)) {
        CloseDataFile();
        return nullptr;
    }
    return app.release();
}
