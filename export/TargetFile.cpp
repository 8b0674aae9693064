#include "TargetFile.h"

#include <system_error>

std::string ReplaceableTarget(const std::filesystem::path& path, std::filesystem::path* file) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status found = fs::status(path, error);
    if (error && found.type() != fs::file_type::not_found) {
        return error.message();
    }
    *file = path;
    switch (found.type()) {
        case fs::file_type::not_found:
            // Nothing there, or a link to nothing: the file is created (at
            // the link's target, the link kept).
            if (fs::is_symlink(fs::symlink_status(path, error))) {
                const fs::path pointed = fs::read_symlink(path, error);
                if (error) {
                    return error.message();
                }
                *file = pointed.is_absolute() ? pointed : path.parent_path() / pointed;
            }
            return {};
        case fs::file_type::regular:
            break;
        case fs::file_type::directory:
            return "it is a folder";
        case fs::file_type::character:
        case fs::file_type::block:
            return "it is a device, not a regular file; it is left as it is";
        case fs::file_type::fifo:
            return "it is a FIFO, not a regular file; it is left as it is";
        case fs::file_type::socket:
            return "it is a socket, not a regular file; it is left as it is";
        default:
            return "it is not a regular file; it is left as it is";
    }
    if (fs::is_symlink(fs::symlink_status(path, error))) {
        *file = fs::canonical(path, error);
        if (error) {
            return error.message();
        }
    }
    return {};
}
