#include "print/VhTrans.h"

#include "print/VhMath.h"
#include "print/VhValue.h"

#include <cmath>

IMPLEMENT_SERIAL(VhTrans, VhObject, 0)

VhTrans& VhTrans::operator=(const VhTrans& other)
{
    if (this != &other)
        for (int row = 0; row < 4; ++row)
            for (int column = 0; column < 3; ++column)
                m_values[row][column] = other.m_values[row][column];
    return *this;
}

void VhTrans::Identity()
{
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 3; ++column)
            m_values[row][column] = row == column ? 1.0 : 0.0;
}

void VhTrans::Multiply(const VhTrans& other)
{
    double result[4][3];
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 3; ++column)
            result[row][column] =
                m_values[row][0] * other.m_values[0][column] + m_values[row][1] * other.m_values[1][column] +
                m_values[row][2] * other.m_values[2][column] + (row == 3 ? other.m_values[3][column] : 0.0);
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 3; ++column)
            m_values[row][column] = result[row][column];
}

void VhTrans::MultiplyRows(const double (&rows)[3][3])
{
    VhTrans other;
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            other.m_values[row][column] = rows[row][column];
    Multiply(other);
}

void VhTrans::Apply(VhPoint& point) const
{
    VhPoint vector = ApplyToVector(point);
    point.x = vector.x + m_values[3][0];
    point.y = vector.y + m_values[3][1];
    point.z = vector.z + m_values[3][2];
}

VhPoint VhTrans::ApplyToVector(const VhPoint& vector) const
{
    double image[3];
    for (int column = 0; column < 3; ++column)
        image[column] =
            vector.x * m_values[0][column] + vector.y * m_values[1][column] + vector.z * m_values[2][column];
    return VhPoint(image[0], image[1], image[2]);
}

void VhTrans::Translate(const VhPoint& offset)
{
    m_values[3][0] += offset.x;
    m_values[3][1] += offset.y;
    m_values[3][2] += offset.z;
}

void VhTrans::TranslateBack(const VhPoint& offset) { Translate(offset * -1.0); }

void VhTrans::RotateX(double radians)
{
    double c = std::cos(radians), s = std::sin(radians);
    MultiplyRows({{1, 0, 0}, {0, c, -s}, {0, s, c}});
}

void VhTrans::RotateZ(double radians)
{
    double c = std::cos(radians), s = std::sin(radians);
    MultiplyRows({{c, s, 0}, {-s, c, 0}, {0, 0, 1}});
}

void VhTrans::Scale(double sx, double sy, double sz) { MultiplyRows({{1 / sx, 0, 0}, {0, 1 / sy, 0}, {0, 0, 1 / sz}}); }

double VhTrans::Determinant() const
{
    const double(&m)[4][3] = m_values;
    return m[1][0] * m[2][1] * m[0][2] + m[2][2] * m[1][1] * m[0][0] + m[2][0] * m[1][2] * m[0][1] -
           m[2][1] * m[1][2] * m[0][0] - m[2][2] * m[1][0] * m[0][1] - m[2][0] * m[1][1] * m[0][2];
}

void VhTrans::Invert()
{
    const double(&m)[4][3] = m_values;
    double det = Determinant();
    double c[4][3];
    c[0][0] = m[1][1] * m[2][2] - m[2][1] * m[1][2];
    c[1][0] = m[2][0] * m[1][2] - m[2][2] * m[1][0];
    c[2][0] = m[1][0] * m[2][1] - m[2][0] * m[1][1];
    c[0][1] = m[0][2] * m[2][1] - m[2][2] * m[0][1];
    c[1][1] = m[2][2] * m[0][0] - m[2][0] * m[0][2];
    c[2][1] = m[2][0] * m[0][1] - m[0][0] * m[2][1];
    c[0][2] = m[0][1] * m[1][2] - m[0][2] * m[1][1];
    c[1][2] = m[0][2] * m[1][0] - m[0][0] * m[1][2];
    c[2][2] = m[0][0] * m[1][1] - m[0][1] * m[1][0];
    for (int j = 0; j < 3; ++j)
        c[3][j] = -(c[0][j] * m[3][0] + c[1][j] * m[3][1] + c[2][j] * m[3][2]);
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 3; ++column)
            m_values[row][column] = c[row][column] / det;
}

double VhTrans::GetScaleX() const { return VhPoint(m_values[0][0], m_values[0][1], m_values[0][2]).Length(TRUE); }

double VhTrans::GetScaleY() const { return VhPoint(m_values[1][0], m_values[1][1], m_values[1][2]).Length(TRUE); }

BOOL VhTrans::IsEqual(const VhObject* other) const
{
    if (!other || !other->IsKindOf(RUNTIME_CLASS(VhTrans)))
        return FALSE;
    const auto* trans = static_cast<const VhTrans*>(other);
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 3; ++column)
            if (!(std::fabs(m_values[row][column] - trans->m_values[row][column]) <= VhTolerance))
                return FALSE;
    return TRUE;
}

void VhTrans::Serialize(CArchive& ar)
{
    double(&v)[4][3] = m_values;
    VhValue::SerializeRecord(ar, 5, 15, {},
                             {&v[0][0], &v[0][1], &v[0][2], &v[1][0], &v[1][1], &v[1][2], &v[2][0], &v[2][1], &v[2][2],
                              &v[3][0], &v[3][1], &v[3][2]});
}

VhPoint operator*(const VhPoint& point, const VhTrans& trans)
{
    VhPoint image(point);
    trans.Apply(image);
    return image;
}
