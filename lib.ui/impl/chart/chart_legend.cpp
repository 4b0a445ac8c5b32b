#include "chart/chart_legend.h"

#include <vtkBrush.h>
#include <vtkChart.h>
#include <vtkContext2D.h>
#include <vtkContextDevice2D.h>
#include <vtkContextScene.h>
#include <vtkImageData.h>
#include <vtkMatrix3x3.h>
#include <vtkObjectFactory.h>
#include <vtkOpenGLContextDevice2D.h>
#include <vtkOpenGLGL2PSHelper.h>
#include <vtkPen.h>
#include <vtkPlot.h>
#include <vtkRenderWindow.h>
#include <vtkRenderer.h>
#include <vtkStringArray.h>
#include <vtkTextProperty.h>
#include <vtkTextRenderer.h>

#include <algorithm>
#include <cmath>

namespace util {

namespace {

/// The height of @p text as @p painter measures it with its current text property.
float textHeight(vtkContext2D* painter, const std::string& text)
{
    float bounds[4] = { 0.0f, 0.0f, 0.0f, 0.0f };
    painter->ComputeStringBounds(text, bounds);
    return bounds[3];
}

/**
 * Whether the scene's rows from @p low to @p high (y) may reach the device's area. True whenever the
 * device cannot tell: a vector export, a picking pass, or a device without an area.
 */
class RowWindow
{
public:
    explicit RowWindow(vtkContext2D* painter)
    {
        vtkContextDevice2D* device = painter->GetDevice();
        vtkOpenGLGL2PSHelper* exporter = vtkOpenGLGL2PSHelper::GetInstance();
        if (!device || device->GetBufferIdMode()
            || (exporter && exporter->GetActiveState() != vtkOpenGLGL2PSHelper::Inactive))
            return;
        const vtkRecti area = device->GetViewportRect();
        if (area.GetHeight() <= 0)
            return;
        device->GetMatrix(matrix);
        height = area.GetHeight();
    }
    bool reaches(float x, float low, float high) const
    {
        if (height <= 0)
            return true;
        const double* m = matrix->GetData();
        const double a = m[3] * x + m[4] * low + m[5];
        const double b = m[3] * x + m[4] * high + m[5];
        return std::max(a, b) >= 0.0 && std::min(a, b) <= double(height);
    }

private:
    vtkNew<vtkMatrix3x3> matrix;
    int height = 0; ///< the device area's height in pixels; 0 when every row counts as reaching it
};

} // namespace

vtkStandardNewMacro(ChartLegend);

bool ChartLegend::Measure::operator==(const Measure& other) const
{
    return device == other.device && reference[0] == other.reference[0] && reference[1] == other.reference[1]
        && textTime == other.textTime && padding == other.padding && symbolWidth == other.symbolWidth;
}

void ChartLegend::PrintSelf(ostream& os, vtkIndent indent)
{
    Superclass::PrintSelf(os, indent);
    os << indent << "Rows: " << Rows.size() << "\n" << indent << "PaintedRows: " << PaintedRows << "\n";
}

void ChartLegend::Update()
{
    std::vector<Row> rows;
    bool hasEntries = false;
    vtkChart* chart = GetChart();
    const vtkIdType plots = chart ? chart->GetNumberOfPlots() : 0;
    for (vtkIdType i = 0; i < plots; ++i) {
        vtkPlot* plot = chart->GetPlot(i);
        vtkStringArray* labels = plot->GetLabels();
        if (plot->GetVisible() && !plot->GetLabel().empty()) {
            hasEntries = true;
            for (vtkIdType l = 0; plot->GetLegendVisibility() && labels && l < labels->GetNumberOfValues();
                 ++l)
                rows.push_back({ plot, l, labels->GetValue(l) });
        }
        // Of plots with several labels only the first is shown, as vtkChartLegend does.
        if (labels && labels->GetNumberOfTuples() > 1)
            break;
    }
    HasEntries = hasEntries;
    if (rows == Rows)
        return;
    Rows = std::move(rows);
    PlotTime.Modified();
}

vtkRectf ChartLegend::GetBoundingRect(vtkContext2D* painter)
{
    painter->ApplyTextProp(LabelProperties);
    float reference[4] = { 0.0f, 0.0f, 0.0f, 0.0f };
    painter->ComputeStringBounds("Tgyf", reference);
    Measure measure;
    measure.device = painter->GetDevice();
    measure.reference[0] = reference[2];
    measure.reference[1] = reference[3];
    measure.textTime = LabelProperties->GetMTime();
    measure.padding = Padding;
    measure.symbolWidth = SymbolWidth;
    if (!CacheBounds || !(measure == Measured) || MeasureTime < PlotTime) {
        MaxLabelWidth = 0.0f;
        for (const Row& row : Rows) {
            float bounds[4] = { 0.0f, 0.0f, 0.0f, 0.0f };
            painter->ComputeStringBounds(row.text, bounds);
            MaxLabelWidth = std::max(MaxLabelWidth, bounds[2]);
        }
        Measured = measure;
        MeasureTime.Modified();
    }
    const float height = reference[3];
    Rect = vtkRectf(std::floor(Point[0]), std::floor(Point[1]),
        std::ceil(MaxLabelWidth + 2 * Padding + SymbolWidth),
        std::ceil(float(Rows.size()) * (height + float(Padding)) + float(Padding)));
    RectTime.Modified();
    return Rect;
}

bool ChartLegend::Paint(vtkContext2D* painter)
{
    PaintedRows = 0;
    if (!Visible || !HasEntries)
        return true;
    GetBoundingRect(painter);
    painter->ApplyPen(Pen);
    painter->ApplyBrush(Brush);
    painter->DrawRect(Rect.GetX(), Rect.GetY(), Rect.GetWidth(), Rect.GetHeight());

    painter->ApplyTextProp(LabelProperties);
    const float height = textHeight(painter, "Tgyf");
    // Labels are lowered by how far they reach below this string's baseline.
    const float baseHeight = textHeight(painter, "The");
    const float textX = Rect.GetX() + float(Padding + SymbolWidth);
    vtkRectf mark(Rect.GetX() + float(Padding),
        Rect.GetY() + Rect.GetHeight() - float(Padding) - std::floor(height), float(SymbolWidth - 3),
        std::ceil(height));
    const RowWindow window(painter);
    const int dpi = ImageDpi(painter);
    for (const Row& row : Rows) {
        // A row's text and mark lie within a height of its mark's box, either way.
        if (row.plot && window.reaches(mark.GetX(), mark.GetY() - height, mark.GetY() + 2 * height)) {
            PaintLabel(painter, dpi, textX, mark.GetY(), baseHeight, row.text);
            row.plot->PaintLegend(painter, mark, int(row.label));
            ++PaintedRows;
        }
        mark.SetY(mark.GetY() - height - float(Padding));
    }
    // Only the labels in sight keep their images.
    for (auto it = LabelImages.begin(); it != LabelImages.end();) {
        if (!it->second.used) {
            it = LabelImages.erase(it);
            continue;
        }
        it->second.used = false;
        ++it;
    }
    return true;
}

int ChartLegend::ImageDpi(vtkContext2D* painter)
{
    auto* device = vtkOpenGLContextDevice2D::SafeDownCast(painter->GetDevice());
    vtkOpenGLGL2PSHelper* exporter = vtkOpenGLGL2PSHelper::GetInstance();
    vtkRenderer* renderer = Scene ? Scene->GetRenderer() : nullptr;
    vtkRenderWindow* window = renderer ? renderer->GetRenderWindow() : nullptr;
    if (!device || !window || device->GetBufferIdMode()
        || (exporter && exporter->GetActiveState() != vtkOpenGLGL2PSHelper::Inactive))
        return 0;
    // Images are drawn one texel to a device pixel: only where the scene is not scaled.
    vtkNew<vtkMatrix3x3> matrix;
    device->GetMatrix(matrix);
    const double* m = matrix->GetData();
    if (m[0] != 1.0 || m[1] != 0.0 || m[3] != 0.0 || m[4] != 1.0)
        return 0;
    // The DPI the device renders text at.
    int tileScale[2];
    window->GetTileScale(tileScale);
    const int dpi = window->GetDPI() * std::max(tileScale[0], tileScale[1]);
    if (dpi != ImagesDpi || LabelProperties->GetMTime() != ImagesTextTime) {
        LabelImages.clear();
        ImagesDpi = dpi;
        ImagesTextTime = LabelProperties->GetMTime();
    }
    return dpi;
}

void ChartLegend::PaintLabel(
    vtkContext2D* painter, int dpi, float x, float y, float baseHeight, const std::string& text)
{
    vtkTextRenderer* renderer = vtkTextRenderer::GetInstance();
    if (dpi <= 0 || !renderer) {
        painter->DrawString(x, y + baseHeight - textHeight(painter, text + "T"), text);
        return;
    }
    auto found = LabelImages.find(text);
    if (found == LabelImages.end()) {
        LabelImage label;
        label.heightWithT = textHeight(painter, text + "T");
        auto image = vtkSmartPointer<vtkImageData>::New();
        int size[2];
        vtkTextRenderer::Metrics metrics;
        if (renderer->RenderString(LabelProperties, text, image, size, dpi)
            && renderer->GetMetrics(LabelProperties, text, metrics, dpi)) {
            // The renderer places the image at the text's box; the device draws an image from (0, 0).
            int extent[6];
            image->GetExtent(extent);
            image->SetExtent(0, extent[1] - extent[0], 0, extent[3] - extent[2], 0, 0);
            label.image = image;
            label.left = metrics.BoundingBox[0];
            label.bottom = metrics.BoundingBox[2];
        }
        found = LabelImages.emplace(text, label).first;
    }
    LabelImage& label = found->second;
    label.used = true;
    const float anchorY = y + baseHeight - label.heightWithT;
    if (!label.image) {
        painter->DrawString(x, anchorY, text);
        return;
    }
    // Where DrawString() puts the text: the anchor on whole pixels, moved by the text's box.
    painter->DrawImage(
        std::floor(x) + float(label.left), std::floor(anchorY) + float(label.bottom), label.image);
}

} // namespace util
