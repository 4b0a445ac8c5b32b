// Stand-in for the camera SDK's untyped element vector.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

/**
 * @brief A contiguous buffer of equally sized elements, filled by the curve
 * array's getters. What an element is depends on the call that filled it:
 * two floats (x, height) for valid points, one uint16_t for "reflectance",
 * one uint8_t for "peak_width".
 */
class VornVector
{
public:
    VornVector() = default;

    /// Number of elements.
    std::size_t GetSize() const { return m_count; }
    /// Size of one element in bytes; 0 while empty.
    std::size_t GetElementSize() const { return m_elementSize; }
    /// The raw element buffer; null while empty.
    const void* GetData() const { return m_count ? m_bytes.data() : nullptr; }
    void* GetData() { return m_count ? m_bytes.data() : nullptr; }

    /// Replaces the contents with @p count elements of @p elementSize bytes copied from @p data.
    void Assign(const void* data, std::size_t count, std::size_t elementSize);
    void Clear();

private:
    std::vector<std::uint8_t> m_bytes;
    std::size_t m_count = 0;
    std::size_t m_elementSize = 0;
};
