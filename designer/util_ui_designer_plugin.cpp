#include "util_ui_designer_plugin.h"

#include "page_container.h"

#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QExtensionManager>

#include <QPainter>
#include <QPixmap>

#ifdef UTIL_UI_HAS_CHART
#include <util/chart_widget.h>
#endif
#ifdef UTIL_UI_HAS_ENTRY
#include <util/ctrl_combo_box.h>
#include <util/ctrl_int64_spin_box.h>
#include <util/ctrl_spinbox.h>
#include <util/ctrl_text_box.h>
#endif
#ifdef UTIL_UI_HAS_POPUPS
#include <util/slider_popup.h>
#endif
#ifdef UTIL_UI_HAS_RANGES
#include <util/circular_slider.h>
#include <util/range_slider.h>
#endif
#ifdef UTIL_UI_HAS_WIDGETS
#include <util/clickable_label.h>
#include <util/instant_tooltip_button.h>
#include <util/plain_text_edit.h>
#include <util/style_markers.h>
#include <util/tristate_checkbox.h>
#endif
#ifdef UTIL_UI_HAS_CONTAINERS
#include <util/editable_label.h>
#include <util/expand_widget.h>
#include <util/vertical_scroll_area.h>
#include <util/wizard.h>
#endif

#include <utility>

WidgetPlugin::WidgetPlugin(Description description, Page page, QObject* parent)
    : QObject(parent)
    , m_description(std::move(description))
    , m_page(std::move(page))
{ }

QIcon WidgetPlugin::icon() const
{
    // A blue tile with the initials of the class, e.g. "RS" for util::RangeSlider.
    QString initials;
    const QString bare = m_description.className.section(QStringLiteral("::"), -1);
    for (const QChar c : bare) {
        if (c.isUpper() && initials.size() < 3)
            initials += c;
    }
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0x00, 0x6A, 0xB7));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(1, 1, 30, 30), 5, 5);
    QFont font = painter.font();
    font.setPixelSize(initials.size() > 2 ? 10 : 13);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, initials);
    return QIcon(pixmap);
}

void WidgetPlugin::initialize(QDesignerFormEditorInterface* core)
{
    if (m_initialized)
        return;
    m_initialized = true;
    QExtensionManager* manager = core ? core->extensionManager() : nullptr;
    if (m_page.addPageMethod.isEmpty() || !manager || manager->findChild<PageContainerFactory*>())
        return;
    manager->registerExtensions(new PageContainerFactory(manager), Q_TYPEID(QDesignerContainerExtension));
}

QString WidgetPlugin::domXml() const
{
    const Description& d = m_description;
    QString page;
    QString customWidget;
    if (!m_page.name.isEmpty()) {
        page = QStringLiteral("  <widget class=\"QWidget\" name=\"%1\"/>\n").arg(m_page.name);
        const QString addPageMethod = m_page.addPageMethod.isEmpty()
            ? QString()
            : QStringLiteral("   <addpagemethod>%1</addpagemethod>\n").arg(m_page.addPageMethod);
        customWidget = QStringLiteral(" <customwidgets>\n"
                                      "  <customwidget>\n"
                                      "   <class>%1</class>\n"
                                      "   <extends>%2</extends>\n"
                                      "%3"
                                      "  </customwidget>\n"
                                      " </customwidgets>\n")
                           .arg(d.className, m_page.extends, addPageMethod);
    }
    return QStringLiteral("<ui language=\"c++\">\n"
                          " <widget class=\"%1\" name=\"%2\">\n"
                          "  <property name=\"geometry\"><rect><x>0</x><y>0</y>"
                          "<width>%3</width><height>%4</height></rect></property>\n"
                          "%5"
                          " </widget>\n"
                          "%6"
                          "</ui>\n")
        .arg(d.className, d.defaultName, QString::number(d.defaultSize.width()),
            QString::number(d.defaultSize.height()), page, customWidget);
}

namespace {

template<typename W> std::function<QWidget*(QWidget*)> factory()
{
    return [](QWidget* parent) { return new W(parent); };
}

} // namespace

UtilUiDesignerPlugins::UtilUiDesignerPlugins(QObject* parent)
    : QObject(parent)
{
    const auto add = [this](WidgetPlugin::Description description, WidgetPlugin::Page page = {}) {
        m_widgets.append(new WidgetPlugin(std::move(description), std::move(page), this));
    };
    [[maybe_unused]] const QString chart = QStringLiteral("Profile Sensor: Chart");
    [[maybe_unused]] const QString entry = QStringLiteral("Profile Sensor: Entry");
    [[maybe_unused]] const QString ranges = QStringLiteral("Profile Sensor: Ranges");
    [[maybe_unused]] const QString containers = QStringLiteral("Profile Sensor: Containers");
    [[maybe_unused]] const QString decoration = QStringLiteral("Profile Sensor: Decoration");

#ifdef UTIL_UI_HAS_CHART
    add({ QStringLiteral("util::ChartWidget"), QStringLiteral("util/chart_widget.h"), chart,
        QStringLiteral("Interactive XY chart for live sensor profiles"), QStringLiteral("chartWidget"),
        QSize(400, 300), false, factory<util::ChartWidget>() });
#endif
#ifdef UTIL_UI_HAS_ENTRY
    add({ QStringLiteral("util::CtrlInt64SpinBox"), QStringLiteral("util/ctrl_int64_spin_box.h"), entry,
        QStringLiteral("Spin box for signed 64-bit values in any base"), QStringLiteral("int64SpinBox"),
        QSize(140, 24), false, factory<util::CtrlInt64SpinBox>() });
    add({ QStringLiteral("util::CtrlUInt64SpinBox"), QStringLiteral("util/ctrl_int64_spin_box.h"), entry,
        QStringLiteral("Spin box for unsigned 64-bit values in any base"), QStringLiteral("uint64SpinBox"),
        QSize(140, 24), false, factory<util::CtrlUInt64SpinBox>() });
    add({ QStringLiteral("util::CtrlSpinbox"), QStringLiteral("util/ctrl_spinbox.h"), entry,
        QStringLiteral("Integer spin box that announces focus"), QStringLiteral("spinbox"), QSize(100, 24),
        false, factory<util::CtrlSpinbox>() });
    add({ QStringLiteral("util::CtrlDoubleSpinbox"), QStringLiteral("util/ctrl_spinbox.h"), entry,
        QStringLiteral("Floating-point spin box that announces focus"), QStringLiteral("doubleSpinbox"),
        QSize(100, 24), false, factory<util::CtrlDoubleSpinbox>() });
    add({ QStringLiteral("util::CtrlComboBox"), QStringLiteral("util/ctrl_combo_box.h"), entry,
        QStringLiteral("Combo box that announces focus and can show an error"), QStringLiteral("comboBox"),
        QSize(140, 24), false, factory<util::CtrlComboBox>() });
    add({ QStringLiteral("util::CtrlTextBox"), QStringLiteral("util/ctrl_text_box.h"), entry,
        QStringLiteral("Line edit that announces focus"), QStringLiteral("textBox"), QSize(140, 24), false,
        factory<util::CtrlTextBox>() });
#endif
#ifdef UTIL_UI_HAS_POPUPS
    add({ QStringLiteral("DoubleSliderPopup"), QStringLiteral("util/slider_popup.h"), entry,
        QStringLiteral("Jog slider for a floating-point value"), QStringLiteral("doubleSliderPopup"),
        QSize(125, 288), false, factory<DoubleSliderPopup>() });
    add({ QStringLiteral("Int64SliderPopup"), QStringLiteral("util/slider_popup.h"), entry,
        QStringLiteral("Jog slider for a signed 64-bit value"), QStringLiteral("int64SliderPopup"),
        QSize(125, 288), false, factory<Int64SliderPopup>() });
    add({ QStringLiteral("UInt64SliderPopup"), QStringLiteral("util/slider_popup.h"), entry,
        QStringLiteral("Jog slider for an unsigned 64-bit value"), QStringLiteral("uint64SliderPopup"),
        QSize(125, 288), false, factory<UInt64SliderPopup>() });
#endif
#ifdef UTIL_UI_HAS_RANGES
    add({ QStringLiteral("util::RangeSlider"), QStringLiteral("util/range_slider.h"), ranges,
        QStringLiteral("Slider with two handles selecting an interval"), QStringLiteral("rangeSlider"),
        QSize(200, 24), false, factory<util::RangeSlider>() });
    add({ QStringLiteral("util::CircularSlider"), QStringLiteral("util/circular_slider.h"), ranges,
        QStringLiteral("Slider that wraps around at its ends"), QStringLiteral("circularSlider"),
        QSize(200, 24), false, factory<util::CircularSlider>() });
#endif
#ifdef UTIL_UI_HAS_WIDGETS
    add({ QStringLiteral("util::BlueFrame"), QStringLiteral("util/style_markers.h"), decoration,
        QStringLiteral("Frame marked for the blue panel style"), QStringLiteral("blueFrame"), QSize(200, 100),
        true, factory<util::BlueFrame>() });
    add({ QStringLiteral("util::TransparentFrame"), QStringLiteral("util/style_markers.h"), decoration,
        QStringLiteral("Frame marked for the transparent panel style"), QStringLiteral("transparentFrame"),
        QSize(200, 100), true, factory<util::TransparentFrame>() });
    add({ QStringLiteral("util::GroupBoxSquareNoVertical"), QStringLiteral("util/style_markers.h"),
        decoration, QStringLiteral("Group box marked for the square style"), QStringLiteral("groupBoxSquare"),
        QSize(200, 100), true, factory<util::GroupBoxSquareNoVertical>() });
    add({ QStringLiteral("util::HideButton"), QStringLiteral("util/style_markers.h"), decoration,
        QStringLiteral("Button marked for the hide style"), QStringLiteral("hideButton"), QSize(24, 24),
        false, factory<util::HideButton>() });
    add({ QStringLiteral("util::DisconnectButton"), QStringLiteral("util/style_markers.h"), decoration,
        QStringLiteral("Button marked for the disconnect style"), QStringLiteral("disconnectButton"),
        QSize(100, 24), false, factory<util::DisconnectButton>() });
    add({ QStringLiteral("util::RectangleButton"), QStringLiteral("util/style_markers.h"), decoration,
        QStringLiteral("Button marked for the rectangle style"), QStringLiteral("rectangleButton"),
        QSize(100, 24), false, factory<util::RectangleButton>() });
    add({ QStringLiteral("util::ClickableLabel"), QStringLiteral("util/clickable_label.h"), decoration,
        QStringLiteral("Label that reports clicks"), QStringLiteral("clickableLabel"), QSize(100, 20), false,
        factory<util::ClickableLabel>() });
    add({ QStringLiteral("util::InstantTooltipButton"), QStringLiteral("util/instant_tooltip_button.h"),
        decoration, QStringLiteral("Button that shows its tool tip at once"),
        QStringLiteral("instantTooltipButton"), QSize(24, 24), false,
        factory<util::InstantTooltipButton>() });
    add({ QStringLiteral("util::TristateCheckbox"), QStringLiteral("util/tristate_checkbox.h"), decoration,
        QStringLiteral("Check box cycling through three states"), QStringLiteral("tristateCheckbox"),
        QSize(100, 20), false, factory<util::TristateCheckbox>() });
    add({ QStringLiteral("util::PlainTextEdit"), QStringLiteral("util/plain_text_edit.h"), decoration,
        QStringLiteral("Plain-text editor with a Clear entry in its menu"), QStringLiteral("plainTextEdit"),
        QSize(200, 100), false, factory<util::PlainTextEdit>() });
#endif
#ifdef UTIL_UI_HAS_CONTAINERS
    // The wizard's page is the content it shows first; the section's is its body's content.
    add({ QStringLiteral("util::Wizard"), QStringLiteral("util/wizard.h"), containers,
            QStringLiteral("Multi-step flow with numbered step buttons"), QStringLiteral("wizard"),
            QSize(400, 300), true, factory<util::Wizard>() },
        { QStringLiteral("wizardPage"), QStringLiteral("QWidget"), QStringLiteral("setContent") });
    add({ QStringLiteral("util::ExpandWidget"), QStringLiteral("util/expand_widget.h"), containers,
            QStringLiteral("Collapsible section with a header"), QStringLiteral("expandWidget"),
            QSize(200, 100), true, factory<util::ExpandWidget>() },
        { QStringLiteral("expandWidgetContents"), QStringLiteral("QWidget"), QStringLiteral("addWidget") });
    add({ QStringLiteral("util::ExpandWidgetHeader"), QStringLiteral("util/expand_widget.h"), containers,
        QStringLiteral("Header of a collapsible section"), QStringLiteral("expandWidgetHeader"),
        QSize(200, 24), false, factory<util::ExpandWidgetHeader>() });
    add({ QStringLiteral("util::EditableLabel"), QStringLiteral("util/editable_label.h"), containers,
        QStringLiteral("Label that can be renamed in place"), QStringLiteral("editableLabel"), QSize(150, 24),
        false, factory<util::EditableLabel>() });
    // Designer and uic place the page of any QScrollArea.
    add({ QStringLiteral("util::VerticalScrollArea"), QStringLiteral("util/vertical_scroll_area.h"),
            containers, QStringLiteral("Scroll area that only scrolls vertically"),
            QStringLiteral("verticalScrollArea"), QSize(200, 200), true,
            factory<util::VerticalScrollArea>() },
        { QStringLiteral("scrollAreaWidgetContents"), QStringLiteral("QScrollArea"), QString() });
#endif
}
