// The chart's keyboard: panning and zooming keys, the shape selected with Tab and moved with the arrow keys,
// and the keys handed on to the VTK scene.
#include <util/chart_widget.h>

#include "chart/chart_widget_p.h"
#include "chart/rendering_window.h"

#include <util/shape.h>

#include <vtkPen.h>

#include <algorithm>

namespace util {

void ChartWidgetPrivate::highlight(bool on)
{
    const ShapeOverlay::Entry* entry = entryOf(selectedShape);
    vtkPlot* outline = entry ? entry->outlinePlot.Get() : nullptr;
    if (!outline)
        return;
    if (on)
        selectedPenWidth = outline->GetPen()->GetWidth();
    outline->GetPen()->SetWidth(on ? 3 * selectedPenWidth : selectedPenWidth);
    outline->Modified();
    renderingWindow->renderPending = true;
}

void ChartWidgetPrivate::select(const Shape* shape)
{
    if (shape == selectedShape)
        return;
    highlight(false);
    selectedShape = shape;
    highlight(true);
    if (shape)
        announceShape(shape, QAccessible::Focus);
}

bool ChartWidgetPrivate::cycleShapes(bool next)
{
    std::vector<const Shape*> shapes = drawnShapes();
    shapes.erase(
        std::remove_if(shapes.begin(), shapes.end(), [](const Shape* shape) { return !shape->visible(); }),
        shapes.end());
    const auto at = std::find(shapes.begin(), shapes.end(), selectedShape);
    std::ptrdiff_t index = at - shapes.begin();
    if (at == shapes.end())
        index = next ? 0 : std::ptrdiff_t(shapes.size()) - 1;
    else
        index += next ? 1 : -1;
    if (index < 0 || index >= std::ptrdiff_t(shapes.size())) {
        select(nullptr);
        return false;
    }
    select(shapes[std::size_t(index)]);
    return true;
}

ChartWidgetPrivate::KeyCommand ChartWidgetPrivate::keyCommand(const QKeyEvent& event) const
{
    KeyCommand command;
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    command.fine = modifiers == Qt::ShiftModifier;
    if (modifiers != Qt::NoModifier && !command.fine)
        return command;
    switch (event.key()) {
    case Qt::Key_Left: command.dx = -1; break;
    case Qt::Key_Right: command.dx = 1; break;
    case Qt::Key_Up: command.dy = 1; break;
    case Qt::Key_Down: command.dy = -1; break;
    case Qt::Key_Plus:
    case Qt::Key_Equal: command.notches = 1; break;
    case Qt::Key_Minus: command.notches = -1; break;
    case Qt::Key_Escape:
        // Without a selection Escape is the window's (a dialog closes on it).
        command.kind = selectedShape ? KeyCommand::Deselect : KeyCommand::None;
        return command;
    default: return command;
    }
    command.kind = command.notches != 0 ? KeyCommand::Zoom : KeyCommand::Move;
    return command;
}

bool ChartWidgetPrivate::handleKey(const QKeyEvent& event)
{
    const KeyCommand command = keyCommand(event);
    switch (command.kind) {
    case KeyCommand::None: return false;
    case KeyCommand::Zoom: chart->ZoomBy(command.notches); return true;
    case KeyCommand::Deselect:
        select(nullptr);
        if (QAccessible::isActive()) {
            QAccessibleEvent focus(owner, QAccessible::Focus);
            QAccessible::updateAccessibility(&focus);
        }
        return true;
    case KeyCommand::Move: break;
    }
    const double pixels = command.fine ? 1 : 10;
    if (selectedShape && chart->DragShapeBy(selectedShape, command.dx * pixels, command.dy * pixels)) {
        // The callbacks may have removed the shape, which ends the selection.
        if (selectedShape)
            announceShape(selectedShape, QAccessible::LocationChanged);
        return true;
    }
    const double fraction = command.fine ? 0.01 : 0.1;
    chart->PanBy(command.dx * fraction, command.dy * fraction);
    return true;
}

void ChartWidgetPrivate::forwardKey(QKeyEvent* event)
{
    // Straight to the rendering window's handler, which gives the key to the scene through VTK's interactor;
    // sent through QApplication, the ignored key would come back up to this widget.
    static_cast<QObject*>(renderingWindow)->event(event);
    event->ignore(); // on to the parents, as from the rendering window before
}

void ChartWidget::keyPressEvent(QKeyEvent* event)
{
    // Tab belongs to the focus chain (see focusNextPrevChild()).
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
        QWidget::keyPressEvent(event);
    else if (d->handleKey(*event))
        event->accept();
    else
        d->forwardKey(event);
}

bool ChartWidget::event(QEvent* event)
{
    // The keys the chart answers go to it before a window shortcut on the same key, as a line edit claims
    // its own.
    if (event->type() == QEvent::ShortcutOverride
        && d->keyCommand(*static_cast<QKeyEvent*>(event)).kind != ChartWidgetPrivate::KeyCommand::None) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void ChartWidget::keyReleaseEvent(QKeyEvent* event)
{
    d->forwardKey(event);
}

bool ChartWidget::focusNextPrevChild(bool next)
{
    if (hasFocus() && d->cycleShapes(next))
        return true;
    return QWidget::focusNextPrevChild(next);
}

} // namespace util
