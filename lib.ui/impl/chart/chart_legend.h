#pragma once

#include <util/util_ui_export.h>

#include <vtkChartLegend.h>
#include <vtkSmartPointer.h>
#include <vtkTimeStamp.h>
#include <vtkWeakPointer.h>

#include <string>
#include <unordered_map>
#include <vector>

class vtkContextDevice2D;
class vtkImageData;
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
 *   Rows beyond the window draw nothing visible. A vector export (GL2PS) or
 *   a picking pass gets every row;
 * - on screen, each label's text is rendered once into an image of its own
 *   and painted from it, pixel for pixel where vtkContext2D::DrawString()
 *   would put its text, until the text, the label text property or the DPI
 *   change. VTK's device keeps the textures of only 50 strings, first in
 *   first out: with a few dozen rows in sight beside the axis labels, every
 *   string missed that cache and was rendered anew in every frame. Other
 *   devices, and a device that scales the scene (a tiled export), get
 *   DrawString().
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

    /// A label's text rendered into an image, with its place relative to the text's anchor.
    struct LabelImage
    {
        vtkSmartPointer<vtkImageData> image; ///< null when the text could not be rendered
        int left = 0; ///< the text's bounding box relative to the anchor, in pixels
        int bottom = 0;
        float heightWithT = 0.0f; ///< the height of the text followed by a "T", for the baseline
        bool used = false; ///< painted in the current Paint()
    };
    /**
     * Paints @p text with its anchor at @p x, @p y, lowered by the difference between @p baseHeight and
     * the height of the text followed by a "T", as vtkChartLegend places its labels. From the label's
     * image when @p dpi is positive, else by DrawString().
     */
    void PaintLabel(
        vtkContext2D* painter, int dpi, float x, float y, float baseHeight, const std::string& text);
    /// The DPI that label images are rendered at on @p painter's device, or 0 when it takes DrawString().
    int ImageDpi(vtkContext2D* painter);

    std::vector<Row> Rows;
    /// By text, rendered at ImagesDpi with the label text property of ImagesTextTime; those of the last
    /// paint.
    std::unordered_map<std::string, LabelImage> LabelImages;
    int ImagesDpi = 0;
    vtkMTimeType ImagesTextTime = 0;
    bool HasEntries = false; ///< some plot is an entry, even if none shows a row
    Measure Measured;
    vtkTimeStamp MeasureTime; ///< when MaxLabelWidth was measured
    float MaxLabelWidth = 0.0f;
    int PaintedRows = 0;
};

} // namespace util
