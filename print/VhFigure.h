// The geometry of one drawable shape: how it transforms, its extent, whether a point hits it and
// where it crosses another figure. A figure may carry an own transform, which applies to it
// before any transform a caller gives, and an attribute record that is kept but never read here.
#pragma once

#include "print/VhTrans.h"
#include "print/VhValue.h"

class VhFigureLine;
class VhFigureRect;

class VhFigure : public VhObject {
    DECLARE_DYNAMIC(VhFigure)
public:
    VhFigure() = default;
    // Copies the attribute record and the fill flag, and clones the own transform.
    VhFigure(const VhFigure& other);
    // The same through SetTrans; the serial id stays.
    VhFigure& operator=(const VhFigure& other);
    ~VhFigure() override;

    virtual VhFigure* Clone() const = 0;
    // Changes the figure's own coordinates; the own transform stays as it is.
    virtual void Transform(const VhTrans& trans) {}
    // Fills points with where this figure crosses other (CrossWithLineEx of other when useEx is
    // set); 1 when it crosses.
    virtual BOOL CrossPoints(const VhFigure& other, VhPointArray& points, BOOL useEx) const = 0;
    // The bounding rectangle under the own transform followed by trans (when given), into
    // extent; 1 when there is one, else 0 and extent untouched.
    virtual BOOL GetExtent(const VhTrans* trans, VhFigureRect* extent) const { return FALSE; }
    // Tolerance negative: VhTolerance. is3D: the test takes z into account.
    virtual BOOL HitOutline(const VhPoint& point, double tolerance, BOOL is3D) const { return FALSE; }
    virtual BOOL HitInside(const VhPoint& point, double tolerance, BOOL is3D) const
    {
        return HitOutline(point, tolerance, is3D);
    }
    // Appends where line crosses this figure to points; 1 when it does.
    virtual BOOL CrossWithLine(const VhFigureLine& line, VhPointArray& points) const { return FALSE; }
    virtual BOOL CrossWithLineEx(const VhFigureLine& line, VhPointArray& points) const { return FALSE; }

    // Keeps a clone of trans as the own transform (none for null), deleting the one before.
    void SetTrans(const VhTrans* trans);
    const VhTrans* GetTrans() const { return m_trans; }
    // 1 on the outline, else 2 inside, else 0.
    int Hit(const VhPoint& point, double tolerance, BOOL is3D) const;

    int GetFillFlag() const { return m_fill; }
    void SetFillFlag(int fill) { m_fill = fill; }
    VhValue& GetAttributes() { return m_attributes; }
    const VhValue& GetAttributes() const { return m_attributes; }

    // The figure part: the attribute record, an object list holding the own transform when there
    // is one, and a record of 5 ints whose first is the fill flag. Loading replaces the own
    // transform (deleting the one before); a list of more than one object, or of an object that is
    // no VhTrans, throws CArchiveException.
    void Serialize(CArchive& ar) override;
    // Another figure of this very class with an equal own transform, or none on both sides. The
    // attribute record and the fill flag are not compared.
    BOOL IsEqual(const VhObject* other) const override;

protected:
    // The own transform followed by trans, each when present.
    VhTrans CombinedTrans(const VhTrans* trans) const;
    // Offers line to other, through CrossWithLine or CrossWithLineEx; its result.
    static BOOL OfferLine(const VhFigure& other, const VhFigureLine& line, VhPointArray& points, BOOL useEx);
    // Sets extent to the normalised bounds of the points under trans, in the plane (z 0); 1, or 0
    // when extent is missing.
    static BOOL BoundPoints(const VhPoint* points, INT_PTR count, const VhTrans& trans, VhFigureRect* extent);

private:
    VhValue m_attributes;
    VhTrans* m_trans = nullptr;
    int m_fill = 0;
};
