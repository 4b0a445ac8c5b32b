#pragma once

#include <util/util_ui_export.h>

#include <QString>

#include <vtkPlotArea.h>
#include <vtkPlotBag.h>
#include <vtkPlotBar.h>
#include <vtkPlotFunctionalBag.h>
#include <vtkPlotLine.h>
#include <vtkPlotPoints.h>
#include <vtkPlotStacked.h>
#include <vtkWeakPointer.h>

#include <memory>

class vtkContextScene;

namespace util {

class Shape;
class MarkerThinning;
class NearestPointIndex;

/// The pick zone in pixels: a point within this distance of the pointer, along x and along y, is under it.
constexpr double pickZone = 5.0;

/**
 * Device pixels per pixel of the chart's sizes in @p scene: the DPI of the
 * scene's render window over 72, VTK's unscaled DPI; 1 without a window.
 *
 * VTK sizes text by that DPI. The chart multiplies what it draws or measures
 * in pixels (marker sizes, line widths, the pick zone, spacings) by this
 * ratio, so that at a device pixel ratio of 2, where RenderingWindow gives
 * its render window 144 DPI, everything is twice as large in device pixels
 * as at 1, and the chart looks and answers the pointer alike on both screens.
 */
UTIL_UI_EXPORT double dpiScale(vtkContextScene* scene);

/**
 * @brief What the chart and the shape overlay know about a plot, beyond its VTK side.
 *
 * The plain second base of every plot class the chart holds (PlotLine,
 * PlotPoints, PlotBar, PlotStacked, PlotBag, PlotFunctionalBag, PlotArea).
 * Reach it from a vtkPlot with util::plotInfo().
 */
class UTIL_UI_EXPORT Plot
{
public:
    QString name; ///< series or shape name; empty by default
    /// For a shape plot the partner plot (outline <-> handles), else null; also null once the chart drops it.
    vtkWeakPointer<vtkPlot> linkedPlot;
    Shape* shape = nullptr; ///< the shape this plot draws; null for data series
    bool isHandle = false; ///< the plot draws a shape's handles
    bool tooltipEnabled = true; ///< the plot takes part in the nearest-point tooltip search
    bool dragAlongX = false; ///< the shape may be dragged along x
    bool dragAlongY = false; ///< the shape may be dragged along y
    bool selected = false; ///< this shape plot is the one picked for a body drag

protected:
    /// Prints the fields above after the VTK base's own output.
    void printPlot(ostream& os, vtkIndent indent) const;
};

/// The util::Plot part of @p plot, or null when @p plot is null or not one of the library's plot classes.
UTIL_UI_EXPORT Plot* plotInfo(vtkPlot* plot);

// The plot classes without behaviour of their own: the VTK class plus util::Plot.
#define UTIL_UI_DECLARE_PLOT(Name, Base)                                                                     \
    class UTIL_UI_EXPORT Name : public Base, public Plot                                                     \
    {                                                                                                        \
    public:                                                                                                  \
        static Name* New();                                                                                  \
        vtkTypeMacro(Name, Base);                                                                            \
        void PrintSelf(ostream& os, vtkIndent indent) override;                                              \
                                                                                                             \
    protected:                                                                                               \
        Name() = default;                                                                                    \
        ~Name() override = default;                                                                          \
                                                                                                             \
    private:                                                                                                 \
        Name(const Name&) = delete;                                                                          \
        void operator=(const Name&) = delete;                                                                \
    };

/// Bar plot (chart type 2).
UTIL_UI_DECLARE_PLOT(PlotBar, vtkPlotBar)
/// Stacked plot (chart type 3).
UTIL_UI_DECLARE_PLOT(PlotStacked, vtkPlotStacked)
/// Bag plot (chart type 4).
UTIL_UI_DECLARE_PLOT(PlotBag, vtkPlotBag)
/// Functional bag plot (chart type 5).
UTIL_UI_DECLARE_PLOT(PlotFunctionalBag, vtkPlotFunctionalBag)
/// Area plot (chart type 6).
UTIL_UI_DECLARE_PLOT(PlotArea, vtkPlotArea)

#undef UTIL_UI_DECLARE_PLOT

/**
 * @brief Line plot (chart type 0) whose line width and marker size are in pixels at 72 DPI.
 *
 * Paints as vtkPlotLine does, with the pen width and the marker size
 * multiplied by dpiScale() for the time of the call; the plot and its pen
 * keep the unscaled values.
 */
class UTIL_UI_EXPORT PlotLine : public vtkPlotLine, public Plot
{
public:
    static PlotLine* New();
    vtkTypeMacro(PlotLine, vtkPlotLine);
    void PrintSelf(ostream& os, vtkIndent indent) override;

    bool Paint(vtkContext2D* painter) override;
    bool PaintLegend(vtkContext2D* painter, const vtkRectf& rect, int legendIndex) override;

protected:
    PlotLine() = default;
    ~PlotLine() override = default;

private:
    PlotLine(const PlotLine&) = delete;
    void operator=(const PlotLine&) = delete;
};

/**
 * @brief Points plot (chart type 1) with its own nearest-point search for tooltips and picking.
 *
 * The three-argument GetNearestPoint() answers from a NearestPointIndex over
 * the plot's cached points (all of them, whatever the plot paints): the lowest
 * point id strictly inside the tolerance box. The index is built on the first
 * query and rebuilt after the cached points or the search range change; for
 * points sorted by x that costs one pass, where VTK's search sorts a copy.
 * Call the three-argument form: VTK's four-argument form reaches this search
 * only through its deprecated-call path, which emits a VTK warning on a hit.
 *
 * Painting skips the markers that would paint nothing new (MarkerThinning):
 * a dense profile costs what its visible footprint costs, and the picture is
 * the one all markers would give, up to a few edge pixels. Only painting is
 * thinned; the input table and the searches keep every point.
 *
 * Marker size, pen width and the pick zone of Hit() are in pixels at 72 DPI:
 * they are multiplied by dpiScale() when painting and picking.
 */
class UTIL_UI_EXPORT PlotPoints : public vtkPlotPoints, public Plot
{
public:
    static PlotPoints* New();
    vtkTypeMacro(PlotPoints, vtkPlotPoints);
    void PrintSelf(ostream& os, vtkIndent indent) override;

    vtkIdType GetNearestPoint(
        const vtkVector2f& point, const vtkVector2f& tolerance, vtkVector2f* location) override;
    using vtkPlotPoints::GetNearestPoint;

    /**
     * Paints as vtkPlotPoints does, but one marker per covered footprint. VTK's
     * own painting of every point runs instead when ThinMarkers is off, for
     * coloured or selected points, for a marker size from the pen (size < 0),
     * and during a vector export.
     */
    bool Paint(vtkContext2D* painter) override;

    /// VTK's legend marker (2.3 times the pen width, at least 8 pixels), scaled by dpiScale().
    bool PaintLegend(vtkContext2D* painter, const vtkRectf& rect, int legendIndex) override;

    /**
     * Whether a point lies within pickZone pixels of the mouse, as vtkPlot::Hit()
     * answers, without its bounds pass over every point: the scene asks this
     * on every mouse move.
     */
    bool Hit(const vtkContextMouseEvent& mouse) override;

    /// Whether Paint() skips markers that paint nothing new; on by default.
    vtkSetMacro(ThinMarkers, bool);
    vtkGetMacro(ThinMarkers, bool);
    vtkBooleanMacro(ThinMarkers, bool);

    /// Stores the data's x extent (both 0 by default) and drops the index; the next query rebuilds it.
    void setSearchRange(double xMin, double xMax);
    double searchRangeMin() const { return xMin; }
    double searchRangeMax() const { return xMax; }
    /// Whether a search index is currently built.
    bool hasSearchIndex() const { return bool(index); }

protected:
    PlotPoints();
    ~PlotPoints() override;

private:
    PlotPoints(const PlotPoints&) = delete;
    void operator=(const PlotPoints&) = delete;

    bool ThinMarkers = true;
    std::unique_ptr<MarkerThinning> thinning;
    std::unique_ptr<NearestPointIndex> index;
    vtkMTimeType indexTime = 0; ///< the point cache's build time the index was made from
    double xMin = 0.0;
    double xMax = 0.0;
};

} // namespace util
