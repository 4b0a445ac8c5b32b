// Synthetic sensor profiles for tests, demos and benchmarks.
#pragma once

#include <vorn/Vorn3dParametricCurveArray.h>

#include <cstdint>
#include <random>

/**
 * @brief Produces smooth, noisy profiles as a laser line sensor would deliver
 * them: x spans [xStart, xEnd] in millimetres, the height is a sum of slow
 * waves plus a step and Gaussian noise, and "reflectance" and "peak_width"
 * follow the surface. Deterministic for a given seed.
 */
class VornProfileGenerator
{
public:
    explicit VornProfileGenerator(std::uint32_t seed = 1);

    void setPointCount(std::size_t count) { m_count = count; }
    std::size_t pointCount() const { return m_count; }
    void setXRange(double start, double end)
    {
        m_xStart = start;
        m_xEnd = end;
    }
    /// Standard deviation of the height noise in millimetres (default 0.05).
    void setNoise(double sigma) { m_noise = sigma; }

    /**
     * Fills @p curves with one profile at time @p t (seconds); the shape
     * drifts slowly with t. @p phase offsets the profile so several series
     * at the same time differ.
     */
    void fill(Vorn3dParametricCurveArray& curves, double t, double phase = 0.0);

private:
    std::mt19937 m_random;
    std::size_t m_count = 1024;
    double m_xStart = 0.0;
    double m_xEnd = 100.0;
    double m_noise = 0.05;
};
