// A figure with drawing attributes: line type, width and colour, a hatch that fills it, the raster
// operation and the background mode. Each kind embeds one figure and forwards the geometry to
// it; Draw hands the drawable to the renderer operation of its kind.
#pragma once

#include "print/VhFigureRect.h"

class VhDrawImp;

class VhDraw : public VhObject {
    DECLARE_DYNAMIC(VhDraw)
public:
    enum { NoHatch = -1 };

    VhDraw() = default;
    // Copies the eight int fields; the style value is not copied but starts at 0.
    VhDraw(const VhDraw& other);
    VhDraw& operator=(const VhDraw&) = delete;

    virtual VhDraw* Clone() const = 0;
    // The figure's; 0 without a figure.
    virtual BOOL HitOutline(const VhPoint& point, double tolerance, BOOL is3D) const;
    virtual BOOL HitInside(const VhPoint& point, double tolerance, BOOL is3D) const;
    virtual int Hit(const VhPoint& point, double tolerance, BOOL is3D) const;
    // HitInside when filled, else HitOutline.
    virtual BOOL HitByFill(const VhPoint& point, double tolerance, BOOL is3D) const;
    // Calls the renderer operation of this kind with this drawable and trans; its result.
    virtual int Draw(VhDrawImp* imp, const VhTrans* trans) const = 0;
    virtual void Transform(const VhTrans& trans);
    // The figure's fill flag; 0 without a figure.
    virtual BOOL IsFilled() const;
    virtual void SetTrans(const VhTrans* trans);
    virtual const VhTrans* GetTrans() const;
    virtual BOOL GetExtent(const VhTrans* trans, VhFigureRect* extent) const;
    // Colour, line type, line width and hatch, in this order, through the setters.
    virtual void SetAttributes(const int attributes[4]);
    virtual void SetLineType(int lineType) { m_lineType = lineType; }
    virtual void SetLineWidth(int lineWidth) { m_lineWidth = lineWidth; }
    virtual void SetStyleOption(int styleOption) { m_styleOption = styleOption; }
    virtual void SetColor(int color) { m_color = color; }
    // The figure is filled exactly when the hatch is not NoHatch.
    virtual void SetHatch(int hatch);
    virtual void SetROP2(int rop) { m_rop = rop; }
    virtual void SetBkMode(int bkMode) { m_bkMode = bkMode; }
    virtual void SetStyleValue(double styleValue) { m_styleValue = styleValue; }
    // The embedded figure; null without one.
    virtual VhFigure* GetFigure() { return nullptr; }
    virtual const VhFigure* GetFigure() const { return nullptr; }

    int GetReserved() const { return m_reserved; }
    int GetLineType() const { return m_lineType; }
    int GetLineWidth() const { return m_lineWidth; }
    int GetStyleOption() const { return m_styleOption; }
    int GetColor() const { return m_color; }
    int GetHatch() const { return m_hatch; }
    int GetROP2() const { return m_rop; }
    int GetBkMode() const { return m_bkMode; }
    double GetStyleValue() const { return m_styleValue; }

    // Another drawable of this very class with the same fields and, where both have one, equal figures.
    BOOL IsEqual(const VhObject* other) const override;
    // The drawable part: a record of 10 ints (the eight int fields) and 5 doubles (the style value).
    void Serialize(CArchive& ar) override;

protected:
    // The drawable part, the figure, then an empty record.
    void SerializeWithFigure(CArchive& ar, VhFigure& figure);

private:
    int m_reserved = 0;
    int m_lineType = 0;
    int m_lineWidth = 0;
    int m_styleOption = 0;
    int m_color = 0;
    int m_hatch = NoHatch;
    int m_rop = 9;    // R2_MASKPEN
    int m_bkMode = 1; // TRANSPARENT
    double m_styleValue = 0.0;
};
