// Stand-in for the camera SDK's curve array: one measured profile.
#pragma once

#include <vorn/VornVector.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

/**
 * @brief The valid points of one sensor profile, with optional per-point data.
 *
 * Valid points are (x, height) pairs of 32-bit floats. Per-point data
 * channels hold one value per valid point: "reflectance" as uint16_t and
 * "peak_width" as uint8_t. Setting new points drops every channel whose
 * length no longer matches.
 */
class Vorn3dParametricCurveArray
{
public:
    struct Point
    {
        float x;
        float height;
    };

    // Reading, as the chart does.
    std::size_t GetValidPointCount() const { return m_points.size(); }
    /// Fills @p out with the valid points (element: two floats, x first). False for a null @p out.
    bool GetValidPoints(VornVector* out) const;
    bool HasPointData(const std::string& name) const;
    /// Fills @p out with the channel @p name; false (and @p out emptied) if there is no such channel.
    bool GetValidPointData(const std::string& name, VornVector* out) const;

    // Filling, as an acquisition (or a test) does.
    void SetValidPoints(std::vector<Point> points);
    /// False, and nothing stored, when @p values does not hold one value per valid point.
    bool SetValidPointData(const std::string& name, const std::vector<std::uint16_t>& values);
    bool SetValidPointData(const std::string& name, const std::vector<std::uint8_t>& values);
    void RemovePointData(const std::string& name);
    void Clear();

private:
    bool storeChannel(const std::string& name, const void* data, std::size_t count, std::size_t elementSize);

    struct Channel
    {
        VornVector values;
    };
    std::vector<Point> m_points;
    std::map<std::string, Channel> m_channels;
};
