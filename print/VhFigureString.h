// A line of text placed in the world: the box of its characters sits on the position as the
// alignment says, turned about the position by the angle. The shape code scales the character
// cell; the character width is either explicit or follows the height (auto width).
#pragma once

#include "print/VhFigurePolygon.h"
#include "print/VhFigureRect.h"

class VhFigureString : public VhFigure {
    DECLARE_SERIAL(VhFigureString)
public:
    // Filled, shape code 7, everything else 0 or empty.
    VhFigureString();

    VhFigureString* Clone() const override { return new VhFigureString(*this); }
    // The position moves and the angle turns with the x axis; height and width stay.
    void Transform(const VhTrans& trans) override;
    // 0; points untouched.
    BOOL CrossPoints(const VhFigure& other, VhPointArray& points, BOOL useEx) const override;
    // The bounds of the two diagonal corners of the box (y up) under the text's rotation and
    // position, the own transform and trans; 1.
    BOOL GetExtent(const VhTrans* trans, VhFigureRect* extent) const override;
    BOOL HitOutline(const VhPoint& point, double tolerance, BOOL is3D) const override;
    // Inside the box polygon (y up), or on its outline.
    BOOL HitInside(const VhPoint& point, double tolerance, BOOL is3D) const override;

    // Sets the shape code and fixes the character width now: the width factor × height × 0.5,
    // or for code 0 none, the width then following the height (auto width).
    void SetShape(int shapeCode);
    double GetWidthFactor() const;
    double GetHeightFactor() const;
    double GetCharWidth() const;
    double GetTextHeight() const;
    // The character width times the text's bytes: a double-byte character counts two.
    double GetTextWidth() const;
    // Where the box's reference corner lies from the position for a box of that size; downwards:
    // the device's y axis grows downwards.
    VhPoint GetAnchorOffset(double width, double height, BOOL downwards) const;
    // The box in the text's own frame: origin at the position, not turned.
    VhFigureRect GetBoxRect(BOOL downwards) const;
    // The box in the world, turned about the position; the own transform is not applied.
    VhFigurePolygon GetBoxPolygon(BOOL downwards) const;

    const VhPoint& GetPosition() const { return m_position; }
    const CString& GetText() const { return m_text; }
    double GetHeight() const { return m_height; }
    double GetAngle() const { return m_angle; }
    int GetAlignment() const { return m_alignment; }
    int GetShapeCode() const { return m_shapeCode; }
    int GetAutoWidth() const { return m_autoWidth; }
    double GetWidth() const { return m_width; }
    void SetPosition(const VhPoint& position) { m_position = position; }
    void SetText(const CString& text) { m_text = text; }
    void SetHeight(double height) { m_height = height; }
    void SetAngle(double radians) { m_angle = radians; }
    void SetAlignment(int alignment) { m_alignment = alignment; }
    // An explicit character width: auto width off.
    void SetCharWidth(double width)
    {
        m_width = width;
        m_autoWidth = 0;
    }

    BOOL IsEqual(const VhObject* other) const override;
    // The figure part, the position, a string array holding the text, and a record of 5 ints
    // (alignment, shape code, auto width) and 5 doubles (height, angle, width). A string array
    // without a string throws CArchiveException.
    void Serialize(CArchive& ar) override;

private:
    // Rotation by the angle, then translation to the position.
    VhTrans PlacementTrans() const;

    VhPoint m_position;
    CString m_text;
    double m_height = 0.0;
    double m_angle = 0.0;
    int m_alignment = 0;
    int m_shapeCode = 0;
    int m_autoWidth = 0;
    double m_width = 0.0;
};
