#include "DataFolders.h"

std::vector<std::filesystem::path> ProgramDataFolders(const std::filesystem::path& programFile) {
    const std::filesystem::path folder = programFile.parent_path();
    std::vector<std::filesystem::path> folders{folder};
    // An installed copy keeps its data in PREFIX/share/daq beside PREFIX/bin.
    if (folder.has_parent_path() && folder.filename() == "bin") {
        folders.push_back(folder.parent_path() / "share" / "daq");
    }
    return folders;
}

std::vector<std::filesystem::path> ManualFolders(const std::filesystem::path& programFile,
                                                 const std::filesystem::path& currentDirectory) {
    std::vector<std::filesystem::path> folders = ProgramDataFolders(programFile);
    folders.push_back(currentDirectory);
    return folders;
}
