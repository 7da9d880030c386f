// The building confirmation application (確認申請書（建築物）): the building application and the
// applications that accompany it (its lifts, equipment and structures).
#pragma once

#include "model/ZnModelAppBuild.h"
#include "model/ZnModelAppWith.h"

class ZnModelAppBuildConf : public ZnModelAppBuild {
    DECLARE_ZN_MODEL(ZnModelAppBuildConf)
public:
    void SetWith(const ZnModelAppWith& with) { m_with = with; }
    const ZnModelAppWith& GetWith() const { return m_with; }

    // The building application first, the accompanying applications last.
    void Serialize(CArchive& ar) override;

    ZnModelAppWith m_with;
};
