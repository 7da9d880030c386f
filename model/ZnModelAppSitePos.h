// A site-position record: eight values that the model stores, copies and serialises as a block
// without giving them a meaning. Held twice by the site page and by the semi-structure
// application.
#pragma once

#include "model/ZnModel.h"

class ZnModelAppSitePos : public ZnModel {
    DECLARE_ZN_MODEL(ZnModelAppSitePos)
public:
    // The eight values in index order.
    void Serialize(CArchive& ar) override;

    int m_values[8] = {};
};
