#pragma once

#include <util/util_ui_export.h>

#include <vtkChartLegend.h>
#include <vtkTimeStamp.h>
#include <vtkWeakPointer.h>

#include <string>
#include <vector>

class vtkContextDevice2D;
class vtkPlot;

namespace util {

/**
 * @brief The legend of a ChartXY: vtkChartLegend's entries, layout and look, at a cost that does not grow
 * with what cannot be seen.
 *
 * The entries are vtkChartLegend's: the visible plots with a non-empty
 * label, in the chart's plot order, up to and including the first plot with
 * several labels; a plot with its legend visibility on shows one row per
 * label. Box, rows, marks and text sit where vtkChartLegend puts them.
 *
 * What differs is the work per frame, which a chart with many shapes (each
 * outline a legend entry) would otherwise pay for every entry:
 * - Update() marks the entries changed only when a row's plot or text, or
 *   the number of rows, changed; the widest label is measured again only
 *   then, or when the label text property, the padding, the symbol width or
 *   the device's text scale changed, not at every layout pass;
 * - Paint() measures and draws only the rows that reach the device's area.
 *   Rows beyond the window draw nothing visible, and drawing them would
 *   also push the labels in sight out of VTK's text texture cache (50
 *   strings), so that every label would be rendered anew in every frame.
 *   A vector export (GL2PS) or a picking pass gets every row.
 */
class UTIL_UI_EXPORT ChartLegend : public vtkChartLegend
{
public:
    static ChartLegend* New();
    vtkTypeMacro(ChartLegend, vtkChartLegend);
    void PrintSelf(ostream& os, vtkIndent indent) override;

    /// Collects the entries from the chart's plots.
    void Update() override;
    bool Paint(vtkContext2D* painter) override;
    /// The legend's box at its anchor point, sized for the widest label and the number of rows.
    vtkRectf GetBoundingRect(vtkContext2D* painter) override;

    /// The number of rows of the last Update().
    int GetNumberOfRows() const { return int(Rows.size()); }
    /// The number of rows the last Paint() drew.
    int GetNumberOfPaintedRows() const { return PaintedRows; }

protected:
    ChartLegend() = default;
    ~ChartLegend() override = default;

private:
    ChartLegend(const ChartLegend&) = delete;
    void operator=(const ChartLegend&) = delete;

    /// One legend row: label @p label of @p plot, reading @p text.
    struct Row
    {
        vtkWeakPointer<vtkPlot> plot;
        vtkIdType label = 0;
        std::string text;
        bool operator==(const Row& other) const
        {
            return plot == other.plot && label == other.label && text == other.text;
        }
    };
    /// What the widest label was measured for.
    struct Measure
    {
        vtkContextDevice2D* device = nullptr;
        float reference[2] = { -1.0f, -1.0f }; ///< the size of a reference string: the device's text scale
        vtkMTimeType textTime = 0;
        int padding = 0;
        int symbolWidth = 0;
        bool operator==(const Measure& other) const;
    };

    std::vector<Row> Rows;
    bool HasEntries = false; ///< some plot is an entry, even if none shows a row
    Measure Measured;
    vtkTimeStamp MeasureTime; ///< when MaxLabelWidth was measured
    float MaxLabelWidth = 0.0f;
    int PaintedRows = 0;
};

} // namespace util
