#pragma once

#include <QtGlobal>

namespace util::detail {

/// Meta-type id of "ValueType" (a typedef of qint64), registered at load.
int valueTypeMetaId();
/// Meta-type id of "UnsignedValueType" (a typedef of quint64), registered at load.
int unsignedValueTypeMetaId();

} // namespace util::detail
