#pragma once

#include <QAccessible>

namespace util::detail {

/// Makes the accessible interface of @p object, an object of the class it was registered for.
using AccessibleMaker = QAccessibleInterface* (*)(QObject* object);

/**
 * Has the library's accessible factory make the interfaces of the objects of class @p metaObject
 * with @p make. QAccessible asks a factory for each class of an object from the most derived one
 * up, so a subclass without an interface of its own gets the one of its nearest registered base.
 *
 * The factory goes in with QAccessible::installFactory at the first registration. Each component
 * registers its own interfaces while the library loads (see registerAccessible()), so a build
 * answers for the components it compiles. Qt's factory for its own widgets, which QApplication
 * installs later and QAccessible asks first, knows none of the library's class names.
 *
 * @return true, so that a registration can initialise a constant at namespace scope.
 */
bool registerAccessibleInterface(const QMetaObject& metaObject, AccessibleMaker make);

/**
 * Registers @p Interface, constructed from a @p Widget pointer, as the accessible interface of
 * @p Widget. Used at namespace scope in the interface's source:
 *
 *     [[maybe_unused]] const bool registered = registerAccessible<RangeSlider, RangeSliderAccessible>();
 */
template<class Widget, class Interface> bool registerAccessible()
{
    return registerAccessibleInterface(Widget::staticMetaObject,
        [](QObject* object) -> QAccessibleInterface* { return new Interface(static_cast<Widget*>(object)); });
}

} // namespace util::detail
