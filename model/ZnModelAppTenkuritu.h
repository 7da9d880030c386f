// The sky-factor special provision: a first value that no writer prints, then the exemptions
// from the road (道路高さ制限不適用), adjacent-land (隣地高さ制限不適用) and north-side
// (北側高さ制限不適用) height limits.
#pragma once

#include "model/ZnModel.h"

class ZnModelAppTenkuritu : public ZnModel {
    DECLARE_ZN_MODEL(ZnModelAppTenkuritu)
public:
    // The provision is applied (有) when any of the three exemptions is set, otherwise not (無).
    bool IsApplied() const { return m_roadLimitExempt || m_adjacentLimitExempt || m_northLimitExempt; }

    // The four values in field order.
    void Serialize(CArchive& ar) override;

    int m_first = 0;
    int m_roadLimitExempt = 0;
    int m_adjacentLimitExempt = 0;
    int m_northLimitExempt = 0;
};
