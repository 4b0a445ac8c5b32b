#include "pages/pages.h"
#include "sensor_source.h"

#include <util/chart_widget.h>
#include <util/shape.h>

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

namespace {

constexpr int roiId = 1;
constexpr int markerId = 2;

/// The host's geometry: the chart only reports the user's gestures, this decides what they do.
struct Geometry
{
    double x0 = 30.0;
    double x1 = 60.0;
    double y0 = 15.0;
    double y1 = 40.0;
    double marker = 80.0;
    static constexpr double markerBottom = 0.0;
    static constexpr double markerTop = 50.0;
};

void setRectangle(util::Shape& shape, const Geometry& g)
{
    shape.clear();
    shape.addLine({ g.x0, g.y0 }, { g.x1, g.y0 });
    shape.addLine({ g.x1, g.y0 }, { g.x1, g.y1 });
    shape.addLine({ g.x1, g.y1 }, { g.x0, g.y1 });
    shape.addLine({ g.x0, g.y1 }, { g.x0, g.y0 });
}

void setMarker(util::Shape& shape, const Geometry& g)
{
    shape.clear();
    shape.addLine({ g.marker, Geometry::markerBottom }, { g.marker, Geometry::markerTop });
}

/// Moves whichever of @p low and @p high lies at @p at (a dragged handle's coordinate) by @p delta.
void moveEdge(double at, double delta, double& low, double& high)
{
    const double tolerance = 1e-9 * std::max(1.0, std::fabs(at));
    if (std::fabs(at - low) <= tolerance)
        low += delta;
    else if (std::fabs(at - high) <= tolerance)
        high += delta;
}

QString extent(const Geometry& g)
{
    return QStringLiteral("x %1 … %2 mm\nz %3 … %4 mm")
        .arg(std::min(g.x0, g.x1), 0, 'f', 2)
        .arg(std::max(g.x0, g.x1), 0, 'f', 2)
        .arg(std::min(g.y0, g.y1), 0, 'f', 2)
        .arg(std::max(g.y0, g.y1), 0, 'f', 2);
}

} // namespace

QWidget* createShapesPage(SensorSource& source)
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("shapesPage"));
    auto* layout = new QHBoxLayout(page);
    layout->setObjectName(QStringLiteral("shapesPageLayout"));
    auto* chart = new util::ChartWidget(page);
    chart->setObjectName(QStringLiteral("shapesChart"));
    chart->setTitle(QStringLiteral("Region of interest"));
    chart->setBottomTitle(QStringLiteral("X [mm]"));
    chart->setLeftTitle(QStringLiteral("Z [mm]"));
    layout->addWidget(chart, 1);

    auto* controls = new QVBoxLayout;
    controls->setObjectName(QStringLiteral("shapesControlsLayout"));
    layout->addLayout(controls);
    auto* roiLabel = new QLabel(page);
    roiLabel->setObjectName(QStringLiteral("roiReadout"));
    roiLabel->setMinimumWidth(180);
    auto* markerLabel = new QLabel(page);
    markerLabel->setObjectName(QStringLiteral("markerReadout"));
    auto* reset = new QPushButton(QStringLiteral("Reset shapes"), page);
    reset->setObjectName(QStringLiteral("resetShapes"));
    auto* hint = new QLabel(QStringLiteral("Drag the region by its body to move it, by a handle to resize "
                                           "it; drag the orange marker sideways."),
        page);
    hint->setObjectName(QStringLiteral("shapesHint"));
    hint->setWordWrap(true);
    hint->setMaximumWidth(200);
    controls->addWidget(roiLabel);
    controls->addWidget(markerLabel);
    controls->addWidget(reset);
    controls->addWidget(hint);
    controls->addStretch(1);

    auto geometry = std::make_shared<Geometry>();
    // Rewrites the stored shapes from the geometry and refreshes the read-outs; the chart copies the
    // new end points into its plots after each callback returns.
    const auto apply = [chart, geometry, roiLabel, markerLabel]() {
        if (util::Shape* roi = chart->shape(roiId))
            setRectangle(*roi, *geometry);
        if (util::Shape* marker = chart->shape(markerId))
            setMarker(*marker, *geometry);
        roiLabel->setText(QStringLiteral("Region\n") + extent(*geometry));
        markerLabel->setText(QStringLiteral("Marker at x %1 mm").arg(geometry->marker, 0, 'f', 2));
    };

    util::Shape roi;
    roi.setIdentifier(roiId);
    roi.setTitle(QStringLiteral("ROI"));
    roi.setColor(QColor(0x3D, 0xAE, 0xE9));
    roi.setHandleColor(Qt::white);
    roi.setHandleSize(8);
    roi.setLineType(util::LineType::Dash);
    roi.setInteractive(true);
    roi.setCanDragAlongX(true);
    roi.setCanDragAlongY(true);
    roi.setTooltipsVisibility(false);
    roi.setHandleTooltipVisibility(false);
    roi.setPriority(1);
    roi.setXTranslationCallback([geometry, apply](double dx) {
        geometry->x0 += dx;
        geometry->x1 += dx;
        apply();
    });
    roi.setYTranslationCallback([geometry, apply](double dy) {
        geometry->y0 += dy;
        geometry->y1 += dy;
        apply();
    });
    roi.setXResizeCallback([geometry, apply](const util::Point2D& handle, double dx) {
        moveEdge(handle.x(), dx, geometry->x0, geometry->x1);
        apply();
    });
    roi.setYResizeCallback([geometry, apply](const util::Point2D& handle, double dy) {
        moveEdge(handle.y(), dy, geometry->y0, geometry->y1);
        apply();
    });
    roi.setShapeTooltipCallback([geometry](const util::Point2D&) { return extent(*geometry); });
    setRectangle(roi, *geometry);
    chart->addShape(roi);

    util::Shape marker;
    marker.setIdentifier(markerId);
    marker.setTitle(QStringLiteral("Marker"));
    marker.setColor(QColor(255, 165, 0)); // orange
    marker.setHandleVisibility(false);
    marker.setInteractive(true);
    marker.setCanDragAlongX(true);
    marker.setTooltipsVisibility(false);
    marker.setPriority(2);
    // A lone line has no inside: the marker is picked within 6 pixels of it.
    marker.setInsidePolygonCallback([chart, geometry](const util::Point2D& p) {
        util::Point2D reach;
        chart->pixelToCoordinate(util::Point2D(6, 0), reach);
        return std::fabs(p.x() - geometry->marker) < reach.x() && p.y() >= Geometry::markerBottom
            && p.y() <= Geometry::markerTop;
    });
    marker.setXTranslationCallback([geometry, apply](double dx) {
        geometry->marker += dx;
        apply();
    });
    marker.setShapeTooltipCallback([geometry](const util::Point2D&) {
        return QStringLiteral("x %1 mm").arg(geometry->marker, 0, 'f', 2);
    });
    setMarker(marker, *geometry);
    chart->addShape(marker);
    chart->drawShapes();
    apply();

    QObject::connect(reset, &QPushButton::clicked, chart, [chart, geometry, apply]() {
        *geometry = Geometry();
        apply();
        // Outside a drag the plots' tables follow a shape only through updateShape().
        for (int id : { roiId, markerId })
            chart->updateShape(*chart->shape(id));
        chart->redrawShapes();
    });

    std::vector<util::ChartPlot> series(1);
    series[0].curves = source.curves(0);
    series[0].name = QStringLiteral("Profile");
    series[0].color = QColor(0x1F, 0xFF, 0x00);
    QObject::connect(
        &source, &SensorSource::frameReady, chart, [chart, series]() { chart->setData(series); });
    chart->setData(series);
    auto* renderTimer = new QTimer(chart);
    renderTimer->setObjectName(QStringLiteral("shapesRenderTimer"));
    renderTimer->setInterval(30);
    QObject::connect(renderTimer, &QTimer::timeout, chart, &util::ChartWidget::render);
    renderTimer->start();
    return page;
}
