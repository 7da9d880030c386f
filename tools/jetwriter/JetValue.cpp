#include "tools/jetwriter/JetValue.h"

#include <stdexcept>
#include <utility>

JetValue JetValue::Integer(int64_t value)
{
    JetValue v;
    v.kind_ = Kind::Integer;
    v.integer_ = value;
    return v;
}

JetValue JetValue::Real(double value)
{
    JetValue v;
    v.kind_ = Kind::Real;
    v.real_ = value;
    return v;
}

JetValue JetValue::Date(const COleDateTime& value)
{
    if (value.GetStatus() == COleDateTime::null)
        return Null();
    if (value.GetStatus() != COleDateTime::valid)
        throw std::invalid_argument("an invalid date");
    return Real(value.m_dt);
}

JetValue JetValue::Text(std::string cp932)
{
    JetValue v;
    v.kind_ = Kind::Text;
    v.bytes_ = std::move(cp932);
    return v;
}

JetValue JetValue::Bytes(std::string bytes)
{
    JetValue v;
    v.kind_ = Kind::Bytes;
    v.bytes_ = std::move(bytes);
    return v;
}
