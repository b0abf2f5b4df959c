#pragma once
// The program folder: the executable's folder, which holds the fixed tree
// of data folders. Tests point it at a folder of their own.
#include <string>

// ProgramFolder: the folder chosen by setProgramFolder, else the folder of
// the running executable (the current folder if that cannot be found).
std::string ProgramFolder();
void setProgramFolder(const std::string& folder);
// programPath: a path below the program folder written the classic way
// ("\Dat\Celvan1.dat") as a path of this system ("<folder>/Dat/Celvan1.dat").
std::string programPath(const std::string& backslashPath);
// isPlainFileName: whether a typed name may stand in the name of a file in
// one of the program's folders: no path separator ("/" or "\") and no "..",
// so that no typed name leads into another folder or out of the program
// folder.
bool isPlainFileName(const std::string& name);
