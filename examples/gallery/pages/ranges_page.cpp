#include "pages/pages.h"

#include <util/action.h>
#include <util/bit_range_widget.h>
#include <util/circular_slider.h>
#include <util/clickable_label.h>
#include <util/instant_tooltip_button.h>
#include <util/plain_text_edit.h>
#include <util/range_slider.h>
#include <util/slider_popup.h>
#include <util/style_markers.h>
#include <util/tristate_checkbox.h>

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QToolBar>
#include <QVBoxLayout>

#include <limits>
#include <vector>

namespace {

// A 16-bit test image: a left-to-right ramp in the high byte, diagonal stripes in the low byte.
class SyntheticImage
{
public:
    static constexpr int width = 256;
    static constexpr int height = 96;

    SyntheticImage()
        : m_samples(width * height)
    {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                m_samples[y * width + x] = quint16((x << 8) | ((x * 7 + y * 13) & 0xFF));
            }
        }
    }

    // The eight bits above the lowest `shift` bits, as an 8-bit image.
    QPixmap shown(int shift) const
    {
        QImage image(width, height, QImage::Format_Grayscale8);
        for (int y = 0; y < height; ++y) {
            uchar* line = image.scanLine(y);
            for (int x = 0; x < width; ++x) {
                line[x] = uchar((m_samples[y * width + x] >> shift) & 0xFF);
            }
        }
        return QPixmap::fromImage(image);
    }

private:
    std::vector<quint16> m_samples;
};

QWidget* rangeControls(QWidget* page)
{
    auto* box = new QGroupBox(QStringLiteral("Range controls"), page);
    auto* grid = new QGridLayout(box);

    auto* range = new util::RangeSlider(Qt::Horizontal, box);
    range->setValues(20, 60);
    range->setHandleToolTip(QStringLiteral("Value: %1"));
    auto* rangeLabel = new QLabel(box);
    const auto showRange = [rangeLabel](int min, int max) {
        rangeLabel->setText(QStringLiteral("[%1, %2]").arg(min).arg(max));
    };
    showRange(range->minimumValue(), range->maximumValue());
    QObject::connect(range, &util::RangeSlider::valuesChanged, rangeLabel, showRange);
    auto* symmetric = new util::TristateCheckbox(box);
    symmetric->setText(QStringLiteral("Symmetric moves"));
    symmetric->setChecked(true);
    range->setSymmetricMoves(true);
    QObject::connect(symmetric, &QCheckBox::toggled, range, &util::RangeSlider::setSymmetricMoves);
    grid->addWidget(new QLabel(QStringLiteral("Range slider (hover a handle):"), box), 0, 0);
    grid->addWidget(range, 0, 1);
    grid->addWidget(rangeLabel, 0, 2);
    grid->addWidget(symmetric, 1, 1);

    auto* circular = new util::CircularSlider(box);
    circular->setOrientation(Qt::Horizontal);
    circular->setRange(0, 359);
    auto* angle = new QLabel(QStringLiteral("0°"), box);
    QObject::connect(circular, &QSlider::valueChanged, angle,
        [angle](int value) { angle->setText(QStringLiteral("%1°").arg(value)); });
    grid->addWidget(new QLabel(QStringLiteral("Circular slider (arrow keys wrap):"), box), 2, 0);
    grid->addWidget(circular, 2, 1);
    grid->addWidget(angle, 2, 2);

    auto* bits = new util::BitRangeWidget(box);
    auto* image = new QLabel(box);
    static const SyntheticImage source;
    image->setPixmap(source.shown(bits->bitShift()));
    QObject::connect(bits, &util::BitRangeWidget::signal_bitRange, image,
        [image](int shift) { image->setPixmap(source.shown(shift)); });
    QWidget* selector = bits->requestWidget(box);
    selector->show(); // a menu or tool bar would show it; a plain layout does not
    grid->addWidget(selector, 3, 0, 1, 2);
    grid->addWidget(image, 3, 2);
    return box;
}

QWidget* styledWidgets(QWidget* page)
{
    auto* box = new util::GroupBoxSquareNoVertical(page);
    box->setTitle(QStringLiteral("Styled widgets"));
    auto* layout = new QVBoxLayout(box);

    auto* blue = new util::BlueFrame(box);
    auto* blueLayout = new QHBoxLayout(blue);
    blueLayout->addWidget(new QLabel(QStringLiteral("util::BlueFrame"), blue));
    layout->addWidget(blue);

    auto* buttons = new util::TransparentFrame(box);
    auto* buttonLayout = new QHBoxLayout(buttons);
    auto* hide = new util::HideButton(buttons);
    hide->setText(QStringLiteral("Hide"));
    auto* disconnect = new util::DisconnectButton(buttons);
    disconnect->setText(QStringLiteral("Disconnect"));
    auto* rectangle = new util::RectangleButton(buttons);
    rectangle->setText(QStringLiteral("Rectangle"));
    auto* instant = new util::InstantTooltipButton(buttons);
    instant->setText(QStringLiteral("Instant tooltip"));
    instant->setToolTip(QStringLiteral("Shown on every mouse move"));
    instant->setMouseTracking(true);
    for (QWidget* button : { static_cast<QWidget*>(hide), static_cast<QWidget*>(disconnect),
             static_cast<QWidget*>(rectangle), static_cast<QWidget*>(instant) }) {
        buttonLayout->addWidget(button);
    }
    layout->addWidget(buttons);

    auto* clicks = new util::ClickableLabel(box);
    clicks->setText(QStringLiteral("Click or double-click this label"));
    QObject::connect(clicks, &util::ClickableLabel::signal_clicked, clicks,
        [clicks] { clicks->setText(QStringLiteral("Clicked")); });
    QObject::connect(clicks, &util::ClickableLabel::signal_doubleClicked, clicks,
        [clicks] { clicks->setText(QStringLiteral("Double-clicked")); });
    layout->addWidget(clicks);

    auto* tristate = new util::TristateCheckbox(box);
    tristate->setText(QStringLiteral("Tri-state box: clicks skip the partial state"));
    tristate->setTristate(true);
    tristate->setCheckState(Qt::PartiallyChecked);
    layout->addWidget(tristate);

    auto* toolBar = new QToolBar(box);
    auto* action = new util::Action(QStringLiteral("util::Action"), toolBar);
    toolBar->addAction(action);
    toolBar->widgetForAction(action)->setFocusPolicy(Qt::TabFocus); // reachable without a mouse
    auto* toggle = new util::TristateCheckbox(box);
    toggle->setText(QStringLiteral("Show the action"));
    toggle->setChecked(true);
    QObject::connect(toggle, &QCheckBox::toggled, action, &util::Action::setVisibility);
    QObject::connect(action, &util::Action::signal_visibilityChanged, toggle, [toggle, action] {
        toggle->setText(action->isVisible() ? QStringLiteral("Shown") : QStringLiteral("Hidden"));
    });
    auto* actionRow = new QHBoxLayout;
    actionRow->addWidget(toggle);
    actionRow->addWidget(toolBar);
    layout->addLayout(actionRow);

    auto* editor = new util::PlainTextEdit(box);
    editor->setPlainText(
        QStringLiteral("Right-click, or press the Menu key, for the context menu with \"Clear\"."));
    editor->setTabChangesFocus(true); // a note, not code: Tab moves on, as everywhere in the window
    editor->setMaximumHeight(60);
    layout->addWidget(editor);
    return box;
}

QWidget* sliderPopups(QWidget* page)
{
    auto* box = new QGroupBox(QStringLiteral("Slider popups: drag to jog, hold an end to accelerate"), page);
    auto* layout = new QHBoxLayout(box);
    auto* edited = new QLabel(QStringLiteral("Release the handle to report a value."), box);
    edited->setWordWrap(true);

    auto* real = new DoubleSliderPopup(box);
    real->setSliderRange(-1000.0, 1000.0, 12.5, true);
    QObject::connect(real, &DoubleSliderPopup::signal_valueEdited, edited,
        [edited](double value) { edited->setText(QStringLiteral("double: %1").arg(value)); });
    auto* int64 = new Int64SliderPopup(box);
    int64->setSliderRange(std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max(), 0, false);
    QObject::connect(int64, &Int64SliderPopup::signal_valueEdited, edited,
        [edited](qint64 value) { edited->setText(QStringLiteral("qint64: %1").arg(value)); });
    auto* uint64 = new UInt64SliderPopup(box);
    uint64->setSliderRange(0, std::numeric_limits<quint64>::max(), 1000000, false);
    QObject::connect(uint64, &UInt64SliderPopup::signal_valueEdited, edited,
        [edited](quint64 value) { edited->setText(QStringLiteral("quint64: %1").arg(value)); });

    layout->addWidget(real);
    layout->addWidget(int64);
    layout->addWidget(uint64);
    layout->addWidget(edited, 1);
    return box;
}

} // namespace

QWidget* createRangesPage(SensorSource&)
{
    auto* page = new QWidget;
    // The library's default look for its marker classes, for this page only.
    page->setStyleSheet(util::defaultStyleSheet());
    auto* layout = new QGridLayout(page);
    layout->addWidget(rangeControls(page), 0, 0);
    layout->addWidget(styledWidgets(page), 0, 1);
    layout->addWidget(sliderPopups(page), 1, 0, 1, 2);
    return page;
}
