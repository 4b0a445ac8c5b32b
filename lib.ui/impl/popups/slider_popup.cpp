#include "frame/accessible_value.h"
#include "popups/popups_logging.h"
#include "popups/slider_popup_p.h"

#include <util/slider_popup.h>
#include <util/style_markers.h>

#include <QAccessible>
#include <QCoreApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <limits>
#include <type_traits>

namespace util {

namespace {

/// Growth of the acceleration step per tick: 222, 333, 444, ... units.
constexpr quint64 accelerationFactor = 111;
/// Time between two acceleration steps while an end of the slider is held.
constexpr int accelerationInterval = 16;
/// How long the wheel rests before the value it moved is reported.
constexpr int wheelRestInterval = 500;
/// The most positions the slider offers between its two acceleration zones: QSlider needs
/// maximum - minimum to fit an int.
constexpr int largestSliderTop = std::numeric_limits<int>::max() - 2;

/// The "SliderPopup" form.
struct SliderPopupForm
{
    QVBoxLayout* verticalLayout_3;
    BlueFrame* up_frame;
    QHBoxLayout* upper_frame;
    QLabel* absolute_max_label;
    QHBoxLayout* horizontalLayout;
    QVBoxLayout* verticalLayout_2;
    BlueFrame* inner_up_frame;
    QVBoxLayout* verticalLayout_5;
    QLabel* max_label;
    QLabel* value_label;
    BlueFrame* inner_low_frame;
    QVBoxLayout* verticalLayout_4;
    QLabel* min_label;
    QScrollArea* slider_area;
    QWidget* slider_popup_scrollarea;
    QVBoxLayout* verticalLayout;
    detail::JogSlider* popup_slider;
    BlueFrame* low_frame;
    QHBoxLayout* lower_frame;
    QLabel* absolute_min_label;

    void setupUi(QWidget* SliderPopup)
    {
        if (SliderPopup->objectName().isEmpty()) {
            SliderPopup->setObjectName(QStringLiteral("SliderPopup"));
        }
        SliderPopup->resize(125, 288);
        verticalLayout_3 = new QVBoxLayout(SliderPopup);
        verticalLayout_3->setSpacing(0);
        verticalLayout_3->setObjectName(QStringLiteral("verticalLayout_3"));
        verticalLayout_3->setContentsMargins(0, 0, 0, 0);

        up_frame = new BlueFrame(SliderPopup);
        up_frame->setObjectName(QStringLiteral("up_frame"));
        upper_frame = new QHBoxLayout(up_frame);
        upper_frame->setSpacing(0);
        upper_frame->setObjectName(QStringLiteral("upper_frame"));
        upper_frame->setContentsMargins(0, 0, 0, 0);
        absolute_max_label = new QLabel(up_frame);
        absolute_max_label->setObjectName(QStringLiteral("absolute_max_label"));
        absolute_max_label->setAlignment(Qt::AlignHCenter);
        upper_frame->addWidget(absolute_max_label);
        verticalLayout_3->addWidget(up_frame);

        horizontalLayout = new QHBoxLayout();
        horizontalLayout->setSpacing(0);
        horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
        horizontalLayout->setContentsMargins(0, 0, 0, 0);
        verticalLayout_2 = new QVBoxLayout();
        verticalLayout_2->setSpacing(6);
        verticalLayout_2->setObjectName(QStringLiteral("verticalLayout_2"));

        inner_up_frame = new BlueFrame(SliderPopup);
        inner_up_frame->setObjectName(QStringLiteral("inner_up_frame"));
        inner_up_frame->setFrameShape(QFrame::StyledPanel);
        inner_up_frame->setFrameShadow(QFrame::Raised);
        verticalLayout_5 = new QVBoxLayout(inner_up_frame);
        verticalLayout_5->setSpacing(0);
        verticalLayout_5->setObjectName(QStringLiteral("verticalLayout_5"));
        verticalLayout_5->setContentsMargins(0, 0, 0, 0);
        max_label = new QLabel(inner_up_frame);
        max_label->setObjectName(QStringLiteral("max_label"));
        max_label->setAutoFillBackground(false);
        max_label->setAlignment(Qt::AlignHCenter);
        verticalLayout_5->addWidget(max_label);
        verticalLayout_2->addWidget(inner_up_frame);

        value_label = new QLabel(SliderPopup);
        value_label->setObjectName(QStringLiteral("value_label"));
        value_label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        verticalLayout_2->addWidget(value_label);

        inner_low_frame = new BlueFrame(SliderPopup);
        inner_low_frame->setObjectName(QStringLiteral("inner_low_frame"));
        inner_low_frame->setFrameShape(QFrame::StyledPanel);
        inner_low_frame->setFrameShadow(QFrame::Raised);
        verticalLayout_4 = new QVBoxLayout(inner_low_frame);
        verticalLayout_4->setSpacing(0);
        verticalLayout_4->setObjectName(QStringLiteral("verticalLayout_4"));
        verticalLayout_4->setContentsMargins(0, 0, 0, 0);
        min_label = new QLabel(inner_low_frame);
        min_label->setObjectName(QStringLiteral("min_label"));
        min_label->setAlignment(Qt::AlignHCenter);
        verticalLayout_4->addWidget(min_label);
        verticalLayout_2->addWidget(inner_low_frame);
        horizontalLayout->addLayout(verticalLayout_2);

        slider_area = new QScrollArea(SliderPopup);
        slider_area->setObjectName(QStringLiteral("slider_area"));
        slider_area->setMaximumSize(QSize(45, 16777215));
        slider_area->setAutoFillBackground(false);
        slider_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        slider_area->setWidgetResizable(true);
        slider_area->setFocusPolicy(Qt::NoFocus); // the slider inside is the one stop for the keys
        slider_popup_scrollarea = new QWidget();
        slider_popup_scrollarea->setObjectName(QStringLiteral("slider_popup_scrollarea"));
        slider_popup_scrollarea->setGeometry(QRect(0, 0, 43, 192));
        verticalLayout = new QVBoxLayout(slider_popup_scrollarea);
        verticalLayout->setSpacing(6);
        verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
        verticalLayout->setContentsMargins(11, 11, 11, 11);
        popup_slider = new detail::JogSlider(slider_popup_scrollarea);
        popup_slider->setObjectName(QStringLiteral("popup_slider"));
        popup_slider->setStyleSheet(QString());
        popup_slider->setOrientation(Qt::Vertical);
        verticalLayout->addWidget(popup_slider, 0, Qt::AlignHCenter);
        slider_area->setWidget(slider_popup_scrollarea);
        horizontalLayout->addWidget(slider_area);
        verticalLayout_3->addLayout(horizontalLayout);

        low_frame = new BlueFrame(SliderPopup);
        low_frame->setObjectName(QStringLiteral("low_frame"));
        lower_frame = new QHBoxLayout(low_frame);
        lower_frame->setSpacing(0);
        lower_frame->setObjectName(QStringLiteral("lower_frame"));
        lower_frame->setContentsMargins(0, 0, 0, 0);
        absolute_min_label = new QLabel(low_frame);
        absolute_min_label->setObjectName(QStringLiteral("absolute_min_label"));
        absolute_min_label->setAlignment(Qt::AlignHCenter);
        lower_frame->addWidget(absolute_min_label);
        verticalLayout_3->addWidget(low_frame);

        retranslateUi(SliderPopup);
        QMetaObject::connectSlotsByName(SliderPopup);
    }

    void retranslateUi(QWidget* SliderPopup)
    {
        SliderPopup->setWindowTitle(QCoreApplication::translate("SliderPopup", "SliderPopup"));
        absolute_max_label->setText(QCoreApplication::translate("SliderPopup", "abs max"));
        max_label->setText(QCoreApplication::translate("SliderPopup", "max"));
        value_label->setText(QCoreApplication::translate("SliderPopup", "value"));
        min_label->setText(QCoreApplication::translate("SliderPopup", "min"));
        absolute_min_label->setText(QCoreApplication::translate("SliderPopup", "abs min"));
    }
};

QString popupStyleSheet()
{
    QFile file(QStringLiteral(":/common.resources/styles/css/SliderPopup.css"));
    if (!file.open(QIODevice::ReadOnly)) {
        return QString();
    }
    return QString::fromUtf8(file.readAll());
}

// Distances between two values of a popup: exact for the 64-bit integers
// (an unsigned count of units), plain differences for double.
template<typename T> using Distance = std::conditional_t<std::is_integral_v<T>, quint64, double>;

/// How far @p to lies above @p from (@p from <= @p to).
template<typename T> Distance<T> distance(T from, T to)
{
    if constexpr (std::is_integral_v<T>) {
        return quint64(to) - quint64(from);
    } else {
        return to - from;
    }
}

/// @p value moved @p amount units towards @p limit, stopping there.
template<typename T> T moveTowards(T value, Distance<T> amount, T limit)
{
    const bool up = limit >= value;
    if (amount >= (up ? distance(value, limit) : distance(limit, value))) {
        return limit;
    }
    if constexpr (std::is_integral_v<T>) {
        return T(up ? quint64(value) + amount : quint64(value) - amount);
    } else {
        return up ? value + amount : value - amount;
    }
}

/// @p a times @p b, or the largest quint64 when the product does not fit.
quint64 saturatingProduct(quint64 a, quint64 b)
{
    constexpr quint64 largest = std::numeric_limits<quint64>::max();
    return a != 0 && b > largest / a ? largest : a * b;
}

/// A count of units as slider positions, cut at the largest the slider offers.
template<typename D> int sliderPositions(D units)
{
    return units >= D(largestSliderTop) ? largestSliderTop : int(units);
}

/// A label's text for @p value. A double is rounded to six significant digits or to one decimal, whichever
/// keeps more, so values one unit apart never read alike; from 2^53 on, where doubles lie further apart
/// than a unit, it is the shortest text that reads back as the value.
template<typename T> QString format(T value)
{
    if constexpr (std::is_integral_v<T>) {
        return QString::number(value, 10);
    } else {
        constexpr double unitsExact = 9007199254740992.0; // 2^53
        const double magnitude = std::abs(value);
        if (magnitude >= unitsExact) {
            return QString::number(value, 'g', QLocale::FloatingPointShortest);
        }
        const int integerDigits = magnitude < 1 ? 1 : int(std::log10(magnitude)) + 1;
        return QString::number(value, 'g', std::max(6, integerDigits + 1));
    }
}

template<typename T> bool isFinite(T value)
{
    if constexpr (std::is_integral_v<T>) {
        Q_UNUSED(value)
        return true;
    } else {
        return std::isfinite(value);
    }
}

template<typename T> bool isNaN(T value)
{
    if constexpr (std::is_integral_v<T>) {
        Q_UNUSED(value)
        return false;
    } else {
        return std::isnan(value);
    }
}

/// What the three popups share whatever their value type: the form on the popup, the left button on
/// the slider, the relative moves, the acceleration timer and when the value is reported. The typed part
/// moves and reports the value.
///
/// A left-button gesture reports once, at its release. A move made any other way (keys, the wheel, a
/// middle-button jump) is reported once its gesture ends: at the release of a key that is not an
/// auto-repeat, at the release of another button, when the wheel has rested for wheelRestInterval, or
/// when the slider loses the focus or is hidden, whichever comes first.
///
/// The jog slider presents the typed part's value to assistive tools.
class SliderJog : public detail::SliderPopupValue
{
public:
    /// Builds the form on @p popup, which becomes the slider's event filter and the timer's parent.
    explicit SliderJog(QWidget* popup);
    virtual ~SliderJog() = default;

    /// The popup's event filter: watches the slider's buttons, keys, wheel, focus and visibility.
    void watch(QObject* watched, QEvent* event);
    /// Moves the value up or down by @p amount units, stopping at the bounds, and updates the labels.
    virtual void shiftValue(bool up, quint64 amount) = 0;

protected:
    /// The jog slider.
    QSlider* slider() const { return ui.popup_slider; }
    /// Gives the slider the positions 0..@p top (plus the two acceleration zones) and puts the handle at @p
    /// position.
    void placeSlider(int top, int position);
    /// Writes the absolute bounds.
    void setBoundLabels(const QString& maximum, const QString& minimum);
    /// Writes the window's bounds and the value.
    void setWindowLabels(const QString& maximum, const QString& value, const QString& minimum);

private:
    /// Reports the value to the host.
    virtual void emitValueEdited() = 0;
    void onSliderValueChanged(int position);
    void accelerate();
    void updateTimer();
    /// Reports a value the host has not been told of yet, unless the left button still holds the handle.
    void reportUnreported();
    /// Translates the title and the labels that still name their place; labels showing numbers stay.
    void retranslate();

    SliderPopupForm ui;
    QWidget* popup = nullptr;
    bool boundLabelsWritten = false;
    bool windowLabelsWritten = false;
    QTimer* timer = nullptr;
    /// Ends a wheel gesture once the wheel rests.
    QTimer* wheelRest = nullptr;
    quint64 counter = 1;
    int lastPosition = 0;
    bool pressed = false;
    /// The value changed, or a left-button gesture ended, since the host was last told.
    bool unreported = false;
};

SliderJog::SliderJog(QWidget* popup)
    : popup(popup)
{
    ui.setupUi(popup);
    ui.popup_slider->setPopupValue(this);
    // A plain QWidget paints its style sheet background only when asked to.
    popup->setAttribute(Qt::WA_StyledBackground);
    popup->setStyleSheet(popupStyleSheet());
    timer = new QTimer(popup);
    timer->setObjectName(QStringLiteral("acceleration_timer"));
    timer->setInterval(accelerationInterval);
    wheelRest = new QTimer(popup);
    wheelRest->setObjectName(QStringLiteral("wheel_rest_timer"));
    wheelRest->setSingleShot(true);
    wheelRest->setInterval(wheelRestInterval);
    QObject::connect(ui.popup_slider, &QAbstractSlider::valueChanged, popup,
        [this](int position) { onSliderValueChanged(position); });
    QObject::connect(timer, &QTimer::timeout, popup, [this] { accelerate(); });
    QObject::connect(wheelRest, &QTimer::timeout, popup, [this] { reportUnreported(); });
    // Last: the popup forwards its filter to this object, which it holds only once this constructor has
    // returned, and setting the style sheet above already sends the slider events.
    ui.popup_slider->installEventFilter(popup);
    popup->installEventFilter(popup);
}

void SliderJog::placeSlider(int top, int position)
{
    const QSignalBlocker blocker(ui.popup_slider);
    ui.popup_slider->setRange(-1, top + 1);
    ui.popup_slider->setValue(position);
    lastPosition = ui.popup_slider->value();
    updateTimer();
    // The host's own value supersedes a move that was not reported yet.
    unreported = false;
    wheelRest->stop();
}

void SliderJog::setBoundLabels(const QString& maximum, const QString& minimum)
{
    ui.absolute_max_label->setText(maximum);
    ui.absolute_min_label->setText(minimum);
    boundLabelsWritten = true;
}

void SliderJog::setWindowLabels(const QString& maximum, const QString& value, const QString& minimum)
{
    ui.max_label->setText(maximum);
    ui.value_label->setText(value);
    ui.min_label->setText(minimum);
    windowLabelsWritten = true;
}

void SliderJog::watch(QObject* watched, QEvent* event)
{
    if (watched == popup && event->type() == QEvent::LanguageChange) {
        retranslate();
        return;
    }
    if (watched != ui.popup_slider) {
        return;
    }
    const auto leftButton = [event] { return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton; };
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: // QSlider takes the second press of a double-click as a press
        if (leftButton()) {
            pressed = true;
            counter = 1;
            updateTimer();
        }
        break;
    case QEvent::MouseButtonRelease:
        if (leftButton()) {
            // A left-button gesture is reported even when it left the value as it was.
            if (pressed) {
                unreported = true;
            }
            pressed = false;
            counter = 1;
            updateTimer();
        }
        reportUnreported();
        break;
    case QEvent::KeyRelease:
        if (!static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
            reportUnreported();
        }
        break;
    case QEvent::Wheel: wheelRest->start(); break;
    case QEvent::FocusOut:
    case QEvent::Hide: reportUnreported(); break;
    default: break;
    }
}

void SliderJog::retranslate()
{
    const QString bounds[] = { ui.absolute_max_label->text(), ui.absolute_min_label->text() };
    const QString window[] = { ui.max_label->text(), ui.value_label->text(), ui.min_label->text() };
    ui.retranslateUi(popup);
    if (boundLabelsWritten) {
        setBoundLabels(bounds[0], bounds[1]);
    }
    if (windowLabelsWritten) {
        setWindowLabels(window[0], window[1], window[2]);
    }
}

void SliderJog::reportUnreported()
{
    if (unreported && !pressed) {
        unreported = false;
        wheelRest->stop();
        emitValueEdited();
    }
}

void SliderJog::onSliderValueChanged(int position)
{
    updateTimer();
    if (position == ui.popup_slider->minimum() || position == ui.popup_slider->maximum()) {
        return;
    }
    counter = 1;
    // Moves under the left button are reported at its release.
    if (!pressed) {
        unreported = true;
    }
    const int last = lastPosition;
    lastPosition = position;
    shiftValue(position > last,
        position > last ? quint64(position) - quint64(last) : quint64(last) - quint64(position));
}

void SliderJog::accelerate()
{
    const QSlider* jog = ui.popup_slider;
    if (!pressed || (jog->value() != jog->maximum() && jog->value() != jog->minimum())) {
        return;
    }
    if (counter < std::numeric_limits<quint64>::max()) {
        ++counter;
    }
    shiftValue(jog->value() == jog->maximum(), saturatingProduct(counter, accelerationFactor));
}

void SliderJog::updateTimer()
{
    const QSlider* jog = ui.popup_slider;
    const bool held = pressed && (jog->value() == jog->minimum() || jog->value() == jog->maximum());
    if (!held) {
        timer->stop();
    } else if (!timer->isActive()) {
        timer->start();
    }
}

/// The state and operations of the popup class @p Popup, whose values have type @p T.
template<class Popup, typename T> class SliderPopupPrivate : public SliderJog
{
public:
    /// Builds the form on @p popup with the default bounds.
    explicit SliderPopupPrivate(Popup* popup)
        : SliderJog(popup)
        , q(popup)
    { }

    void setSliderRange(T minimum, T maximum, T value, bool fullRange);
    void setSliderLength(T length);
    void setValue(T value);
    T value() const { return T(std::max(slider()->value(), 0)); }
    T localMaximum() const { return m_localMaximum; }
    T localMinimum() const { return T(0); }
    void updateLabel();
    void shiftValue(bool up, quint64 amount) override;

    QVariant accessibleValue() const override { return QVariant::fromValue(m_value); }
    QVariant accessibleMinimum() const override { return QVariant::fromValue(m_minimum); }
    QVariant accessibleMaximum() const override { return QVariant::fromValue(m_maximum); }
    QString accessibleText() const override { return format(m_value); }
    void editValue(const QVariant& value) override;

private:
    void emitValueEdited() override { emit q->signal_valueEdited(m_value); }
    /// Tells screen readers of the value, which the popup and its jog slider present.
    void notifyAccessibleValue() const;

    Popup* const q;
    T m_localMaximum = 100;
    T m_minimum = 0;
    T m_maximum = 100;
    T m_value = 0;
    T m_halfWindow = 1;
    T m_sliderLength = 5000;
    bool m_fullRange = false;
};

template<class Popup, typename T>
void SliderPopupPrivate<Popup, T>::setSliderRange(T minimum, T maximum, T value, bool fullRange)
{
    if (!isFinite(minimum) || !isFinite(maximum) || !isFinite(value)) {
        qCWarning(lcPopups) << "slider range refused:" << minimum << maximum << value;
        return;
    }
    if (minimum > maximum) {
        std::swap(minimum, maximum);
    }
    m_minimum = minimum;
    m_maximum = maximum;
    m_value = std::clamp(value, minimum, maximum);
    setBoundLabels(format(maximum), format(minimum));

    const Distance<T> span = distance(minimum, maximum);
    m_fullRange = fullRange || span <= Distance<T>(m_sliderLength);
    if (m_fullRange) {
        m_localMaximum
            = span > Distance<T>(std::numeric_limits<T>::max()) ? std::numeric_limits<T>::max() : T(span);
        m_halfWindow = T(span / 2);
        placeSlider(sliderPositions(span), sliderPositions(distance(minimum, m_value)));
    } else {
        m_localMaximum = m_sliderLength;
        m_halfWindow = m_sliderLength / 2;
        const T low = moveTowards(m_value, Distance<T>(m_halfWindow), minimum);
        const T high = moveTowards(m_value, Distance<T>(m_halfWindow), maximum);
        placeSlider(sliderPositions(distance(low, high)), sliderPositions(distance(low, m_value)));
    }
    updateLabel();
    notifyAccessibleValue();
}

template<class Popup, typename T> void SliderPopupPrivate<Popup, T>::setSliderLength(T length)
{
    if (!isNaN(length)) {
        m_sliderLength = std::clamp(length, T(1), T(largestSliderTop));
    }
}

template<class Popup, typename T> void SliderPopupPrivate<Popup, T>::setValue(T value)
{
    if (isNaN(value)) {
        return;
    }
    const T before = m_value;
    m_value = std::clamp(value, m_minimum, m_maximum);
    if (m_value != before) {
        notifyAccessibleValue();
    }
}

template<class Popup, typename T> void SliderPopupPrivate<Popup, T>::updateLabel()
{
    const Distance<T> half(m_halfWindow);
    const bool topCut = m_fullRange || distance(m_value, m_maximum) < half;
    const bool bottomCut = m_fullRange || distance(m_minimum, m_value) < half;
    setWindowLabels(format(topCut ? m_maximum : moveTowards(m_value, half, m_maximum)), format(m_value),
        format(bottomCut ? m_minimum : moveTowards(m_value, half, m_minimum)));
}

template<class Popup, typename T> void SliderPopupPrivate<Popup, T>::shiftValue(bool up, quint64 amount)
{
    const T before = m_value;
    m_value = moveTowards(m_value, Distance<T>(amount), up ? m_maximum : m_minimum);
    updateLabel();
    if (m_value != before) {
        notifyAccessibleValue();
    }
}

template<class Popup, typename T> void SliderPopupPrivate<Popup, T>::editValue(const QVariant& value)
{
    const std::optional<T> number = detail::accessibleNumber<T>(value);
    if (!number || !isFinite(*number)) {
        return;
    }
    setSliderRange(m_minimum, m_maximum, *number, m_fullRange);
    emitValueEdited();
}

template<class Popup, typename T> void SliderPopupPrivate<Popup, T>::notifyAccessibleValue() const
{
    if (!QAccessible::isActive()) {
        return;
    }
    for (QObject* presenter : { static_cast<QObject*>(q), static_cast<QObject*>(slider()) }) {
        QAccessibleValueChangeEvent event(presenter, accessibleValue());
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace

} // namespace util

class DoubleSliderPopupPrivate final : public util::SliderPopupPrivate<DoubleSliderPopup, double>
{
    using SliderPopupPrivate::SliderPopupPrivate;
};

class Int64SliderPopupPrivate final : public util::SliderPopupPrivate<Int64SliderPopup, qint64>
{
    using SliderPopupPrivate::SliderPopupPrivate;
};

class UInt64SliderPopupPrivate final : public util::SliderPopupPrivate<UInt64SliderPopup, quint64>
{
    using SliderPopupPrivate::SliderPopupPrivate;
};

// The public classes forward to their private objects.

DoubleSliderPopup::DoubleSliderPopup(QWidget* parent)
    : QWidget(parent)
    , d(std::make_unique<DoubleSliderPopupPrivate>(this))
{ }

DoubleSliderPopup::~DoubleSliderPopup() = default;

void DoubleSliderPopup::setSliderRange(double minimum, double maximum, double value, bool fullRange)
{
    d->setSliderRange(minimum, maximum, value, fullRange);
}

void DoubleSliderPopup::setSliderLength(double length)
{
    d->setSliderLength(length);
}

void DoubleSliderPopup::setValue(double value)
{
    d->setValue(value);
}

double DoubleSliderPopup::value() const
{
    return d->value();
}

double DoubleSliderPopup::localMaximum() const
{
    return d->localMaximum();
}

double DoubleSliderPopup::localMinimum() const
{
    return d->localMinimum();
}

void DoubleSliderPopup::updateLabel()
{
    d->updateLabel();
}

bool DoubleSliderPopup::eventFilter(QObject* watched, QEvent* event)
{
    d->watch(watched, event);
    return QWidget::eventFilter(watched, event);
}

Int64SliderPopup::Int64SliderPopup(QWidget* parent)
    : QWidget(parent)
    , d(std::make_unique<Int64SliderPopupPrivate>(this))
{ }

Int64SliderPopup::~Int64SliderPopup() = default;

void Int64SliderPopup::setSliderRange(qint64 minimum, qint64 maximum, qint64 value, bool fullRange)
{
    d->setSliderRange(minimum, maximum, value, fullRange);
}

void Int64SliderPopup::setSliderLength(qint64 length)
{
    d->setSliderLength(length);
}

void Int64SliderPopup::setValue(qint64 value)
{
    d->setValue(value);
}

qint64 Int64SliderPopup::value() const
{
    return d->value();
}

qint64 Int64SliderPopup::localMaximum() const
{
    return d->localMaximum();
}

qint64 Int64SliderPopup::localMinimum() const
{
    return d->localMinimum();
}

void Int64SliderPopup::updateLabel()
{
    d->updateLabel();
}

void Int64SliderPopup::updateRealValue(qint64 delta, qint64 factor)
{
    const auto magnitude = [](qint64 x) { return x < 0 ? quint64(0) - quint64(x) : quint64(x); };
    d->shiftValue((delta < 0) == (factor < 0), util::saturatingProduct(magnitude(delta), magnitude(factor)));
}

bool Int64SliderPopup::eventFilter(QObject* watched, QEvent* event)
{
    d->watch(watched, event);
    return QWidget::eventFilter(watched, event);
}

UInt64SliderPopup::UInt64SliderPopup(QWidget* parent)
    : QWidget(parent)
    , d(std::make_unique<UInt64SliderPopupPrivate>(this))
{ }

UInt64SliderPopup::~UInt64SliderPopup() = default;

void UInt64SliderPopup::setSliderRange(quint64 minimum, quint64 maximum, quint64 value, bool fullRange)
{
    d->setSliderRange(minimum, maximum, value, fullRange);
}

void UInt64SliderPopup::setSliderLength(quint64 length)
{
    d->setSliderLength(length);
}

void UInt64SliderPopup::setValue(quint64 value)
{
    d->setValue(value);
}

quint64 UInt64SliderPopup::value() const
{
    return d->value();
}

quint64 UInt64SliderPopup::localMaximum() const
{
    return d->localMaximum();
}

quint64 UInt64SliderPopup::localMinimum() const
{
    return d->localMinimum();
}

void UInt64SliderPopup::updateLabel()
{
    d->updateLabel();
}

bool UInt64SliderPopup::eventFilter(QObject* watched, QEvent* event)
{
    d->watch(watched, event);
    return QWidget::eventFilter(watched, event);
}
