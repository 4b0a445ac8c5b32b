#pragma once

#include <util/util_ui_export.h>

#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <QString>

namespace util {

/**
 * @brief The library's default look for its style-sheet marker classes.
 *
 * The marker classes (util::BlueFrame, util::TransparentFrame,
 * util::GroupBoxSquareNoVertical, util::HideButton, util::DisconnectButton,
 * util::RectangleButton) add no behaviour: a style sheet selects them by class
 * name, written with "--" for the namespace ("util--BlueFrame"). The library
 * ships a default set of such rules as a Qt resource; nothing applies it
 * unless the host asks for it.
 *
 * @return the rules of the library's default style sheet.
 * @see installDefaultStyleSheet
 */
UTIL_UI_EXPORT QString defaultStyleSheet();

/**
 * @brief Puts the library's default look in front of the application's style sheet.
 *
 * Prepends defaultStyleSheet() to QApplication::styleSheet(). The host's own
 * rules come later and therefore win wherever both set the same property; a
 * style sheet the host sets afterwards replaces both. Calling it again does
 * nothing. Call from the GUI thread after the QApplication exists; without
 * one it does nothing.
 */
UTIL_UI_EXPORT void installDefaultStyleSheet();

/// @brief Style-sheet marker frame, drawn as a blue bar by the default look.
class UTIL_UI_EXPORT BlueFrame : public QFrame
{
    Q_OBJECT
public:
    /// A frame with default window flags.
    explicit BlueFrame(QWidget* parent = nullptr);
};

/// @brief Style-sheet marker frame without background or border.
class UTIL_UI_EXPORT TransparentFrame : public QFrame
{
    Q_OBJECT
public:
    /// A frame with default window flags.
    explicit TransparentFrame(QWidget* parent = nullptr);
};

/// @brief Style-sheet marker group box: square, with a title line and no vertical borders.
class UTIL_UI_EXPORT GroupBoxSquareNoVertical : public QGroupBox
{
    Q_OBJECT
public:
    /// An untitled group box.
    explicit GroupBoxSquareNoVertical(QWidget* parent = nullptr);
};

/// @brief Style-sheet marker button for "hide" actions.
class UTIL_UI_EXPORT HideButton : public QPushButton
{
    Q_OBJECT
public:
    /// A button without text.
    explicit HideButton(QWidget* parent = nullptr);
};

/// @brief Style-sheet marker button for "disconnect" actions.
class UTIL_UI_EXPORT DisconnectButton : public QPushButton
{
    Q_OBJECT
public:
    /// A button without text.
    explicit DisconnectButton(QWidget* parent = nullptr);
};

/// @brief Style-sheet marker button drawn as a plain rectangle.
class UTIL_UI_EXPORT RectangleButton : public QPushButton
{
    Q_OBJECT
public:
    /// A button without text.
    explicit RectangleButton(QWidget* parent = nullptr);
};

} // namespace util
