#include "support/ScratchRegistry.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

constexpr const char* kScratchParent = "Software\\VantroTests";

// A name no other scratch object of this or another test process uses.
std::string UniqueSuffix() {
    static std::atomic<int> counter{0};
    return std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
}

}  // namespace

ScratchRegistry::ScratchRegistry() : path_(std::string(kScratchParent) + "\\" + UniqueSuffix()) {
    // Left over from a killed run with the same process id: start empty all the same.
    RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
    LONG status = RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                  KEY_ALL_ACCESS, nullptr, scratch_.put(), nullptr);
    if (status != ERROR_SUCCESS) {
        ADD_FAILURE() << "cannot create the scratch key " << path_ << ": " << status;
        return;
    }
    status = RegOverridePredefKey(HKEY_LOCAL_MACHINE, scratch_.get());
    if (status != ERROR_SUCCESS) ADD_FAILURE() << "cannot redirect HKEY_LOCAL_MACHINE: " << status;
}

ScratchRegistry::~ScratchRegistry() {
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    scratch_.reset();
    RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, kScratchParent);  // only goes once no other scratch key is left
}

TempFolder::TempFolder() {
    char temp[MAX_PATH + 1] = {};
    DWORD length = GetTempPathA(sizeof temp, temp);
    path_ = std::string(temp, length);
    if (!path_.empty() && path_.back() == '\\') path_.pop_back();
    path_ += "\\VantroTests-" + UniqueSuffix();
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
    if (!CreateDirectoryA(path_.c_str(), nullptr))
        ADD_FAILURE() << "cannot create the folder " << path_ << ": " << GetLastError();
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string ReadWholeFile(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteWholeFile(const std::string& fileName, const std::string& bytes) {
    std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) ADD_FAILURE() << "cannot write " << fileName;
}

bool FileExists(const std::string& fileName) {
    DWORD attributes = GetFileAttributesA(fileName.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}
