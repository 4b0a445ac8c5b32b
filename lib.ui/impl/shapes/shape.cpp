#include <util/shape.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <vector>

namespace util {

class ShapePrivate
{
public:
    std::vector<Line> lines;
    std::vector<Point2D> handles;

    std::function<void()> onMousePress;
    std::function<void(double)> xTranslation;
    std::function<void(double)> yTranslation;
    std::function<void(const Point2D&, double)> xResize;
    std::function<void(const Point2D&, double)> yResize;
    std::function<void()> onMouseRelease;
    std::function<bool(const Point2D&)> insidePolygon;
    std::function<QString(const Point2D&)> shapeTooltip;

    QColor color = Qt::white;
    bool interactive = false;
    bool hasPlot = true;
    bool tooltipsVisibility = true;
    QColor handleColor = Qt::white;
    bool handleTooltipVisibility = true;
    bool canDragAlongX = false;
    bool canDragAlongY = false;
    QString title;
    QString format;
    Range xAxisRange;
    Range yAxisRange;
    qint64 identifier = -1;
    double tolerance = 0.05f;
    LineType lineType = LineType::Solid;
    PlotStackPriority plotStackPriority = PlotStackPriority::Normal;
    int handleSize = 2;
    int priority = 0;
    bool handleVisible = true;
    bool legendVisible = true;
    bool visible = true;
};

namespace {

// The handle count, three per line, must fit an int.
constexpr std::size_t maxLines = std::numeric_limits<int>::max() / 3;

// 0 when a, b and c are collinear, 1 for one turning direction, 2 for the other or NaN.
int orientation(const Point2D& a, const Point2D& b, const Point2D& c)
{
    const double v = (b.x() - a.x()) * (c.y() - b.y()) - (c.x() - b.x()) * (b.y() - a.y());
    if (v == 0.0) {
        return 0;
    }
    return v > 0.0 ? 1 : 2;
}

bool between(double a, double q, double b)
{
    return (a <= q && q <= b) || (b <= q && q <= a);
}

// Whether q lies in the bounding box of a and b; false for any NaN.
bool onSegment(const Point2D& a, const Point2D& q, const Point2D& b)
{
    return between(a.x(), q.x(), b.x()) && between(a.y(), q.y(), b.y());
}

bool crosses(const Line& line, const Point2D& from, const Point2D& to)
{
    const Point2D& a = line.p1;
    const Point2D& b = line.p2;
    const int o1 = orientation(a, b, from);
    const int o2 = orientation(a, b, to);
    const int o3 = orientation(from, to, a);
    const int o4 = orientation(from, to, b);
    if (o1 != o2 && o3 != o4) {
        return true;
    }
    return (o1 == 0 && onSegment(a, from, b)) || (o2 == 0 && onSegment(a, to, b))
        || (o3 == 0 && onSegment(from, a, to)) || (o4 == 0 && onSegment(from, b, to));
}

template<typename T> T* itemAt(std::vector<T>& items, int index)
{
    return index >= 0 && static_cast<std::size_t>(index) < items.size() ? &items[index] : nullptr;
}

} // namespace

Shape::Shape()
    : d(std::make_unique<ShapePrivate>())
{ }

Shape::Shape(const Shape& other)
    : d(std::make_unique<ShapePrivate>(*other.d))
{ }

Shape::Shape(Shape&& other) noexcept = default;
Shape::~Shape() = default;

Shape& Shape::operator=(const Shape& other)
{
    if (this != &other) {
        d = std::make_unique<ShapePrivate>(*other.d);
    }
    return *this;
}

Shape& Shape::operator=(Shape&& other) noexcept = default;

void Shape::shallowCopy(const Shape& other)
{
    if (this == &other) {
        return;
    }
    ShapePrivate copy(*other.d);
    // Moving the vectors keeps their storage, so pointers from line() and handle() stay valid.
    copy.lines = std::move(d->lines);
    copy.handles = std::move(d->handles);
    copy.tolerance = d->tolerance;
    *d = std::move(copy);
}

void Shape::addLine(const Point2D& p1, const Point2D& p2)
{
    if (d->lines.size() >= maxLines) {
        return;
    }
    // A copy first: p1 and p2 may refer to this shape's own lines or handles.
    const Line line { p1, p2 };
    d->lines.push_back(line);
    d->handles.push_back(line.p1);
    d->handles.emplace_back((line.p2.x() + line.p1.x()) * 0.5, (line.p2.y() + line.p1.y()) * 0.5);
    d->handles.push_back(line.p2);
}

void Shape::clear()
{
    d->lines.clear();
    d->handles.clear();
}

int Shape::numberOfLines() const
{
    return static_cast<int>(d->lines.size());
}

int Shape::numberOfHandles() const
{
    return static_cast<int>(d->handles.size());
}

Line* Shape::line(int index) const
{
    return itemAt(d->lines, index);
}

Point2D* Shape::handle(int index) const
{
    return itemAt(d->handles, index);
}

bool Shape::insidePolygon(const Point2D& p)
{
    if (const auto callback = d->insidePolygon) { // called as the notifications below
        return callback(Point2D(p));
    }
    if (std::isnan(p.x()) || std::isnan(p.y())) {
        return false; // nowhere, though a line through the ray's far end would touch its ray
    }
    const Point2D far(-DBL_MAX, p.y());
    bool inside = false;
    for (const Line& line : d->lines) {
        if (crosses(line, far, p)) {
            inside = !inside;
        }
    }
    return inside;
}

bool Shape::closeToLine(const Point2D& p)
{
    const double tolX = d->xAxisRange.length() * d->tolerance;
    const double tolY = d->yAxisRange.length() * d->tolerance;
    for (const Line& line : d->lines) {
        if (tolX > std::abs(line.p1.x() - p.x()) || tolY > std::abs(line.p1.y() - p.y())) {
            return true;
        }
    }
    return false;
}

void Shape::setXAxisRange(const Range& range)
{
    d->xAxisRange = range;
}

void Shape::setYAxisRange(const Range& range)
{
    d->yAxisRange = range;
}

double Shape::tolerance() const
{
    return d->tolerance;
}

void Shape::setTolerance(double tolerance)
{
    d->tolerance = tolerance;
}

// Every notification calls a local copy of the callback with copies of its
// arguments, and touches the shape no more once the callback runs: the host
// may rewrite, reassign or destroy this shape from inside the callback, and
// an argument may refer to one of this shape's handles.

void Shape::onMousePress()
{
    if (const auto callback = d->onMousePress) {
        callback();
    }
}

void Shape::onMouseRelease()
{
    if (const auto callback = d->onMouseRelease) {
        callback();
    }
}

void Shape::xTranslate(double dx)
{
    if (const auto callback = d->xTranslation) {
        callback(dx);
    }
}

void Shape::yTranslate(double dy)
{
    if (const auto callback = d->yTranslation) {
        callback(dy);
    }
}

void Shape::xResize(const Point2D& handle, double dx)
{
    if (const auto callback = d->xResize) {
        callback(Point2D(handle), dx);
    }
}

void Shape::yResize(const Point2D& handle, double dy)
{
    if (const auto callback = d->yResize) {
        callback(Point2D(handle), dy);
    }
}

QString Shape::tooltips(const Point2D& p)
{
    if (const auto callback = d->shapeTooltip) {
        return callback(Point2D(p));
    }
    return QString();
}

void Shape::setOnMousePressCallback(std::function<void()> callback)
{
    d->onMousePress = std::move(callback);
}

void Shape::setOnMouseReleaseCallback(std::function<void()> callback)
{
    d->onMouseRelease = std::move(callback);
}

void Shape::setXTranslationCallback(std::function<void(double)> callback)
{
    d->xTranslation = std::move(callback);
}

void Shape::setYTranslationCallback(std::function<void(double)> callback)
{
    d->yTranslation = std::move(callback);
}

void Shape::setXResizeCallback(std::function<void(const Point2D&, double)> callback)
{
    d->xResize = std::move(callback);
}

void Shape::setYResizeCallback(std::function<void(const Point2D&, double)> callback)
{
    d->yResize = std::move(callback);
}

void Shape::setInsidePolygonCallback(std::function<bool(const Point2D&)> callback)
{
    d->insidePolygon = std::move(callback);
}

void Shape::setShapeTooltipCallback(std::function<QString(const Point2D&)> callback)
{
    d->shapeTooltip = std::move(callback);
}

QColor Shape::color() const
{
    return d->color;
}

void Shape::setColor(const QColor& color)
{
    d->color = color;
}

QColor Shape::handleColor() const
{
    return d->handleColor;
}

void Shape::setHandleColor(const QColor& color)
{
    d->handleColor = color;
}

QString Shape::title() const
{
    return d->title;
}

void Shape::setTitle(const QString& title)
{
    d->title = title;
}

QString Shape::format() const
{
    return d->format;
}

void Shape::setFormat(const QString& format)
{
    d->format = format;
}

int Shape::handleSize() const
{
    return d->handleSize;
}

void Shape::setHandleSize(int size)
{
    d->handleSize = size;
}

bool Shape::handleVisible() const
{
    return d->handleVisible;
}

void Shape::setHandleVisibility(bool visible)
{
    d->handleVisible = visible;
}

bool Shape::handleTooltipVisibility() const
{
    return d->handleTooltipVisibility;
}

void Shape::setHandleTooltipVisibility(bool visible)
{
    d->handleTooltipVisibility = visible;
}

bool Shape::tooltipsVisibility() const
{
    return d->tooltipsVisibility;
}

void Shape::setTooltipsVisibility(bool visible)
{
    d->tooltipsVisibility = visible;
}

bool Shape::visible() const
{
    return d->visible;
}

void Shape::setVisible(bool visible)
{
    d->visible = visible;
}

bool Shape::legendVisiblity() const
{
    return d->legendVisible;
}

void Shape::setLegendVisible(bool visible)
{
    d->legendVisible = visible;
}

bool Shape::interactive() const
{
    return d->interactive;
}

void Shape::setInteractive(bool interactive)
{
    d->interactive = interactive;
}

bool Shape::hasPlot() const
{
    return d->hasPlot;
}

void Shape::setHasPlot(bool hasPlot)
{
    d->hasPlot = hasPlot;
}

bool Shape::canDragAlongX() const
{
    return d->canDragAlongX;
}

void Shape::setCanDragAlongX(bool canDrag)
{
    d->canDragAlongX = canDrag;
}

bool Shape::canDragAlongY() const
{
    return d->canDragAlongY;
}

void Shape::setCanDragAlongY(bool canDrag)
{
    d->canDragAlongY = canDrag;
}

LineType Shape::lineType() const
{
    return d->lineType;
}

void Shape::setLineType(LineType type)
{
    d->lineType = type;
}

PlotStackPriority Shape::plotStackPriority() const
{
    return d->plotStackPriority;
}

void Shape::setPlotStackPriority(PlotStackPriority priority)
{
    d->plotStackPriority = priority;
}

int Shape::priority() const
{
    return d->priority;
}

void Shape::setPriority(int priority)
{
    d->priority = priority;
}

int Shape::identifier() const
{
    return static_cast<int>(d->identifier);
}

void Shape::setIdentifier(int identifier)
{
    d->identifier = identifier;
}

} // namespace util
