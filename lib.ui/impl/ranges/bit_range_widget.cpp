#include <util/bit_range_widget.h>
#include <util/range_slider.h>

#include "ranges/bit_range_panel.h"
#include "ranges/ranges_logging.h"

#include <QAccessible>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace util {

namespace {
constexpr int shownBits = 8;
constexpr int deepestImage = 24;
} // namespace

BitRangeWidget::BitRangeWidget(QObject* parent)
    : QWidgetAction(parent)
    , m_intensityLabel(new QLabel)
    , m_rangeSlider(new RangeSlider)
{
    m_intensityLabel->setObjectName(QStringLiteral("intensity_label"));
    m_rangeSlider->setObjectName(QStringLiteral("range_slider"));
    m_rangeSlider->setOrientation(Qt::Horizontal);
    m_rangeSlider->setTickPosition(QSlider::TicksBelow);

    auto* container = new BitRangePanel(*m_rangeSlider);
    container->setObjectName(QStringLiteral("bit_range_widget"));
    container->setStyleSheet(QStringLiteral("QLabel {color: black; font-weight: normal; }"));
    auto* layout = new QVBoxLayout;
    layout->setObjectName(QStringLiteral("bit_range_layout"));
    auto* description = new QLabel(
        QStringLiteral(
            "Select the bit range of the image to display (8-bit Monochrome or 8-bit per RGB color)"),
        container);
    description->setObjectName(QStringLiteral("description_label"));
    layout->addWidget(m_intensityLabel);
    layout->addWidget(m_rangeSlider);
    layout->addWidget(description);
    container->setLayout(layout);
    // The label of the shown bits names the slider for screen readers.
    m_intensityLabel->setBuddy(m_rangeSlider);
    setDefaultWidget(container);

    setBitRange(16);
    connect(m_rangeSlider, &RangeSlider::valuesChanged, this, &BitRangeWidget::updateRange);
}

BitRangeWidget::~BitRangeWidget() = default;

void BitRangeWidget::setBitRange(int bits)
{
    if (bits > deepestImage) {
        qCWarning(lcRanges) << "images of" << bits << "bits are shown as" << deepestImage << "bit images";
    }
    bits = std::clamp(bits, 1, deepestImage);
    const int oldShift = m_bitShift;
    {
        // The slider's own clamping to a new range must not reach updateRange.
        const QSignalBlocker blocker(m_rangeSlider);
        m_rangeSlider->setRange(0, bits <= 8 ? 7 : bits <= 16 ? 15 : 23);
        const int top = m_rangeSlider->maximum();
        m_rangeSlider->setValues(top - bits + 1, top - bits + shownBits);
        updateLabel();
        m_rangeSlider->setTickInterval(1);
        m_rangeSlider->setTickPosition(QSlider::TicksBelow);
        m_rangeSlider->setEnabled(true);
    }
    m_bitShift = m_rangeSlider->maximum() - m_rangeSlider->maximumValue();
    if (m_bitShift != oldShift) {
        emit signal_bitRange(m_bitShift);
    }
}

void BitRangeWidget::setBitShift(int shift)
{
    const int upper = int(std::clamp<qint64>(
        qint64(m_rangeSlider->maximum()) - shift, m_rangeSlider->minimum(), m_rangeSlider->maximum()));
    placeWindow(upper - (shownBits - 1), upper);
    emit signal_bitRange(m_bitShift);
}

int BitRangeWidget::bitShift() const
{
    return m_bitShift;
}

RangeSlider* BitRangeWidget::rangeSlider() const
{
    return m_rangeSlider;
}

void BitRangeWidget::updateRange(int min, int max)
{
    const int before = m_bitShift;
    placeWindow(min, max);
    if (m_bitShift != before) {
        emit signal_bitRange(m_bitShift);
    }
}

void BitRangeWidget::placeWindow(int min, int max)
{
    {
        // No change for updateRange to follow. A correction made while the slider announces a
        // change reaches the slider's listeners through that announcement.
        const QSignalBlocker blocker(m_rangeSlider);
        // The upper end carries the window along when a drag holds the upper handle alone, or,
        // outside a drag, when a key, the wheel or the host moved the upper end and not the lower.
        const int upperBefore = m_rangeSlider->maximum() - m_bitShift;
        const bool upperLeads = m_rangeSlider->isSliderDown()
            ? m_rangeSlider->isMaximumSliderDown() && !m_rangeSlider->isMinimumSliderDown()
            : max != upperBefore && min == upperBefore - (shownBits - 1);
        int lower = upperLeads ? max - (shownBits - 1) : min;
        lower
            = std::max(std::min(lower, m_rangeSlider->maximum() - (shownBits - 1)), m_rangeSlider->minimum());
        m_rangeSlider->setValues(lower, lower + shownBits - 1);
        updateLabel();
    }
    m_bitShift = m_rangeSlider->maximum() - m_rangeSlider->maximumValue();
}

void BitRangeWidget::updateLabel()
{
    const int top = m_rangeSlider->maximum();
    const QString text = QStringLiteral("Image Intensity (Bit Range: [%1;%2]):")
                             .arg(top - m_rangeSlider->minimumValue())
                             .arg(top - m_rangeSlider->maximumValue());
    if (text == m_intensityLabel->text()) {
        return;
    }
    m_intensityLabel->setText(text);
    // The shown bits are the panel's accessible value, and the label is the slider's name.
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent shown(defaultWidget(), top - m_rangeSlider->maximumValue());
        QAccessible::updateAccessibility(&shown);
        QAccessibleEvent name(m_rangeSlider, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&name);
    }
}

} // namespace util
