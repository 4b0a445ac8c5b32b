#include <vorn/VornProfileGenerator.h>

#include <algorithm>
#include <cmath>

VornProfileGenerator::VornProfileGenerator(std::uint32_t seed)
    : m_random(seed)
{ }

void VornProfileGenerator::fill(Vorn3dParametricCurveArray& curves, double t, double phase)
{
    std::normal_distribution<double> noise(0.0, m_noise);
    std::vector<Vorn3dParametricCurveArray::Point> points(m_count);
    std::vector<std::uint16_t> reflectance(m_count);
    std::vector<std::uint8_t> peakWidth(m_count);
    const double span = m_xEnd - m_xStart;
    const double step = m_count > 1 ? span / double(m_count - 1) : 0.0;
    for (std::size_t i = 0; i < m_count; ++i) {
        const double x = m_xStart + step * double(i);
        const double u = span != 0.0 ? (x - m_xStart) / span : 0.0;
        double height = 20.0 + 8.0 * std::sin(6.0 * u + 0.7 * t + phase)
            + 3.0 * std::sin(17.0 * u - 0.3 * t + 2.0 * phase);
        if (u > 0.4 && u < 0.6)
            height += 10.0; // a raised part on the belt
        height += noise(m_random);
        points[i] = { float(x), float(height) };
        const double bright = 0.5 + 0.5 * std::cos(9.0 * u + 0.5 * t + phase);
        reflectance[i] = std::uint16_t(std::clamp(bright * 4000.0 + 200.0 * noise(m_random), 0.0, 65535.0));
        peakWidth[i] = std::uint8_t(std::clamp(6.0 + 4.0 * bright, 0.0, 255.0));
    }
    curves.SetValidPoints(std::move(points));
    curves.SetValidPointData("reflectance", reflectance);
    curves.SetValidPointData("peak_width", peakWidth);
}
