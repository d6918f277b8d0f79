#pragma once
// The application object: where the program lives, what it is called, its version,
// and whether another copy is already running.
#include <windows.h>

#include <string>

#include "platform/UniqueHandle.h"

class Application {
public:
    // Reads the folder, title and version from the running executable.
    static Application FromRunningProgram();

    const std::string& Path() const { return path_; }  // no trailing backslash but a drive root's
    void SetPath(std::string folder) { path_ = std::move(folder); }
    // Where Vantro keeps files for the user running it (the message file, the launch
    // history): the user's local application data folder under Vantro, never the program
    // folder, which only administrators may change. Empty: no history is kept.
    const std::string& DataFolder() const { return dataFolder_; }
    void SetDataFolder(std::string folder) { dataFolder_ = std::move(folder); }
    const std::string& Title() const { return title_; }
    int Major() const { return major_; }
    int Minor() const { return minor_; }
    int Revision() const { return revision_; }
    void SetVersion(int major, int minor, int revision);
    // A file of that name in the program folder.
    std::string FileInFolder(const std::string& name) const;
    std::string HelpFile() const { return FileInFolder("Vantro.hlp"); }
    HINSTANCE Instance() const { return instance_; }

    // Takes the single-instance token. True when another copy already holds it.
    bool PrevInstance();

private:
    std::string path_;
    std::string dataFolder_;
    std::string title_ = "Vantro";
    int major_ = 1;
    int minor_ = 6;
    int revision_ = 0;
    HINSTANCE instance_ = nullptr;
    UniqueKernelHandle instanceMutex_;
    bool prevInstance_ = false;  // the answer of the first PrevInstance call
};

// Folder part of a full file name, as the application reports it.
std::string FolderOf(const std::string& fullName);
