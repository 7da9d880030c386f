#include "readers/ZnOldFormReaderCompInspConfSub.h"

#include "model/ZnModelAppSemiStr.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(ZnOldFormReaderCompInspConfSub, ZnOldInspFormReader)

namespace {

const char semiStructureCode[] = "100206";

} // namespace

ZnModelApp* ZnOldFormReaderCompInspConfSub::Read()
{
    int fileCount = 0;
    std::unique_ptr<ZnModelAppInspConf> app = ReadNumberedForms(ZnOldInspForm::Completion(), fileCount);
    if (!app || std::atoi(m_appTypeCode) != std::atoi(semiStructureCode))
        return app.release();
    std::unique_ptr<ZnModelApp> conf = ReadConfApp("ZnModelAppSemiStrConf", fileCount);
    if (conf && conf->IsKindOf(RUNTIME_CLASS(ZnModelAppSemiStr)))
        // The semi-structure part alone, as the inspection keeps it.
        app->m_baseApp.Reset(
            static_cast<ZnModelApp*>(static_cast<ZnModelAppSemiStr*>(conf.get())->ZnModelAppSemiStr::Clone()));
    return app.release();
}
