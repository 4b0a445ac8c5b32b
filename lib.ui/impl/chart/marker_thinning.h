#pragma once

#include <util/util_ui_export.h>

#include <vtkType.h>

#include <vector>

namespace util {

/**
 * @brief Drops the markers that paint (almost) nothing new: of the points
 * whose device positions fall in the same quarter-pixel cell, only the first
 * is kept.
 *
 * The kept markers paint the picture all markers would, up to a few edge
 * pixels where the renderer's sampling of a marker depends on its exact
 * sub-pixel position. Points whose marker lies wholly outside the device, or
 * with a non-finite position, are dropped, and so are the points named as
 * skipped (VTK's bad points: a non-finite coordinate or a zero in the plot's
 * valid-point mask). The buffers are kept between calls, so a live chart
 * allocates nothing per frame. The cell grid is one for all instances of a
 * thread and is left clear by every call, which clears only the cells it
 * marked: a call costs in proportion to its points, whatever the device's
 * size, and an instance holds only its kept points.
 */
class UTIL_UI_EXPORT MarkerThinning
{
public:
    /**
     * Thins @p count points stored as x0, y0, x1, y1, ... in plot coordinates.
     * @param skipped the ids of the points not to paint, ascending; null when @p skippedCount is 0
     * @param matrix the row-major 3 x 3 transform from plot coordinates to device pixels
     * @param width, height the size in pixels of the device's area, which starts at device pixel (0, 0)
     * @param size the marker size in pixels
     * @return the kept points, in their original order, in plot coordinates,
     *         valid until the next call (@p kept receives their number); null
     *         when the points cannot be thinned (no points, a size outside
     *         (0, 65536] or a device far beyond any screen): paint them all.
     */
    float* thin(const float* xy, vtkIdType count, const vtkIdType* skipped, vtkIdType skippedCount,
        const double matrix[9], int width, int height, float size, vtkIdType& kept);

private:
    std::vector<float> points;
};

} // namespace util
