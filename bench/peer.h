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
#include <vector>

class QWidget;

namespace bench {

constexpr int seriesCount = 4;

/// Four profiles x 0..100 mm with noise, refreshed once per frame; all peers read the same arrays.
/// The values of bankSize frames are generated up front, so that a timed frame only copies them.
struct Profiles
{
    static constexpr int bankSize = 8;

    explicit Profiles(int pointCount);
    /// Copies the values of frame @p frame (the bank repeats) into every curve array.
    void next(int frame);
    static QColor color(int series) { return QColor::fromHsv(series * 90, 255, 255); }

    /// The points of each series, by frame of the bank.
    std::vector<std::array<std::vector<Vorn3dParametricCurveArray::Point>, seriesCount>> bank;
    std::array<Vorn3dParametricCurveArray, seriesCount> curves;
};

class Peer
{
public:
    virtual ~Peer() = default;
    virtual QWidget* widget() = 0;
    /// Hands the current values of @p profiles to the chart (the first call also fits the axes).
    virtual void setData(const Profiles& profiles) = 0;
    /// The call that draws the frame: VTK's Render(), a Qt plot's replot.
    virtual void render() = 0;
    /// Returns once the frame that render() drew is on screen.
    virtual void waitForScreen() { }
    /// render() and waitForScreen().
    void draw()
    {
        render();
        waitForScreen();
    }
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
