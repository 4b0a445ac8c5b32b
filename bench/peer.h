// One chart implementation under measurement: the library's chart, a bare VTK chart, or a Qt plotting
// library. Every peer shows the same four profiles as square markers of size 2.
#pragma once

#include <vorn/Vorn3dParametricCurveArray.h>
#include <vorn/VornProfileGenerator.h>

#include <QColor>
#include <QImage>
#include <QString>

#include <array>
#include <memory>

class QWidget;

namespace bench {

constexpr int seriesCount = 4;

/// Four profiles x 0..100 mm with noise, refreshed once per frame; all peers read the same arrays.
struct Profiles
{
    explicit Profiles(int pointCount);
    /// New values in every curve array, for frame number @p frame.
    void next(int frame);
    static QColor color(int series) { return QColor::fromHsv(series * 90, 255, 255); }

    VornProfileGenerator generator;
    std::array<Vorn3dParametricCurveArray, seriesCount> curves;
};

class Peer
{
public:
    virtual ~Peer() = default;
    virtual QWidget* widget() = 0;
    /// Hands the current values of @p profiles to the chart (the first call also fits the axes).
    virtual void setData(const Profiles& profiles) = 0;
    /// Paints and returns once the frame is on screen.
    virtual void draw() = 0;
    /// Renders counted since construction; -1 when the peer has no separate render step.
    virtual int renders() const { return -1; }
    /// What the window shows now.
    virtual QImage image() = 0;
};

/// A peer by name ("qcustomplot", "qwt"), or null when this build has no such peer.
std::unique_ptr<Peer> makeQtPeer(const QString& name);

/// Whether @p image shows at least @p minimum pixels in a series colour: the markers were painted.
bool showsSeries(const QImage& image, int minimum);

} // namespace bench
