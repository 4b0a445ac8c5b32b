#include "chart/curve_reader.h"

#include <vorn/Vorn3dParametricCurveArray.h>

#include <algorithm>

namespace util::detail {

namespace {

/// How many elements of @p buffer stand for valid points of @p curves.
std::size_t readableSize(const Vorn3dParametricCurveArray& curves, const VornVector& buffer)
{
    return buffer.GetData() ? std::min(curves.GetValidPointCount(), buffer.GetSize()) : 0;
}

} // namespace

std::size_t validPointCount(const Vorn3dParametricCurveArray& curves)
{
    return curves.GetValidPointCount();
}

CurvePoints::CurvePoints(const Vorn3dParametricCurveArray& curves)
{
    curves.GetValidPoints(&m_buffer);
    m_size = readableSize(curves, m_buffer);
    m_xy = static_cast<const float*>(m_buffer.GetData());
}

bool readChannel(
    const Vorn3dParametricCurveArray& curves, const char* name, VornVector& buffer, std::size_t& size)
{
    size = 0;
    if (!curves.HasPointData(name))
        return false;
    curves.GetValidPointData(name, &buffer);
    size = readableSize(curves, buffer);
    return true;
}

} // namespace util::detail
