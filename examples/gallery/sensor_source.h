#pragma once

#include <vorn/Vorn3dParametricCurveArray.h>
#include <vorn/VornProfileGenerator.h>

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <array>

/**
 * A simulated profile sensor: a timer refills a few curve arrays with fresh
 * synthetic profiles and announces every new frame.
 */
class SensorSource : public QObject
{
    Q_OBJECT

public:
    static constexpr int seriesCount = 4;

    explicit SensorSource(QObject* parent = nullptr);

    /// The curves of series @p index (0 .. seriesCount - 1), valid for the source's lifetime.
    Vorn3dParametricCurveArray* curves(int index) { return &m_curves.at(std::size_t(index)); }
    quint64 frameNumber() const { return m_frame; }
    void setPointCount(int count);
    void setRunning(bool running);
    /// Produces one frame now.
    void step();

Q_SIGNALS:
    void frameReady(quint64 frame);

private:
    std::array<Vorn3dParametricCurveArray, seriesCount> m_curves;
    VornProfileGenerator m_generator;
    QTimer m_timer;
    QElapsedTimer m_clock;
    quint64 m_frame = 0;
};
