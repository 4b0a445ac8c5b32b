// The chart's tooltip text builder on arbitrary formats, positions, indices
// and mapped values (NaN, infinities and huge numbers included).
#include "chart/chart_callbacks.h"
#include "chart/chart_xy.h"
#include "fuzz_input.h"

#include <vtkAxis.h>
#include <vtkNew.h>
#include <vtkPlot.h>
#include <vtkStringArray.h>

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static vtkNew<util::ChartXY> chart;
    static vtkPlot* plot = chart->AddPlot(1);
    static util::ChartCallbacks callbacks;
    chart->SetCallbacks(&callbacks);

    fuzz::Input in(data, size);
    using fuzz::check;
    const std::uint8_t flags = in.byte();
    const double mappedX = in.raw<double>();
    const double mappedY = in.raw<double>();
    callbacks.xTooltip = flags & 1
        ? std::function<double(int, double)>([mappedX](int, double) { return mappedX; })
        : nullptr;
    callbacks.yTooltip = flags & 2
        ? std::function<double(int, double)>([mappedY](int, double) { return mappedY; })
        : nullptr;
    plot->SetTooltipPrecision(int(in.byte() % 40) - 4);
    plot->SetTooltipNotation(int(in.byte() % 4));
    plot->GetXAxis()->SetLogScale((flags & 4) != 0);
    vtkNew<vtkStringArray> labels;
    labels->InsertNextValue("first");
    plot->SetIndexedLabels(flags & 8 ? labels.Get() : nullptr);
    plot->SetLabel("series");

    const double x = in.raw<double>();
    const vtkVector2d position(x, in.raw<double>());
    const vtkIdType index = vtkIdType(in.raw<std::int64_t>());
    const std::string format = in.rest();
    plot->SetTooltipLabelFormat(format.c_str());

    const std::string label = chart->BuildTooltipLabel(plot, position, index, -1);
    const std::string plain(format.c_str()); // what the plot stored: up to the first NUL
    if (!plain.empty() && plain.find('%') == std::string::npos)
        check(label == plain);
    if (plain == "%h") {
        // Always "0x" and one to four hexadecimal digits.
        check(label.size() >= 3 && label.size() <= 6 && label.compare(0, 2, "0x") == 0);
        check(label.find_first_not_of("0123456789ABCDEF", 2) == std::string::npos);
    }
    if (plain == "%r" && !(flags & 1))
        check(label == "0"); // no mapping: zero
    check(chart->BuildTooltipLabel(nullptr, position, index, -1).empty());
    return 0;
}
