#include "pages/pages.h"
#include "sensor_source.h"

#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QWidget>

QWidget* createOverviewPage(SensorSource& source)
{
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    auto* frame = new QLabel(QString::number(source.frameNumber()), page);
    frame->setObjectName(QStringLiteral("frameLabel"));
    form->addRow(QStringLiteral("Profiles received:"), frame);
    auto* points = new QSpinBox(page);
    points->setRange(16, 65536);
    points->setValue(int(source.curves(0)->GetValidPointCount()));
    form->addRow(QStringLiteral("Points per profile:"), points);
    QObject::connect(
        points, QOverload<int>::of(&QSpinBox::valueChanged), &source, &SensorSource::setPointCount);
    QObject::connect(&source, &SensorSource::frameReady, frame,
        [frame](quint64 number) { frame->setText(QString::number(number)); });
    return page;
}
