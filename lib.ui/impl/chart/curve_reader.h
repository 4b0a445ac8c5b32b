// The chart's one reader of the camera SDK's curve arrays.
#pragma once

#include <vorn/VornVector.h>

#include <cstddef>
#include <cstdint>

class Vorn3dParametricCurveArray;

namespace util::detail {

// Reads curve arrays through the SDK's documented calls only: GetValidPointCount,
// GetValidPoints, HasPointData, GetValidPointData, and VornVector's GetSize and
// GetData. Return values of the getters are not relied on; a vector is read as
// far as both its GetSize and GetValidPointCount reach, and not at all without
// data.

/// The number of valid points the curve array reports.
std::size_t validPointCount(const Vorn3dParametricCurveArray& curves);

/// The valid points: pairs of 32-bit floats, x first, then the profile height.
class CurvePoints
{
public:
    explicit CurvePoints(const Vorn3dParametricCurveArray& curves);

    std::size_t size() const { return m_size; }
    float x(std::size_t j) const { return m_xy[2 * j]; }
    float height(std::size_t j) const { return m_xy[2 * j + 1]; }

private:
    VornVector m_buffer;
    const float* m_xy = nullptr;
    std::size_t m_size = 0;
};

/// Per-point channels in their documented formats: one value per valid point.
struct ReflectanceChannel
{
    using Value = std::uint16_t;
    static constexpr const char* name = "reflectance";
};
struct PeakWidthChannel
{
    using Value = std::uint8_t;
    static constexpr const char* name = "peak_width";
};

/**
 * Fills @p buffer with the channel @p name when the curve array has it, and sets @p size to how many
 * of its values belong to valid points. Returns whether the channel exists.
 */
bool readChannel(
    const Vorn3dParametricCurveArray& curves, const char* name, VornVector& buffer, std::size_t& size);

/// The values of one per-point channel.
template<typename Channel> class CurveChannel
{
public:
    explicit CurveChannel(const Vorn3dParametricCurveArray& curves)
        : m_exists(readChannel(curves, Channel::name, m_buffer, m_size))
        , m_values(static_cast<const typename Channel::Value*>(m_buffer.GetData()))
    { }

    /// Whether the curve array has this channel at all.
    bool exists() const { return m_exists; }
    std::size_t size() const { return m_size; }
    typename Channel::Value operator[](std::size_t j) const { return m_values[j]; }

private:
    VornVector m_buffer;
    std::size_t m_size = 0;
    bool m_exists;
    const typename Channel::Value* m_values;
};

} // namespace util::detail
