// The chart as screen readers meet it: a chart named by its title and described by its axes and
// series, with the drawn shapes as its children.
#include "chart/chart_widget_p.h"
#include "chart/chart_xy_p.h"
#include "chart/rendering_window.h"
#include "frame/accessible_factory.h"

#include <util/shape.h>

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLocale>
#include <QPointer>

#include <vtkAxis.h>
#include <vtkContextTransform.h>
#include <vtkTransform2D.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>

namespace util {

namespace {

QString number(double value)
{
    return QLocale().toString(value, 'g', 6);
}

/// The smallest box around the valid, finite end points of a shape's lines, in data coordinates.
struct Bounds
{
    double xMin;
    double xMax;
    double yMin;
    double yMax;
};

std::optional<Bounds> boundsOf(const Shape& shape)
{
    std::optional<Bounds> bounds;
    for (int i = 0; i < shape.numberOfLines(); ++i) {
        const Line* line = shape.line(i);
        for (const Point2D& p : { line->p1, line->p2 }) {
            if (!p.isValid() || !std::isfinite(p.x()) || !std::isfinite(p.y()))
                continue;
            if (!bounds)
                bounds = Bounds { p.x(), p.x(), p.y(), p.y() };
            bounds->xMin = std::min(bounds->xMin, p.x());
            bounds->xMax = std::max(bounds->xMax, p.x());
            bounds->yMin = std::min(bounds->yMin, p.y());
            bounds->yMax = std::max(bounds->yMax, p.y());
        }
    }
    return bounds;
}

/// @p bounds on the screen, through the transform of the chart's first corner (where the shapes are drawn);
/// empty before the chart has laid out its plots.
QRect screenRect(ChartWidget* chart, const Bounds& bounds)
{
    ChartWidgetPrivate* d = ChartWidgetPrivate::get(chart);
    const std::vector<vtkContextTransform*>& corners = d->chart->GetTransforms();
    vtkTransform2D* transform = corners.empty() ? nullptr : corners[0]->GetTransform();
    if (!transform || !detail::invertible(transform))
        return {};
    const double in[4] = { bounds.xMin, bounds.yMin, bounds.xMax, bounds.yMax };
    double out[4];
    transform->TransformPoints(in, out, 2);
    // Scene positions are device pixels counted from the bottom.
    RenderingWindow* window = d->renderingWindow;
    const double ratio = window->devicePixelRatioF();
    const double height = window->renderWindow->GetSize()[1];
    const QRectF local(QPointF(out[0] / ratio, (height - out[1]) / ratio),
        QPointF(out[2] / ratio, (height - out[3]) / ratio));
    const QRect pixels = local.normalized().toAlignedRect();
    return { window->mapToGlobal(pixels.topLeft()), pixels.size() };
}

/// One drawn shape: a child without an object of its own, which the chart's interface owns.
class ChartShapeAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    ChartShapeAccessible(ChartWidget* chart, const Shape* shape)
        : m_chart(chart)
        , m_shape(shape)
    { }

    /// Valid while the chart stores the shape.
    bool isValid() const override { return m_chart && ChartWidgetPrivate::get(m_chart)->entryOf(m_shape); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return isValid() ? parent()->window() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_chart); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::Graphic; }
    void setText(QAccessible::Text, const QString&) override { }

    QString text(QAccessible::Text type) const override
    {
        if (!isValid())
            return {};
        if (type == QAccessible::Name)
            return m_shape->title();
        if (type != QAccessible::Description)
            return {};
        const std::optional<Bounds> bounds = boundsOf(*m_shape);
        return bounds
            ? QCoreApplication::translate("util::ChartWidget", "x %1 to %2, y %3 to %4")
                  .arg(number(bounds->xMin), number(bounds->xMax), number(bounds->yMin), number(bounds->yMax))
            : QString();
    }

    QRect rect() const override
    {
        const std::optional<Bounds> bounds = isValid() ? boundsOf(*m_shape) : std::nullopt;
        return bounds ? screenRect(m_chart, *bounds) : QRect();
    }

    /// Focusable and selectable; focused and selected while it is the chart's selected shape (focused
    /// only while the chart has the focus); movable when the user may drag it.
    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        const bool selected = ChartWidgetPrivate::get(m_chart)->selectedShape == m_shape;
        state.focusable = true;
        state.selectable = true;
        state.selected = selected;
        state.focused = selected && m_chart->hasFocus();
        state.invisible = !m_shape->visible();
        state.movable = m_shape->interactive() && (m_shape->canDragAlongX() || m_shape->canDragAlongY());
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override
    {
        return isValid() ? QStringList { setFocusAction() } : QStringList();
    }

    /// Focusing a shape gives the chart the focus and selects the shape, as Tab does.
    void doAction(const QString& name) override
    {
        if (name != setFocusAction() || !isValid())
            return;
        m_chart->setFocus(Qt::OtherFocusReason);
        ChartWidgetPrivate::get(m_chart)->select(m_shape);
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<ChartWidget> m_chart;
    const Shape* m_shape; ///< compared, and read only while the chart stores it
};

/// The chart: named by its title, described by its axes and series; the drawn shapes are its children.
class ChartWidgetAccessible : public QAccessibleWidget
{
public:
    explicit ChartWidgetAccessible(ChartWidget* chart)
        : QAccessibleWidget(chart, QAccessible::Chart)
    { }

    ~ChartWidgetAccessible() override
    {
        for (const auto& child : m_children)
            QAccessible::deleteAccessibleInterface(child.second);
    }

    /// Without a name or description of the host's, the title and the chart's own description.
    QString text(QAccessible::Text type) const override
    {
        QString text = QAccessibleWidget::text(type);
        if (text.isEmpty() && type == QAccessible::Name)
            text = chart()->title();
        else if (text.isEmpty() && type == QAccessible::Description)
            text = d()->accessibleDescription();
        return text;
    }

    int childCount() const override { return int(d()->drawnShapes().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const std::vector<const Shape*> shapes = d()->drawnShapes();
        return index >= 0 && std::size_t(index) < shapes.size() ? childOf(shapes[std::size_t(index)])
                                                                : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const std::vector<const Shape*> shapes = d()->drawnShapes();
        for (std::size_t i = 0; i < shapes.size(); ++i) {
            const auto it = m_children.find(shapes[i]);
            if (it != m_children.end() && QAccessible::accessibleInterface(it->second) == child)
                return int(i);
        }
        return -1;
    }

    /// The shape drawn topmost at the global point (@p x, @p y): the first added of those around it.
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i) {
            QAccessibleInterface* shape = child(i);
            if (!shape->state().invisible && shape->rect().contains(x, y))
                return shape;
        }
        return nullptr;
    }

    /// The selected shape while the chart has the keyboard focus.
    QAccessibleInterface* focusChild() const override
    {
        const Shape* selected = d()->selectedShape;
        if (!chart()->hasFocus() || !selected)
            return QAccessibleWidget::focusChild();
        return childOf(selected);
    }

    /// The interface of @p shape, a stored shape, made on first request.
    QAccessibleInterface* childOf(const Shape* shape) const
    {
        QAccessible::Id& id = m_children[shape];
        if (id == 0)
            id = QAccessible::registerAccessibleInterface(new ChartShapeAccessible(chart(), shape));
        return QAccessible::accessibleInterface(id);
    }

    /// Tells that @p shape, still stored, leaves the children (while an assistive tool listens), and
    /// releases its interface.
    void releaseChild(const Shape* shape)
    {
        if (QAccessible::isActive()) {
            QAccessibleEvent event(childOf(shape), QAccessible::ObjectDestroyed);
            QAccessible::updateAccessibility(&event);
        }
        const auto it = m_children.find(shape);
        if (it != m_children.end()) {
            QAccessible::deleteAccessibleInterface(it->second);
            m_children.erase(it);
        }
    }

private:
    ChartWidget* chart() const { return static_cast<ChartWidget*>(widget()); }
    ChartWidgetPrivate* d() const { return ChartWidgetPrivate::get(chart()); }

    /// The shapes' interfaces, made on first request, by the stored shape they stand for.
    mutable std::map<const Shape*, QAccessible::Id> m_children;
};

[[maybe_unused]] const bool registered = detail::registerAccessible<ChartWidget, ChartWidgetAccessible>();

} // namespace

QString ChartWidgetPrivate::accessibleDescription() const
{
    struct Side
    {
        Axis axis;
        const char* text;
    };
    static const Side sides[] = {
        { Axis::Bottom, QT_TRANSLATE_NOOP("util::ChartWidget", "Bottom axis %1: %2 to %3") },
        { Axis::Left, QT_TRANSLATE_NOOP("util::ChartWidget", "Left axis %1: %2 to %3") },
        { Axis::Right, QT_TRANSLATE_NOOP("util::ChartWidget", "Right axis %1: %2 to %3") },
        { Axis::Top, QT_TRANSLATE_NOOP("util::ChartWidget", "Top axis %1: %2 to %3") },
    };
    QStringList parts { QCoreApplication::translate("util::ChartWidget", "Title: %1")
                            .arg(QString::fromStdString(chart->GetTitle())) };
    for (const Side& side : sides) {
        vtkAxis* item = axis(side.axis);
        if (item->GetVisible()) {
            parts << QCoreApplication::translate("util::ChartWidget", side.text)
                         .arg(QString::fromStdString(item->GetTitle()), number(item->GetMinimum()),
                             number(item->GetMaximum()));
        }
    }
    QStringList names;
    for (const ChartPlot& plot : cachedPlots)
        names << plot.name;
    parts << (names.isEmpty() ? QCoreApplication::translate("util::ChartWidget", "No series")
                              : QCoreApplication::translate("util::ChartWidget", "Series (%1): %2")
                                    .arg(QString::number(names.size()), names.join(QStringLiteral(", "))));
    return parts.join(QStringLiteral("; "));
}

void ChartWidgetPrivate::announceDescription()
{
    if (!QAccessible::isActive())
        return;
    QString text = accessibleDescription();
    if (text == announcedDescription)
        return;
    announcedDescription = std::move(text);
    // A description of the host's stands instead of this one.
    if (owner->accessibleDescription().isEmpty()) {
        QAccessibleEvent event(owner, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void ChartWidgetPrivate::announceShape(const Shape* shape, QAccessible::Event event)
{
    if (event == QAccessible::ObjectDestroyed) {
        // A host's own interface for its subclass keeps its own children.
        auto* chartInterface
            = dynamic_cast<ChartWidgetAccessible*>(QAccessible::queryAccessibleInterface(owner));
        if (chartInterface && entryOf(shape))
            chartInterface->releaseChild(shape);
        return;
    }
    if (!QAccessible::isActive())
        return;
    const std::vector<const Shape*> shapes = drawnShapes();
    const auto at = std::find(shapes.begin(), shapes.end(), shape);
    if (at == shapes.end())
        return;
    QAccessibleEvent announcement(owner, event);
    announcement.setChild(int(at - shapes.begin()));
    QAccessible::updateAccessibility(&announcement);
}

} // namespace util
