#include "store/RegistryAccess.h"

#include <cstring>

#include "platform/UniqueHandle.h"

namespace {

// Longest subkey name the listing reads, with its NUL.
constexpr DWORD kSubKeyNameBuffer = 300;

// The ANSI registry calls convert the path into a buffer of MAX_PATH characters and
// refuse a longer one; a task name may be 255 characters long after a path of 30. A
// long path is therefore taken in two steps: its parent, then the last name in it.
template <typename Call>
LONG WithShortPath(HKEY root, const std::string& subkey, REGSAM parentAccess, Call call) {
    if (subkey.size() < MAX_PATH) return call(root, subkey.c_str());
    size_t split = subkey.rfind('\\');
    if (split == std::string::npos) return ERROR_FILENAME_EXCED_RANGE;
    UniqueHKey parent;
    LONG status = OpenRegistryKey(root, subkey.substr(0, split), parentAccess, parent);
    return status == ERROR_SUCCESS ? call(parent.get(), subkey.c_str() + split + 1) : status;
}

// Each open asks only for what its one operation needs: a user without rights to
// change the store may still read it.
UniqueHKey OpenKey(HKEY root, const std::string& subkey, REGSAM access) {
    UniqueHKey key;
    OpenRegistryKey(root, subkey, access, key);
    return key;
}

void AppendSplitAtCommas(std::vector<std::string>& names, std::string_view name) {
    for (;;) {
        size_t comma = name.find(',');
        names.emplace_back(name.substr(0, comma));
        if (comma == std::string_view::npos) return;
        name.remove_prefix(comma + 1);
    }
}

}  // namespace

LONG OpenRegistryKey(HKEY root, const std::string& subkey, REGSAM access, UniqueHKey& key) {
    return WithShortPath(root, subkey, KEY_READ, [&](HKEY base, const char* path) {
        return RegOpenKeyExA(base, path, 0, access, key.put());
    });
}

LONG CreateRegistryKey(HKEY root, const std::string& subkey, REGSAM access, UniqueHKey& key) {
    // A long path reaches its last name through the parent, which must exist first.
    size_t split = subkey.rfind('\\');
    if (subkey.size() >= MAX_PATH && split != std::string::npos) CreateKey(root, subkey.substr(0, split));
    return WithShortPath(root, subkey, KEY_READ | KEY_CREATE_SUB_KEY, [&](HKEY base, const char* path) {
        return RegCreateKeyExA(base, path, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, key.put(),
                               nullptr);
    });
}

void CreateKey(HKEY root, const std::string& subkey) {
    // The handle is only closed again: an existing key opens for anyone who may read it.
    UniqueHKey key;
    CreateRegistryKey(root, subkey, KEY_READ, key);
}

void WriteKeyValue(HKEY root, const std::string& subkey, const std::string& name,
                   const RegValue& value, DWORD kind) {
    WriteKeyValueStatus(root, subkey, name, value, kind);
}

LONG WriteKeyValueStatus(HKEY root, const std::string& subkey, const std::string& name,
                         const RegValue& value, DWORD kind) {
    UniqueHKey key;
    LONG status = OpenRegistryKey(root, subkey, KEY_SET_VALUE, key);
    return status == ERROR_SUCCESS ? PutValue(key.get(), name, kind, value) : status;
}

RegValue ReadKeyValue(HKEY root, const std::string& subkey, const std::string& name) {
    RegValue value;
    if (UniqueHKey key = OpenKey(root, subkey, KEY_QUERY_VALUE)) {
        FetchValue(key.get(), name, value);
        value.CutAtFirstNul();
    }
    return value;
}

bool DeleteKeyValue(HKEY root, const std::string& subkey, const std::string& name) {
    UniqueHKey key = OpenKey(root, subkey, KEY_SET_VALUE);
    return key && RegDeleteValueA(key.get(), name.c_str()) == ERROR_SUCCESS;
}

std::vector<std::string> ListSubKeys(HKEY root, const std::string& subkey) {
    std::vector<std::string> names;
    UniqueHKey key = OpenKey(root, subkey, KEY_ENUMERATE_SUB_KEYS);
    if (!key) return names;
    char buffer[kSubKeyNameBuffer];
    for (DWORD index = 0; RegEnumKeyA(key.get(), index, buffer, kSubKeyNameBuffer) == ERROR_SUCCESS;
         ++index) {
        std::string_view name(buffer);
        if (!name.empty()) AppendSplitAtCommas(names, name);
    }
    return names;
}

bool DeleteKeyTree(HKEY root, const std::string& subkey) {
    // An empty path would empty the root itself.
    if (subkey.empty()) return false;
    return WithShortPath(root, subkey, KEY_READ, RegDeleteTreeA) == ERROR_SUCCESS;
}

LONG PutValue(HKEY key, const std::string& name, DWORD kind, const RegValue& value) {
    if (kind == REG_SZ) {
        std::string text = value.AsText();
        return RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                              static_cast<DWORD>(text.size() + 1));
    }
    if (kind == REG_DWORD) {
        std::optional<int32_t> number = value.AsInt32();
        if (!number) return ERROR_INVALID_DATA;
        DWORD data = static_cast<DWORD>(*number);
        return RegSetValueExA(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                              sizeof data);
    }
    return ERROR_SUCCESS;
}

LONG FetchValue(HKEY key, const std::string& name, RegValue& value) {
    // One query into a small buffer answers kind, size and data of nearly every value;
    // each registry call is a round trip to the registry, so a second call is made
    // only for a value larger than the buffer.
    char small[256];
    DWORD kind = 0;
    DWORD size = sizeof small;
    LONG status = RegQueryValueExA(key, name.c_str(), nullptr, &kind, reinterpret_cast<BYTE*>(small), &size);
    std::string large;
    if (status == ERROR_MORE_DATA && kind == REG_SZ) {
        large.resize(size);
        status = RegQueryValueExA(key, name.c_str(), nullptr, &kind, reinterpret_cast<BYTE*>(large.data()), &size);
        if (status != ERROR_SUCCESS) {
            value = RegValue();
            return status;
        }
    } else if (status == ERROR_MORE_DATA) {
        return kind == REG_DWORD ? status : -1;  // not a kind this layer reads
    }
    if (status != ERROR_SUCCESS) return status;
    if (kind == REG_SZ) {
        // Kept with its stored NUL; ReadKeyValue cuts the text there.
        const char* data = large.empty() ? small : large.data();
        value = RegValue::Text(std::string(data, size));
        return status;
    }
    if (kind == REG_DWORD && size == sizeof(DWORD)) {
        DWORD number;
        std::memcpy(&number, small, sizeof number);
        value = RegValue::Integer(static_cast<int32_t>(number));
        return status;
    }
    return -1;
}
