#pragma once

#include <util/util_ui_export.h>

#include <QIcon>
#include <QLabel>

class QPushButton;

namespace util {

/**
 * @brief The clickable title of an ExpandWidget.
 *
 * A centred label that reports every mouse press with signal_headerClicked().
 * It keeps a hide flag, false at construction, that each press inverts before
 * it is sent; setBodyHidden() sets it when the body is shown or hidden
 * otherwise, so that the flag always tells whether the body is hidden.
 *
 * The header takes the keyboard focus by Tab and by click; Space, Return and
 * Enter on it act as a press. Screen readers meet it as a button that is
 * expanded or collapsed, with press and toggle actions that act as a press.
 */
class UTIL_UI_EXPORT ExpandWidgetHeader : public QLabel
{
    Q_OBJECT

public:
    /// An empty header; set its text as on any QLabel.
    explicit ExpandWidgetHeader(QWidget* parent = nullptr);

    /// The hide flag: whether the section's body is hidden. False at construction.
    bool bodyHidden() const { return m_hide; }
    /// Sets the hide flag without a press; the next press sends the opposite of @p hidden.
    void setBodyHidden(bool hidden);
    /// Does what a press does: inverts the hide flag and emits signal_headerClicked() with it.
    void toggle();

Q_SIGNALS:
    /// A mouse press; @p hide is the inverted hide flag: true when the press hides the body.
    void signal_headerClicked(bool hide);

private:
    void mousePressEvent(QMouseEvent* event) override;
    /// Space, Return and Enter act as a press (toggle()); held down, they act once.
    void keyPressEvent(QKeyEvent* event) override;
    /// Paints the label, and a focus frame while it has the keyboard focus.
    void paintEvent(QPaintEvent* event) override;

    bool m_hide = false;
};

/**
 * @brief A collapsible section: a header and a body that each header press shows or hides.
 *
 * The body starts visible, and each press on the header toggles it; the
 * header's signal_headerClicked() tells whether the press hid it. Content
 * goes into the body's vertical layout with addWidget(). A host that wants the
 * section to start collapsed calls setBodyVisibility(false) after construction.
 */
class UTIL_UI_EXPORT ExpandWidget : public QWidget
{
    Q_OBJECT

public:
    /// An expanded section with an empty header and body.
    explicit ExpandWidget(QWidget* parent = nullptr);

    /// Appends a push button with @p text and @p icon to the body and returns it (owned by the body).
    QPushButton* addWidget(const QString& text, const QIcon& icon = QIcon());
    /// Appends @p widget to the body, which takes ownership. A null widget is ignored. Invokable,
    /// so that a form loaded at run time (QUiLoader) puts its page into the body.
    Q_INVOKABLE void addWidget(QWidget* widget);
    /// Shows or hides the body and sets the header's hide flag to match; the header stays.
    void setBodyVisibility(bool visible);
    /// The header, for its text and style.
    ExpandWidgetHeader* getHeader();

private:
    ExpandWidgetHeader* m_header;
    QWidget* m_body;
};

} // namespace util
