#include "sensor_source.h"

SensorSource::SensorSource(QObject* parent)
    : QObject(parent)
    , m_generator(2024)
{
    m_generator.setPointCount(2048);
    m_timer.setInterval(50);
    connect(&m_timer, &QTimer::timeout, this, &SensorSource::step);
    m_clock.start();
    step();
}

void SensorSource::setPointCount(int count)
{
    m_generator.setPointCount(std::size_t(qMax(0, count)));
}

void SensorSource::setRunning(bool running)
{
    if (running)
        m_timer.start();
    else
        m_timer.stop();
}

void SensorSource::step()
{
    const double t = double(m_clock.elapsed()) / 1000.0;
    for (int i = 0; i < seriesCount; ++i)
        m_generator.fill(m_curves.at(std::size_t(i)), t, 1.3 * i);
    Q_EMIT frameReady(++m_frame);
}
