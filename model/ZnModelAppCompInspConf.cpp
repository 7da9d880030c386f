#include "model/ZnModelAppCompInspConf.h"

IMPLEMENT_SERIAL(ZnModelAppCompInspConf, ZnModelAppInspConf, VERSIONABLE_SCHEMA | 258)

namespace {
const UINT specialCertSchema = 257;
const UINT buildPagesSchema = 258;
} // namespace

void ZnModelAppCompInspConf::Serialize(CArchive& ar)
{
    UINT schema = SerializeClassRef(ar, RUNTIME_CLASS(ZnModelAppCompInspConf));
    ZnModelAppInspConf::Serialize(ar);
    SerializeFields(ar, m_pastInsp);
    // An older layout has no pages: loading it leaves none, rather than keeping those held before.
    SerializeFieldIf(ar, schema == buildPagesSchema, m_buildPageList);
    SerializeFieldIf(ar, schema >= specialCertSchema, m_specialCertNo);
    SerializeFieldIf(ar, schema == buildPagesSchema, m_text2);
    SerializeBaseApp(ar);
    SerializeFields(ar, m_pastInspList);
}
