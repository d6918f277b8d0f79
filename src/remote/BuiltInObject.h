#pragma once
// Vantro's own components answer by member name, case-insensitively, as a COM class
// does through IDispatch; a property read is a call without arguments.
#include <windows.h>

#include <string>

#include "platform/Components.h"

class BuiltInObject : public ComponentObject {
public:
    ComponentResult Get(const std::string& member) override { return Call(member, {}); }
    ErrorInfo Put(const std::string& member, const ComponentValue& value) override { return NoSuchMember().error; }

protected:
    static bool Is(const std::string& member, const char* name) { return lstrcmpiA(member.c_str(), name) == 0; }
    static ComponentResult NoSuchMember() { return {{}, MakeError(static_cast<DWORD>(DISP_E_UNKNOWNNAME))}; }
    static ComponentResult WrongArguments() { return {{}, MakeError(static_cast<DWORD>(DISP_E_BADPARAMCOUNT))}; }
};
