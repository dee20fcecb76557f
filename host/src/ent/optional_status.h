// Kernel answers (empty where the platform answers an error) as the SDK's statuses.
#pragma once

#include <optional>

#include "db_status.h"

namespace zrxent {

template <class T>
Zcad::ErrorStatus give(const std::optional<T>& value, T& out)
{
    if (!value) return Zcad::eInvalidInput;
    out = *value;
    return Zcad::eOk;
}

}  // namespace zrxent
