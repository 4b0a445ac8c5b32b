#include <util/chart_widget.h>

#include "chart/chart_widget_p.h"
#include "chart/plot.h"
#include "chart/rendering_window.h"
#include "chart/saturate.h"

#include <util/shape.h>

#include <QVBoxLayout>
#include <QVTKInteractor.h>
#include <vtkAxis.h>
#include <vtkBrush.h>
#include <vtkChartLegend.h>
#include <vtkContextScene.h>
#include <vtkPen.h>
#include <vtkRenderer.h>
#include <vtkTextProperty.h>

#include <algorithm>

namespace util {

namespace {

void setTextColor(vtkTextProperty* text, const QColor& color)
{
    text->SetColor(color.redF(), color.greenF(), color.blueF());
}

QColor textColor(vtkTextProperty* text)
{
    double rgb[3];
    text->GetColor(rgb);
    return QColor::fromRgbF(rgb[0], rgb[1], rgb[2]);
}

} // namespace

ChartWidgetPrivate::ChartWidgetPrivate(ChartWidget* owner)
    : owner(owner)
    , renderingWindow(new RenderingWindow(owner))
    , callbacks(std::make_unique<ChartCallbacks>())
    , view(vtkSmartPointer<vtkContextView>::New())
    , chart(vtkSmartPointer<ChartXY>::New())
    , shapeOverlay(std::make_unique<ShapeOverlay>(chart))
{ }

ChartWidgetPrivate::Scale ChartWidgetPrivate::scale() const
{
    vtkAxis* bottom = axis(Axis::Bottom);
    vtkAxis* left = axis(Axis::Left);
    // The axes lie in device pixels; a host counts in Qt's device-independent ones.
    const double ratio = dpiScale(view->GetScene());
    return { bottom->GetMaximum() - bottom->GetMinimum(), left->GetMaximum() - left->GetMinimum(),
        detail::saturatingInt((double(bottom->GetPoint2()[0]) - double(bottom->GetPoint1()[0])) / ratio),
        detail::saturatingInt((double(left->GetPoint2()[1]) - double(left->GetPoint1()[1])) / ratio) };
}

std::vector<const Shape*> ChartWidgetPrivate::drawnShapes() const
{
    std::vector<const Shape*> shapes;
    for (const ShapeOverlay::Entry& entry : shapeOverlay->entries()) {
        if (entry.outlinePlot || entry.handlePlot)
            shapes.push_back(entry.shape.get());
    }
    return shapes;
}

const ShapeOverlay::Entry* ChartWidgetPrivate::entryOf(const Shape* shape) const
{
    for (const ShapeOverlay::Entry& entry : shapeOverlay->entries()) {
        if (entry.shape.get() == shape)
            return &entry;
    }
    return nullptr;
}

ChartWidget::ChartWidget(QWidget* parent)
    : QWidget(parent)
    , d(std::make_unique<ChartWidgetPrivate>(this))
{
    d->renderingWindow->setObjectName(QStringLiteral("renderingWindow"));
    auto* layout = new QVBoxLayout(this);
    layout->setObjectName(QStringLiteral("layout"));
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(d->renderingWindow);
    // The widget takes the focus, a click on the rendering window included, and hands the scene the keys it
    // does not handle itself.
    setFocusPolicy(Qt::StrongFocus);
    d->renderingWindow->setFocusPolicy(Qt::NoFocus);

    vtkContextView* view = d->view;
    view->GetRenderer()->SetBackground(0, 0, 0);
    vtkNew<QVTKInteractor> interactor;
    view->SetInteractor(interactor);
    view->SetRenderWindow(d->renderingWindow->renderWindow);
    d->renderingWindow->renderWindow->AddRenderer(view->GetRenderer());
    // Typed characters must not reach VTK's default key bindings (wireframe, quit, ...). Taking the
    // render window hands the view the window's own interactor, so this comes after it.
    view->GetInteractor()->RemoveObservers(vtkCommand::CharEvent);

    ChartXY* chart = d->chart;
    chart->SetShowLegend(true);
    chart->SetInteractive(true);
    chart->SetTitle("Chart");
    chart->GetTitleProperties()->SetColor(1, 1, 1);
    chart->GetLegend()->GetLabelProperties()->SetColor(1, 1, 1);
    chart->GetLegend()->GetBrush()->SetOpacity(0);

    const char* titles[4] = { "Left", "Bottom", "Right", "Top" };
    for (int i = 0; i < 4; ++i) {
        vtkAxis* axis = chart->GetAxis(i);
        axis->SetTitle(titles[i]);
        axis->GetTitleProperties()->SetColor(1, 1, 1);
        axis->GetLabelProperties()->SetColor(1, 1, 1);
        axis->GetGridPen()->SetColor(30, 30, 30);
    }
    d->axis(Axis::Right)->GetGridPen()->SetOpacity(0);
    for (int i = 0; i < 4; ++i)
        chart->GetAxis(i)->SetBehavior(vtkAxis::FIXED);

    chart->SetKeepAspectRatio(true);
    view->GetScene()->AddItem(chart);

    RenderingWindow* window = d->renderingWindow;
    d->callbacks->renderRequest = [window](bool pending) { window->renderPending = pending; };
    chart->SetCallbacks(d->callbacks.get());
}

ChartWidget::~ChartWidget()
{
    // The render window, a child widget, keeps the scene and the chart alive after the callbacks go.
    d->chart->SetCallbacks(nullptr);
}

void ChartWidget::render()
{
    if (!d->renderingWindow->renderPending)
        return;
    d->renderingWindow->renderWindow->Render();
    d->renderingWindow->renderPending = false;
    d->announceDescription();
}

void ChartWidget::setTitle(const QString& title)
{
    if (title == this->title())
        return;
    d->chart->SetTitle(title.toStdString());
    if (QAccessible::isActive() && accessibleName().isEmpty()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    d->announceDescription();
}

QString ChartWidget::title() const
{
    return QString::fromStdString(d->chart->GetTitle());
}

void ChartWidget::setBottomTitle(const QString& title)
{
    d->axis(Axis::Bottom)->SetTitle(title.toStdString());
    d->announceDescription();
}

QString ChartWidget::bottomTitle() const
{
    return QString::fromStdString(d->axis(Axis::Bottom)->GetTitle());
}

void ChartWidget::setLeftTitle(const QString& title)
{
    d->axis(Axis::Left)->SetTitle(title.toStdString());
    d->announceDescription();
}

QString ChartWidget::leftTitle() const
{
    return QString::fromStdString(d->axis(Axis::Left)->GetTitle());
}

void ChartWidget::setRightTitle(const QString& title)
{
    d->axis(Axis::Right)->SetTitle(title.toStdString());
    d->announceDescription();
}

QString ChartWidget::rightTitle() const
{
    return QString::fromStdString(d->axis(Axis::Right)->GetTitle());
}

void ChartWidget::setBottomColorTitle(const QColor& color)
{
    setTextColor(d->axis(Axis::Bottom)->GetTitleProperties(), color);
}

QColor ChartWidget::bottomColorTitle() const
{
    return textColor(d->axis(Axis::Bottom)->GetTitleProperties());
}

void ChartWidget::setLeftColorTitle(const QColor& color)
{
    setTextColor(d->axis(Axis::Left)->GetTitleProperties(), color);
}

QColor ChartWidget::leftColorTitle() const
{
    return textColor(d->axis(Axis::Left)->GetTitleProperties());
}

void ChartWidget::setRightColorTitle(const QColor& color)
{
    setTextColor(d->axis(Axis::Right)->GetTitleProperties(), color);
}

QColor ChartWidget::rightColorTitle() const
{
    return textColor(d->axis(Axis::Right)->GetTitleProperties());
}

void ChartWidget::setAxisVisibility(Axis axis, bool visible)
{
    if (vtkAxis* item = d->axis(axis))
        item->SetVisible(visible);
}

bool ChartWidget::axisVisibility(Axis axis) const
{
    vtkAxis* item = d->axis(axis);
    return item && item->GetVisible();
}

void ChartWidget::coordinateToPixel(const Point2D& in, Point2D& out) const
{
    const ChartWidgetPrivate::Scale s = d->scale();
    out.setX(in.x() / s.xSpan * s.wPx);
    out.setY(in.y() / s.ySpan * s.hPx);
}

void ChartWidget::pixelToCoordinate(const Point2D& in, Point2D& out) const
{
    const ChartWidgetPrivate::Scale s = d->scale();
    out.setX(in.x() / s.wPx * s.xSpan);
    out.setY(in.y() / s.hPx * s.ySpan);
}

void ChartWidget::addShape(const Shape& shape)
{
    d->shapeOverlay->add(shape);
}

void ChartWidget::clearShape()
{
    d->select(nullptr);
    for (const Shape* shape : d->drawnShapes())
        d->announceShape(shape, QAccessible::ObjectDestroyed);
    d->shapeOverlay->clear();
}

void ChartWidget::drawShapes()
{
    const std::vector<const Shape*> before = d->drawnShapes();
    d->shapeOverlay->draw();
    const std::vector<const Shape*> after = d->drawnShapes();
    const auto contains = [](const std::vector<const Shape*>& shapes, const Shape* shape) {
        return std::find(shapes.begin(), shapes.end(), shape) != shapes.end();
    };
    // The selection stays on its shape, whose new outline is drawn wide again.
    if (contains(after, d->selectedShape))
        d->highlight(true);
    else
        d->selectedShape = nullptr;
    for (const Shape* shape : before) {
        if (!contains(after, shape))
            d->announceShape(shape, QAccessible::ObjectDestroyed);
    }
    for (const Shape* shape : after) {
        if (!contains(before, shape))
            d->announceShape(shape, QAccessible::ObjectCreated);
    }
}

void ChartWidget::redrawShapes()
{
    d->shapeOverlay->redraw();
    d->renderingWindow->renderPending = true;
}

void ChartWidgetPrivate::removeShape(int index)
{
    const Shape* shape = shapeOverlay->at(index);
    if (!shape)
        return;
    if (shape == selectedShape)
        select(nullptr);
    announceShape(shape, QAccessible::ObjectDestroyed);
    shapeOverlay->remove(index);
}

void ChartWidget::removeShape(const QString& title)
{
    d->removeShape(d->shapeOverlay->indexOf(title));
}

void ChartWidget::removeShape(int identifier)
{
    d->removeShape(d->shapeOverlay->indexOf(identifier));
}

Shape* ChartWidget::shape(const QString& title)
{
    return d->shapeOverlay->at(d->shapeOverlay->indexOf(title));
}

Shape* ChartWidget::shape(int identifier)
{
    return d->shapeOverlay->at(d->shapeOverlay->indexOf(identifier));
}

void ChartWidgetPrivate::updateShape(int index, const Shape& shape)
{
    const Shape* stored = shapeOverlay->at(index);
    const bool renamed = stored && stored->title() != shape.title();
    shapeOverlay->update(index, shape);
    if (renamed)
        announceShape(stored, QAccessible::NameChanged);
}

void ChartWidget::updateShape(const QString& title, const Shape& shape)
{
    d->updateShape(d->shapeOverlay->indexOf(title), shape);
}

void ChartWidget::updateShape(const Shape& shape)
{
    d->updateShape(d->shapeOverlay->indexOf(shape.identifier()), shape);
}

void ChartWidget::updateShape(int identifier, const Shape& shape)
{
    d->updateShape(d->shapeOverlay->indexOf(identifier), shape);
}

void ChartWidget::xCustomTooltip(std::function<double(int, double)> function)
{
    d->callbacks->xTooltip = std::move(function);
}

void ChartWidget::yCustomTooltip(std::function<double(int, double)> function)
{
    d->callbacks->yTooltip = std::move(function);
}

} // namespace util
