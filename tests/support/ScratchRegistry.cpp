#include "support/ScratchRegistry.h"

#include <gtest/gtest.h>
#include <sddl.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/Waits.h"

namespace {

constexpr const char* kScratchParent = "Software\\VantroTests";

// A name no other scratch object of this or another test process uses.
std::string UniqueSuffix() {
    static std::atomic<int> counter{0};
    return std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
}

std::string TempPath() {
    char temp[MAX_PATH + 1] = {};
    std::string path(temp, GetTempPathA(sizeof temp, temp));
    if (!path.empty() && path.back() == '\\') path.pop_back();
    return path;
}

// A fresh key under the real HKEY_CURRENT_USER stands in for the predefined key.
void Redirect(HKEY predefined, const std::string& path, UniqueHKey& key) {
    RegDeleteTreeA(HKEY_CURRENT_USER, path.c_str());  // left over from a killed run
    LONG status = RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                  KEY_ALL_ACCESS, nullptr, key.put(), nullptr);
    if (status == ERROR_SUCCESS) status = RegOverridePredefKey(predefined, key.get());
    if (status != ERROR_SUCCESS) ADD_FAILURE() << "cannot redirect a predefined key to " << path << ": " << status;
}

}  // namespace

ScratchRegistry::ScratchRegistry() : path_(std::string(kScratchParent) + "\\" + UniqueSuffix()) {
    Redirect(HKEY_LOCAL_MACHINE, path_, scratch_);
    Redirect(HKEY_CURRENT_USER, path_ + "-user", user_);  // last: both are made under the real one
}

ScratchRegistry::~ScratchRegistry() {
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    scratch_.reset();
    user_.reset();
    RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
    RegDeleteTreeA(HKEY_CURRENT_USER, (path_ + "-user").c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, kScratchParent);  // only goes once no other scratch key is left
}

namespace {

// The owner of a key may always change its access list, whatever the list says.
void SetKeySecurity(const std::string& path, const char* sddl) {
    PSECURITY_DESCRIPTOR security = nullptr;
    UniqueHKey key;
    LONG status = RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, WRITE_DAC, key.put());
    if (status == ERROR_SUCCESS && ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &security, nullptr))
        status = RegSetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, security);
    LocalFree(security);
    if (status != ERROR_SUCCESS) ADD_FAILURE() << "cannot set the access list of " << path << ": " << status;
}

}  // namespace

ReadOnlyKeys::ReadOnlyKeys(std::vector<std::string> paths) : paths_(std::move(paths)) {
    for (const std::string& path : paths_) SetKeySecurity(path, "D:P(A;;KR;;;WD)");
}

ReadOnlyKeys::~ReadOnlyKeys() {
    for (const std::string& path : paths_) SetKeySecurity(path, "D:P(A;CI;KA;;;WD)");
}

TempFolder::TempFolder() : path_(TempPath() + "\\VantroTests-" + UniqueSuffix()) {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
    if (!CreateDirectoryA(path_.c_str(), nullptr))
        ADD_FAILURE() << "cannot create the folder " << path_ << ": " << GetLastError();
}

TempFolder::~TempFolder() {
    SetCurrentDirectoryA(TempPath().c_str());  // the program makes its folder current
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

bool KeyExists(const std::string& path) {
    UniqueHKey key;
    return RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, key.put()) == ERROR_SUCCESS;
}

std::pair<DWORD, std::string> RawValue(const std::string& path, const char* name) {
    UniqueHKey key;
    RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, key.put());
    char data[64];
    DWORD kind = REG_NONE, size = sizeof data;
    if (RegQueryValueExA(key.get(), name, nullptr, &kind, reinterpret_cast<BYTE*>(data), &size)) return {};
    return {kind, std::string(data, size)};
}

std::string ReadWholeFile(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteWholeFile(const std::string& fileName, const std::string& bytes) {
    std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
    if (!out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()))) ADD_FAILURE() << "cannot write " << fileName;
}

bool FileExists(const std::string& fileName) {
    DWORD attributes = GetFileAttributesA(fileName.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool WaitForFile(const std::string& fileName) {
    return WaitUntil([&] { return FileExists(fileName); }, 20000);
}
