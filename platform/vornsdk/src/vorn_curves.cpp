#include <vorn/Vorn3dParametricCurveArray.h>
#include <vorn/VornVector.h>

#include <cstring>
#include <utility>

void VornVector::Assign(const void* data, std::size_t count, std::size_t elementSize)
{
    if (!data || count == 0 || elementSize == 0) {
        Clear();
        return;
    }
    m_bytes.resize(count * elementSize);
    std::memcpy(m_bytes.data(), data, m_bytes.size());
    m_count = count;
    m_elementSize = elementSize;
}

void VornVector::Clear()
{
    m_bytes.clear();
    m_count = 0;
    m_elementSize = 0;
}

bool Vorn3dParametricCurveArray::GetValidPoints(VornVector* out) const
{
    if (!out)
        return false;
    out->Assign(m_points.data(), m_points.size(), sizeof(Point));
    return true;
}

bool Vorn3dParametricCurveArray::HasPointData(const std::string& name) const
{
    return m_channels.count(name) != 0;
}

bool Vorn3dParametricCurveArray::GetValidPointData(const std::string& name, VornVector* out) const
{
    if (!out)
        return false;
    const auto it = m_channels.find(name);
    if (it == m_channels.end()) {
        out->Clear();
        return false;
    }
    *out = it->second.values;
    return true;
}

void Vorn3dParametricCurveArray::SetValidPoints(std::vector<Point> points)
{
    m_points = std::move(points);
    for (auto it = m_channels.begin(); it != m_channels.end();) {
        if (it->second.values.GetSize() != m_points.size())
            it = m_channels.erase(it);
        else
            ++it;
    }
}

bool Vorn3dParametricCurveArray::SetValidPointData(
    const std::string& name, const std::vector<std::uint16_t>& values)
{
    return storeChannel(name, values.data(), values.size(), sizeof(std::uint16_t));
}

bool Vorn3dParametricCurveArray::SetValidPointData(
    const std::string& name, const std::vector<std::uint8_t>& values)
{
    return storeChannel(name, values.data(), values.size(), sizeof(std::uint8_t));
}

bool Vorn3dParametricCurveArray::storeChannel(
    const std::string& name, const void* data, std::size_t count, std::size_t elementSize)
{
    if (count != m_points.size())
        return false;
    m_channels[name].values.Assign(data, count, elementSize);
    return true;
}

void Vorn3dParametricCurveArray::RemovePointData(const std::string& name)
{
    m_channels.erase(name);
}

void Vorn3dParametricCurveArray::Clear()
{
    m_points.clear();
    m_channels.clear();
}
