#include "model/ZnModelAppRegInspConf.h"

IMPLEMENT_SERIAL(ZnModelAppRegInspConf, ZnModelAppInspConf, VERSIONABLE_SCHEMA | 257)

namespace {
const UINT specialCertSchema = 257;
} // namespace

void ZnModelAppRegInspConf::Serialize(CArchive& ar)
{
    UINT schema = SerializeClassRef(ar, RUNTIME_CLASS(ZnModelAppRegInspConf));
    ZnModelAppInspConf::Serialize(ar);
    SerializeFields(ar, m_stage, m_pastInsp, m_nextStage);
    SerializeFieldIf(ar, schema == specialCertSchema, m_specialCertNo);
    SerializeBaseApp(ar);
    SerializeFields(ar, m_pastInspList, m_nextStageList);
}
