// An affine transform of row-vector points: p' = p·M + T, with M the 3 × 3 matrix of rows X, Y,
// Z and T the translation row. "This followed by other" applies this first.
#pragma once

#include "print/VhPoint.h"

class VhTrans : public VhObject {
    DECLARE_SERIAL(VhTrans)
public:
    // The identity.
    VhTrans() { Identity(); }
    VhTrans(const VhTrans& other) : VhObject(other) { *this = other; }
    VhTrans& operator=(const VhTrans& other);

    // Row 0 to 2 are the matrix rows X, Y, Z; row 3 is the translation.
    double GetAt(int row, int column) const { return m_values[row][column]; }
    void SetAt(int row, int column, double value) { m_values[row][column] = value; }

    void Identity();
    // This := this followed by other.
    void Multiply(const VhTrans& other);
    void Apply(VhPoint& point) const;
    // The point's image without the translation.
    VhPoint ApplyToVector(const VhPoint& vector) const;
    void Translate(const VhPoint& offset);
    void TranslateBack(const VhPoint& offset);
    // Each followed by the rotation by radians about that axis.
    void RotateX(double radians);
    void RotateZ(double radians);
    // This followed by the scaling by 1/sx, 1/sy, 1/sz: the arguments are divisors.
    void Scale(double sx, double sy, double sz);
    // In place, by cofactors and the determinant; a singular matrix gives infinities or NaN.
    void Invert();
    // The determinant of the 3 × 3 matrix: 0 when the transform cannot be inverted.
    double Determinant() const;
    // The 3D length of row X, of row Y.
    double GetScaleX() const;
    double GetScaleY() const;

    // Another transform whose twelve values each lie within VhTolerance of these.
    BOOL IsEqual(const VhObject* other) const override;
    virtual VhTrans* Clone() const { return new VhTrans(*this); }
    // A record of 5 ints and 15 doubles: doubles 0 to 11 are the rows X, Y, Z and the translation.
    void Serialize(CArchive& ar) override;

private:
    // Multiplies by the transform of these matrix rows, with no translation.
    void MultiplyRows(const double (&rows)[3][3]);

    double m_values[4][3];
};

// The point's image under the transform, as a new point.
VhPoint operator*(const VhPoint& point, const VhTrans& trans);
