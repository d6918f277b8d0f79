#pragma once
#include <string>

class Application;

// The program title: the application title, a blank, major "." minor (Vantro 1.5).
std::string ProgramName(const Application& app);
