// What the drawables of one figure kind share: the embedded figure, reached through GetFigure,
// and the archive form of the drawable part, the figure and an empty record.
#pragma once

#include "print/VhDraw.h"

template <class Figure> class VhDrawFigure : public VhDraw {
public:
    VhFigure* GetFigure() override { return &m_figure; }
    const VhFigure* GetFigure() const override { return &m_figure; }
    Figure& GetShape() { return m_figure; }
    const Figure& GetShape() const { return m_figure; }

    void Serialize(CArchive& ar) override { SerializeWithFigure(ar, m_figure); }

protected:
    Figure m_figure;
};
