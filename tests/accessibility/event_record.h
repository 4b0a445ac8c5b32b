// The accessibility events a test hears, recorded as QAccessible hands them over.
#pragma once

#include <QAccessible>
#include <QList>
#include <QTest>
#include <QVariant>

/// What an accessibility event told, copied while QAccessible hands it over.
struct Recorded
{
    QAccessible::Event type;
    QObject* object;
    int child;
    QVariant value; ///< the new value of a value change
    QAccessible::State changed; ///< the states a state change names
    QString name; ///< the name of the interface the event is about
};

inline QList<Recorded>& recorded()
{
    static QList<Recorded> events;
    return events;
}

inline void record(QAccessibleEvent* event)
{
    Recorded heard { event->type(), event->object(), event->object() ? event->child() : -1, {}, {}, {} };
    if (event->type() == QAccessible::ValueChanged)
        heard.value = static_cast<QAccessibleValueChangeEvent*>(event)->value();
    if (event->type() == QAccessible::StateChanged)
        heard.changed = static_cast<QAccessibleStateChangeEvent*>(event)->changedStates();
    if (QAccessibleInterface* iface = event->accessibleInterface())
        heard.name = iface->text(QAccessible::Name);
    recorded().append(heard);
}

/**
 * Records the events from here on. As in Qt's own accessibility tests, the events come to the test
 * and the platform bridge registers no root object. Events reach the handler only while a bridge is
 * active, which CTest arranges (see CMakeLists.txt); it comes up asynchronously.
 */
inline void startRecording()
{
    QAccessible::installUpdateHandler(&record);
    QAccessible::installRootObjectHandler([](QObject*) {});
    if (qEnvironmentVariableIsSet("UTIL_UI_ACCESSIBILITY_BRIDGE"))
        QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 30000);
}
