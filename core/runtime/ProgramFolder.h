#pragma once
// The program folder: the executable's folder, which holds the fixed tree
// of data folders. Tests point it at a folder of their own.
#include <string>

std::string ProgramFolder();
void setProgramFolder(const std::string& folder);
// A path below the program folder written the classic way ("\Dat\Celvan1.dat")
// to a path of this system.
std::string programPath(const std::string& backslashPath);
