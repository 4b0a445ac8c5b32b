#pragma once

#include <vtkType.h>

class vtkDataArray;

namespace util {

class Shape;

// The coordinate tables of a shape, which the shape overlay fills and the chart rewrites while the shape is
// dragged. Each has an x column and a y column. The outline table holds line k's end points in rows 2k and
// 2k + 1; the handle table holds handle i in row i.

/// A column of a shape table: x is column 0, y column 1.
enum class Coordinate { X = 0, Y = 1 };

/// The rows of @p shape's outline table: two per line.
vtkIdType outlineRows(const Shape& shape);
/// The rows of @p shape's handle table: one per handle.
vtkIdType handleRows(const Shape& shape);

/// Writes @p coordinate of @p shape's line end points into the outline column @p column, as far as both
/// reach, and marks @p column modified.
void writeOutline(vtkDataArray* column, const Shape& shape, Coordinate coordinate);
/// Writes @p coordinate of @p shape's handles into the handle column @p column, as far as both reach, and
/// marks @p column modified.
void writeHandles(vtkDataArray* column, const Shape& shape, Coordinate coordinate);

} // namespace util
