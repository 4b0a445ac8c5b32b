#include "frame/value_types.h"

#include <QMetaType>

namespace util::detail {

int valueTypeMetaId()
{
    static const int id = qRegisterMetaType<qint64>("ValueType");
    return id;
}

int unsignedValueTypeMetaId()
{
    static const int id = qRegisterMetaType<quint64>("UnsignedValueType");
    return id;
}

namespace {
// Both names exist as soon as the library is loaded, before any spin box.
[[maybe_unused]] const int registeredAtLoad = (valueTypeMetaId(), unsignedValueTypeMetaId());
} // namespace

} // namespace util::detail
