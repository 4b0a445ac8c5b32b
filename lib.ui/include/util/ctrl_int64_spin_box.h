#pragma once

#include <util/util_ui_export.h>

#include <QAbstractSpinBox>

#include <memory>

namespace util {

class CtrlInt64SpinBoxPrivate;
class CtrlUInt64SpinBoxPrivate;

/**
 * @brief Spin box for signed 64-bit whole numbers, shown and typed in any base from 2 to 36.
 *
 * Keeps its own value, range, step, prefix, suffix and display base; QAbstractSpinBox supplies
 * the line edit, arrows, keys and wheel, wrapping(), correctionMode(), isReadOnly(),
 * isGroupSeparatorShown() and specialValueText().
 *
 * - Base 10 is read and written in the widget's locale (with its group separators when
 *   isGroupSeparatorShown()); other bases use lower-case digits and a minus sign, without a base
 *   prefix such as "0x" (one typed in front of the number is dropped by fixup()).
 * - setValue() stores any value unclamped; steps start from the value clamped to the range,
 *   saturate at a bound or, with wrapping(), re-enter the range from the other end (a step larger
 *   than the whole span wraps as often as needed). A range with minimum() > maximum() is empty:
 *   steps leave the value alone.
 * - Typed text stays as typed until the edit finishes (Return, a step, the focus leaving, or
 *   interpretText()); with keyboardTracking() a number of the range becomes the value at once.
 *   When the edit finishes the text is read, also text that code put into the line edit, and the
 *   box shows the value's display form; a number that more digits could bring into range is
 *   corrected (to the previous value or to the nearest bound, after correctionMode()).
 * - The special-value text is shown while value() equals minimum().
 * - On-screen keyboards are asked for digits (Qt::ImhDigitsOnly, or Qt::ImhFormattedNumbersOnly
 *   for a range that reaches below zero), and in bases above 10 for letters as well
 *   (Qt::ImhPreferNumbers, Qt::ImhLatinOnly, Qt::ImhNoAutoUppercase, Qt::ImhNoPredictiveText). A
 *   change of range or base sets inputMethodHints() again.
 * - Every step ends by emitting editingFinished().
 *
 * @see CtrlUInt64SpinBox
 */
class UTIL_UI_EXPORT CtrlInt64SpinBox : public QAbstractSpinBox
{
    Q_OBJECT
    /// The number alone, without prefix, suffix or special-value text.
    Q_PROPERTY(QString cleanText READ cleanText)
    /// What the box shows for value(): prefix, number and suffix, or the special-value text.
    Q_PROPERTY(QString displayedText READ displayedText)
    /// Base in which the number is shown and typed; default 10, range 2 to 36.
    Q_PROPERTY(int displayIntegerBase READ displayIntegerBase WRITE setDisplayIntegerBase)
    /// Largest value a step reaches; default the largest qint64. @see setRange
    Q_PROPERTY(ValueType maximum READ maximum)
    /// Smallest value a step reaches; default the smallest qint64. @see setRange
    Q_PROPERTY(ValueType minimum READ minimum)
    /// Text shown in front of the number; default empty.
    Q_PROPERTY(QString prefix READ prefix WRITE setPrefix)
    /// Text shown behind the number; default empty.
    Q_PROPERTY(QString suffix READ suffix WRITE setSuffix)
    /// Amount of one step; default 1, at least 1.
    Q_PROPERTY(int singleStep READ singleStep WRITE setSingleStep)
    /// Whether base-10 numbers show the locale's group separators; default false.
    Q_PROPERTY(bool showGroupSeparator READ isGroupSeparatorShown WRITE setGroupSeparatorShown)
    /// Text shown in place of the number while value() equals minimum(); default empty.
    Q_PROPERTY(QString specialValueText READ specialValueText WRITE setSpecialValueText)
    /// The value; default 0.
    Q_PROPERTY(ValueType value READ value WRITE setValue NOTIFY valueChanged USER true)

public:
    /// The value type, registered with Qt's meta-type system as "ValueType".
    using ValueType = qint64;
    /// Meta-type id of "ValueType".
    static const int valueTypeMetaId;

    /// An empty box with value 0 over the whole qint64 range; the text appears with the first setValue().
    explicit CtrlInt64SpinBox(QWidget* parent = nullptr);
    ~CtrlInt64SpinBox() override;

    /// The value, unclamped as setValue() stored it.
    ValueType value() const;
    /// The lower bound of the range. @see setRange
    ValueType minimum() const;
    /// The upper bound of the range. @see setRange
    ValueType maximum() const;
    /// The amount of one step, at least 1.
    int singleStep() const;
    /// The base of shown and typed numbers, 2 to 36.
    int displayIntegerBase() const;
    /// The text in front of the number.
    QString prefix() const;
    /// The text behind the number.
    QString suffix() const;
    /// The number alone in the display base (textFromValue() of value()).
    QString cleanText() const;
    /// The text shown for value(). @see cleanText
    QString displayedText() const;

    /**
     * Stores both bounds (unchecked) and moves the value onto the nearer bound when it lies on or
     * outside it, refreshing the text.
     */
    void setRange(ValueType minimum, ValueType maximum);
    /// Stores @p step when it is positive, else 1.
    void setSingleStep(int step);
    /// Sets the text in front of the number and rewrites the shown text.
    void setPrefix(const QString& prefix);
    /// Sets the text behind the number and rewrites the shown text.
    void setSuffix(const QString& suffix);
    /// Shows the value in @p base; a base outside 2 to 36 is refused (logged, the base stays).
    void setDisplayIntegerBase(int base);
    /**
     * Sets the text shown in place of the number while value() equals minimum() and rewrites the
     * shown text. Hides QAbstractSpinBox::setSpecialValueText(), which cannot rewrite this box's
     * text: call it through this class or the property.
     */
    void setSpecialValueText(const QString& text);
    /**
     * Shows or hides the locale's group separators in base 10 and rewrites the shown text. Hides
     * QAbstractSpinBox::setGroupSeparatorShown(), which cannot rewrite this box's text: call it
     * through this class or the property.
     */
    void setGroupSeparatorShown(bool shown);

    /// Checks typed text: prefix and suffix are optional, white space around the number is ignored.
    QValidator::State validate(QString& input, int& pos) const override;
    /// Removes hidden group separators and a base prefix ("0b", "0o", "0x") at the start.
    void fixup(QString& input) const override;
    /**
     * Steps by @p steps single steps from the value clamped to the range, saturating at a bound or
     * wrapping round it, then selects the number and emits editingFinished(). A number of the
     * range typed without keyboard tracking is where the step starts.
     */
    void stepBy(int steps) override;
    /**
     * Finishes the edit: reads the line edit's text unless it shows the value's display form, as
     * Return and a focus-out do, and shows the display form. QAbstractSpinBox::interpretText(),
     * which this hides, cannot read this box's text.
     */
    void interpretText();
    /**
     * Room for the widest text of the range in the display base, with prefix and suffix, or for the
     * special-value text, measured as QSpinBox measures its own.
     */
    QSize sizeHint() const override;
    /// As sizeHint(), with the line edit's minimum height.
    QSize minimumSizeHint() const override;

public Q_SLOTS:
    /// Stores @p value unclamped, rewrites the text and emits the change signals when it changed.
    void setValue(ValueType value);
    /**
     * Takes text at once: applies it when acceptable; refused text gets one fixup() and then shows
     * the value it stands for (the current value, or the nearest bound under
     * CorrectToNearestValue); a number waiting for more digits is ignored; empty text leaves the
     * prefix and the suffix. @see interpretText
     */
    void setValueText(QString value_text);

Q_SIGNALS:
    /// The value changed to @p new_value.
    void valueChanged(ValueType new_value);
    /// The displayed text of the new value, emitted after valueChanged(ValueType).
    void valueChanged(QString new_displayed_text);
    /// The box received keyboard focus.
    void signal_hasFocus();

protected:
    /**
     * Emits signal_hasFocus(), then takes the focus as QAbstractSpinBox does (shows the cursor);
     * Tab and Backtab select the number between prefix and suffix.
     */
    void focusInEvent(QFocusEvent* event) override;
    /// Rewrites the text when the locale changes.
    void changeEvent(QEvent* event) override;
    /// None when read-only or the range is empty; both when wrapping; else towards the bounds.
    StepEnabled stepEnabled() const override;
    /// The number alone in the display base.
    virtual QString textFromValue(ValueType value) const;

private Q_SLOTS:
    void onEditingFinished();

private:
    friend class CtrlInt64SpinBoxPrivate;
    std::unique_ptr<CtrlInt64SpinBoxPrivate> const d;
};

/**
 * @brief Spin box for unsigned 64-bit whole numbers, shown and typed in any base from 2 to 36.
 *
 * The same design as CtrlInt64SpinBox, with these differences: the range defaults to 0 to the
 * largest quint64, so base 10 asks on-screen keyboards for digits only; the special-value text is accepted
 * when typed but never shown; the arrow towards a bound is disabled once the value reaches it; setRange()
 * leaves a value that lies on a bound alone.
 *
 * @see CtrlInt64SpinBox
 */
class UTIL_UI_EXPORT CtrlUInt64SpinBox : public QAbstractSpinBox
{
    Q_OBJECT
    /// The number alone, without prefix or suffix.
    Q_PROPERTY(QString cleanText READ cleanText)
    /// What the box shows for value(): prefix, number and suffix.
    Q_PROPERTY(QString displayedText READ displayedText)
    /// Base in which the number is shown and typed; default 10, range 2 to 36.
    Q_PROPERTY(int displayIntegerBase READ displayIntegerBase WRITE setDisplayIntegerBase)
    /// Largest value a step reaches; default the largest quint64. @see setRange
    Q_PROPERTY(UnsignedValueType maximum READ maximum)
    /// Smallest value a step reaches; default 0. @see setRange
    Q_PROPERTY(UnsignedValueType minimum READ minimum)
    /// Text shown in front of the number; default empty.
    Q_PROPERTY(QString prefix READ prefix WRITE setPrefix)
    /// Text shown behind the number; default empty.
    Q_PROPERTY(QString suffix READ suffix WRITE setSuffix)
    /// Amount of one step; default 1, at least 1.
    Q_PROPERTY(int singleStep READ singleStep WRITE setSingleStep)
    /// Whether base-10 numbers show the locale's group separators; default false.
    Q_PROPERTY(bool showGroupSeparator READ isGroupSeparatorShown WRITE setGroupSeparatorShown)
    /// The value; default 0.
    Q_PROPERTY(UnsignedValueType value READ value WRITE setValue NOTIFY valueChanged USER true)

public:
    /// The value type, registered with Qt's meta-type system as "UnsignedValueType".
    using UnsignedValueType = quint64;
    /// Meta-type id of "UnsignedValueType".
    static const int valueTypeMetaId;

    /// An empty box with value 0 over the whole quint64 range; the text appears with the first setValue().
    explicit CtrlUInt64SpinBox(QWidget* parent = nullptr);
    ~CtrlUInt64SpinBox() override;

    /// The value, unclamped as setValue() stored it.
    UnsignedValueType value() const;
    /// The lower bound of the range. @see setRange
    UnsignedValueType minimum() const;
    /// The upper bound of the range. @see setRange
    UnsignedValueType maximum() const;
    /// The amount of one step, at least 1.
    int singleStep() const;
    /// The base of shown and typed numbers, 2 to 36.
    int displayIntegerBase() const;
    /// The text in front of the number.
    QString prefix() const;
    /// The text behind the number.
    QString suffix() const;
    /// The number alone in the display base (textFromValue() of value()).
    QString cleanText() const;
    /// The text shown for value(). @see cleanText
    QString displayedText() const;

    /// Stores both bounds (unchecked) and moves a value outside them onto the nearer bound.
    void setRange(UnsignedValueType minimum, UnsignedValueType maximum);
    /// Stores @p step when it is positive, else 1.
    void setSingleStep(int step);
    /// Sets the text in front of the number and rewrites the shown text.
    void setPrefix(const QString& prefix);
    /// Sets the text behind the number and rewrites the shown text.
    void setSuffix(const QString& suffix);
    /// Shows the value in @p base; a base outside 2 to 36 is refused (logged, the base stays).
    void setDisplayIntegerBase(int base);
    /**
     * Shows or hides the locale's group separators in base 10 and rewrites the shown text. Hides
     * QAbstractSpinBox::setGroupSeparatorShown(), which cannot rewrite this box's text: call it
     * through this class or the property.
     */
    void setGroupSeparatorShown(bool shown);

    /// Checks typed text: prefix and suffix are optional, white space around the number is ignored.
    QValidator::State validate(QString& input, int& pos) const override;
    /// Removes hidden group separators and a base prefix ("0b", "0o", "0x") at the start.
    void fixup(QString& input) const override;
    /**
     * Steps by @p steps single steps from the value clamped to the range, saturating at a bound or
     * wrapping round it, then selects the number and emits editingFinished(). A number of the
     * range typed without keyboard tracking is where the step starts.
     */
    void stepBy(int steps) override;
    /**
     * Finishes the edit: reads the line edit's text unless it shows the value's display form, as
     * Return and a focus-out do, and shows the display form. QAbstractSpinBox::interpretText(),
     * which this hides, cannot read this box's text.
     */
    void interpretText();
    /**
     * Room for the widest text of the range in the display base, with prefix and suffix, or for the
     * special-value text, measured as QSpinBox measures its own.
     */
    QSize sizeHint() const override;
    /// As sizeHint(), with the line edit's minimum height.
    QSize minimumSizeHint() const override;

public Q_SLOTS:
    /// Stores @p value unclamped, rewrites the text and emits the change signals when it changed.
    void setValue(UnsignedValueType value);
    /**
     * Takes text at once: applies it when acceptable; refused text gets one fixup() and then shows
     * the value it stands for (the current value, or the nearest bound under
     * CorrectToNearestValue); a number waiting for more digits is ignored; empty text leaves the
     * prefix and the suffix. @see interpretText
     */
    void setValueText(QString value_text);

Q_SIGNALS:
    /// The value changed to @p new_value.
    void valueChanged(UnsignedValueType new_value);
    /// The displayed text of the new value, emitted after valueChanged(UnsignedValueType).
    void valueChanged(QString new_displayed_text);
    /// The box received keyboard focus.
    void signal_hasFocus();

protected:
    /**
     * Emits signal_hasFocus(), then takes the focus as QAbstractSpinBox does (shows the cursor);
     * Tab and Backtab select the number between prefix and suffix.
     */
    void focusInEvent(QFocusEvent* event) override;
    /// Rewrites the text when the locale changes.
    void changeEvent(QEvent* event) override;
    /// None when read-only or the range is empty; both when wrapping; else towards the bounds.
    StepEnabled stepEnabled() const override;
    /// The number alone in the display base.
    virtual QString textFromValue(UnsignedValueType value) const;

private Q_SLOTS:
    void onEditingFinished();

private:
    friend class CtrlUInt64SpinBoxPrivate;
    std::unique_ptr<CtrlUInt64SpinBoxPrivate> const d;
};

} // namespace util
