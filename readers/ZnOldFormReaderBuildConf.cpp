#include "readers/ZnOldFormReaderBuildConf.h"

#include "model/ZnModelAppBuildConf.h"

#include <memory>

IMPLEMENT_DYNAMIC(ZnOldFormReaderBuildConf, ZnOldFormReaderBuild)

ZnModelApp* ZnOldFormReaderBuildConf::Read()
{
    std::unique_ptr<ZnModelAppBuildConf> app(new ZnModelAppBuildConf);
    if (!ReadBuildingForm(*app, &app->m_with)) {
        CloseDataFile();
        return nullptr;
    }
    return app.release();
}
