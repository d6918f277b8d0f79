#pragma once
// Small helpers for reading what a component answers.
#include "platform/Components.h"

// The result as an object; an error when the member answered something else.
inline ComponentResult AsObject(ComponentResult result) {
    if (!result.error && !std::holds_alternative<ComponentRef>(result.value))
        result.error = MakeError(static_cast<DWORD>(DISP_E_TYPEMISMATCH));
    return result;
}

inline const ComponentRef& ObjectIn(const ComponentResult& result) { return std::get<ComponentRef>(result.value); }

// A truth test: True, or a number other than 0.
inline bool IsTrue(const ComponentValue& value) {
    if (auto* flag = std::get_if<bool>(&value)) return *flag;
    if (auto* number = std::get_if<int32_t>(&value)) return *number != 0;
    return false;
}
