#include "chart/shape_tables.h"

#include <util/shape.h>

#include <vtkDataArray.h>

#include <algorithm>

namespace util {

namespace {

double coordinateOf(const Point2D& point, Coordinate coordinate)
{
    return coordinate == Coordinate::X ? point.x() : point.y();
}

} // namespace

vtkIdType outlineRows(const Shape& shape)
{
    return 2 * vtkIdType(shape.numberOfLines());
}

vtkIdType handleRows(const Shape& shape)
{
    return shape.numberOfHandles();
}

void writeOutline(vtkDataArray* column, const Shape& shape, Coordinate coordinate)
{
    const vtkIdType lines = std::min<vtkIdType>(column->GetNumberOfTuples() / 2, shape.numberOfLines());
    for (vtkIdType k = 0; k < lines; ++k) {
        const Line& line = *shape.line(int(k));
        column->SetComponent(2 * k, 0, coordinateOf(line.p1, coordinate));
        column->SetComponent(2 * k + 1, 0, coordinateOf(line.p2, coordinate));
    }
    column->Modified();
}

void writeHandles(vtkDataArray* column, const Shape& shape, Coordinate coordinate)
{
    const vtkIdType rows = std::min<vtkIdType>(column->GetNumberOfTuples(), shape.numberOfHandles());
    for (vtkIdType i = 0; i < rows; ++i)
        column->SetComponent(i, 0, coordinateOf(*shape.handle(int(i)), coordinate));
    column->Modified();
}

} // namespace util
