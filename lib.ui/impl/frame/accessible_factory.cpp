#include "frame/accessible_factory.h"

#include <vector>

namespace util::detail {

namespace {

struct Registration
{
    const QMetaObject* metaObject;
    AccessibleMaker make;
};

/// Filled while the library loads, read afterwards.
std::vector<Registration>& registrations()
{
    static std::vector<Registration> all;
    return all;
}

QAccessibleInterface* makeAccessibleInterface(const QString& className, QObject* object)
{
    for (const Registration& registration : registrations()) {
        if (className == QLatin1String(registration.metaObject->className())) {
            return registration.make(object);
        }
    }
    return nullptr;
}

} // namespace

bool registerAccessibleInterface(const QMetaObject& metaObject, AccessibleMaker make)
{
    registrations().push_back({ &metaObject, make });
    // Installs the factory once: QAccessible keeps a factory only once.
    QAccessible::installFactory(&makeAccessibleInterface);
    return true;
}

} // namespace util::detail
