#pragma once

#include <filesystem>
#include <string>

// Where a file written anew under path goes, by the rules every recording
// and session writer here follows: path itself, or the file a symbolic link
// there points to, existing or not (the link stays). Only a regular file (or nothing) may be
// replaced; a folder, a device such as /dev/null, a FIFO or a socket of that
// name is left as it is. Returns why path is refused (empty when it is not)
// and sets *file to where the new file goes. Nothing is changed on disk.
std::string ReplaceableTarget(const std::filesystem::path& path, std::filesystem::path* file);
