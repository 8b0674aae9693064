#pragma once

#include <filesystem>
#include <vector>

// Where the program's own files (language modules, the user manual) are
// looked for: the folder of the program first, then the data folder of an
// installed copy (bin/daq -> share/daq). Plain C++.
std::vector<std::filesystem::path> ProgramDataFolders(const std::filesystem::path& programFile);

// Where the user manual is looked for: the program's folders, then the
// current directory (a copy run from its build or unpacked folder).
std::vector<std::filesystem::path> ManualFolders(const std::filesystem::path& programFile,
                                                 const std::filesystem::path& currentDirectory);
