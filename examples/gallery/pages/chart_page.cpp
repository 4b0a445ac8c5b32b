#include "pages/pages.h"
#include "sensor_source.h"

#include <util/chart_widget.h>

#include <QCheckBox>
#include <QColorDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>
#include <vector>

namespace {

struct SeriesSpec
{
    const char* name;
    int kind;
    int corner;
    QColor color;
    bool visible;
};

// Series 0..3 read the sensor's curves 0..3. The per-point data share the
// bottom axis but are not scaled to the height axis, so they start hidden.
const SeriesSpec specs[SensorSource::seriesCount] = {
    { "Profile", util::Profile, 0, QColor(0x1F, 0xFF, 0x00), true },
    { "Reflectance", util::Reflectance, 1, QColor(0x3D, 0xAE, 0xE9), false },
    { "Peak width", util::PeakWidth, 1, QColor(Qt::darkYellow), false },
    { "Profile (top/right axes)", util::Profile, 2, QColor(Qt::magenta), true },
};

void paintSwatch(QPushButton* button, const QColor& color)
{
    button->setStyleSheet(QStringLiteral("background-color: %1;").arg(color.name()));
}

} // namespace

QWidget* createChartPage(SensorSource& source)
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("chartPage"));
    auto* layout = new QHBoxLayout(page);
    layout->setObjectName(QStringLiteral("chartPageLayout"));
    auto* chart = new util::ChartWidget(page);
    chart->setObjectName(QStringLiteral("chart"));
    chart->setTitle(QStringLiteral("Live profile"));
    chart->setBottomTitle(QStringLiteral("X [mm]"));
    chart->setLeftTitle(QStringLiteral("Z [mm]"));
    layout->addWidget(chart, 1);

    auto* controls = new QVBoxLayout;
    controls->setObjectName(QStringLiteral("controlsLayout"));
    layout->addLayout(controls);

    auto series = std::make_shared<std::vector<util::ChartPlot>>();
    for (int i = 0; i < SensorSource::seriesCount; ++i) {
        util::ChartPlot plot;
        plot.curves = source.curves(i);
        plot.name = QString::fromLatin1(specs[i].name);
        plot.kind = specs[i].kind;
        plot.corner = specs[i].corner;
        plot.color = specs[i].color;
        plot.visible = specs[i].visible;
        series->push_back(plot);
    }

    auto* seriesBox = new QGroupBox(QStringLiteral("Series"), page);
    seriesBox->setObjectName(QStringLiteral("seriesBox"));
    auto* grid = new QGridLayout(seriesBox);
    grid->setObjectName(QStringLiteral("seriesLayout"));
    for (int i = 0; i < SensorSource::seriesCount; ++i) {
        auto* visible = new QCheckBox(series->at(std::size_t(i)).name, seriesBox);
        visible->setObjectName(QStringLiteral("visible%1").arg(i));
        visible->setChecked(specs[i].visible);
        auto* color = new QPushButton(seriesBox);
        color->setObjectName(QStringLiteral("color%1").arg(i));
        color->setFixedWidth(32);
        paintSwatch(color, specs[i].color);
        grid->addWidget(visible, i, 0);
        grid->addWidget(color, i, 1);
        QObject::connect(visible, &QCheckBox::toggled, chart, [chart, series, i](bool on) {
            (*series)[std::size_t(i)].visible = on;
            chart->update(*series);
        });
        QObject::connect(color, &QPushButton::clicked, chart, [chart, series, color, i]() {
            util::ChartPlot& plot = (*series)[std::size_t(i)];
            const QColor chosen = QColorDialog::getColor(plot.color, chart, plot.name);
            if (!chosen.isValid())
                return;
            plot.color = chosen;
            paintSwatch(color, chosen);
            chart->update(*series);
        });
    }
    controls->addWidget(seriesBox);

    auto* titlesBox = new QGroupBox(QStringLiteral("Titles"), page);
    titlesBox->setObjectName(QStringLiteral("titlesBox"));
    auto* form = new QFormLayout(titlesBox);
    form->setObjectName(QStringLiteral("titlesLayout"));
    const auto addTitle = [&](const QString& objectName, const QString& label, const QString& text,
                              void (util::ChartWidget::*setter)(const QString&)) {
        auto* edit = new QLineEdit(text, titlesBox);
        edit->setObjectName(objectName);
        form->addRow(label, edit);
        QObject::connect(edit, &QLineEdit::textChanged, chart, [chart, setter](const QString& value) {
            (chart->*setter)(value);
            chart->update(); // titles alone do not ask for a render
        });
    };
    addTitle(
        QStringLiteral("chartTitle"), QStringLiteral("Chart:"), chart->title(), &util::ChartWidget::setTitle);
    addTitle(QStringLiteral("bottomTitle"), QStringLiteral("Bottom:"), chart->bottomTitle(),
        &util::ChartWidget::setBottomTitle);
    addTitle(QStringLiteral("leftTitle"), QStringLiteral("Left:"), chart->leftTitle(),
        &util::ChartWidget::setLeftTitle);
    addTitle(QStringLiteral("rightTitle"), QStringLiteral("Right:"), chart->rightTitle(),
        &util::ChartWidget::setRightTitle);
    auto* bottomColor = new QPushButton(QStringLiteral("Bottom title colour..."), titlesBox);
    bottomColor->setObjectName(QStringLiteral("bottomTitleColor"));
    form->addRow(bottomColor);
    QObject::connect(bottomColor, &QPushButton::clicked, chart, [chart]() {
        const QColor chosen = QColorDialog::getColor(chart->bottomColorTitle(), chart);
        if (chosen.isValid()) {
            chart->setBottomColorTitle(chosen);
            chart->update();
        }
    });
    controls->addWidget(titlesBox);

    auto* reset = new QPushButton(QStringLiteral("Reset view"), page);
    reset->setObjectName(QStringLiteral("resetView"));
    QObject::connect(reset, &QPushButton::clicked, chart, &util::ChartWidget::resetView);
    controls->addWidget(reset);
    controls->addStretch(1);

    // New profiles refill the same curve arrays: setData refreshes the tables and keeps the view.
    QObject::connect(
        &source, &SensorSource::frameReady, chart, [chart, series]() { chart->setData(*series); });
    chart->setData(*series);
    auto* renderTimer = new QTimer(chart);
    renderTimer->setObjectName(QStringLiteral("renderTimer"));
    renderTimer->setInterval(30);
    QObject::connect(renderTimer, &QTimer::timeout, chart, &util::ChartWidget::render);
    renderTimer->start();
    return page;
}
