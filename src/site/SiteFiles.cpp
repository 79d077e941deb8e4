#include "site/SiteFiles.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <system_error>
#include <unordered_set>

namespace zul::site {

namespace fs = std::filesystem;

namespace {

bool IsBoreholeFileName(const fs::path& path) {
    const std::string extension = path.extension().string();
    return extension == ".xml" || extension == ".XML";
}

// The key under which a file counts once: its canonical path when it exists.
std::string FileKey(const std::string& path) {
    std::error_code error;
    const fs::path canonical = fs::weakly_canonical(path, error);
    return error ? fs::absolute(path, error).lexically_normal().string() : canonical.string();
}

} // namespace

BoreholeFiles CollectBoreholeFiles(const std::vector<std::string>& paths) {
    BoreholeFiles result;
    std::vector<std::string> found;
    for (const std::string& path : paths) {
        std::error_code error;
        const fs::file_status status = fs::status(path, error);
        if (fs::is_directory(status)) {
            fs::directory_iterator entries(path, error);
            if (error) {
                result.error = path + "：ﾌｫﾙﾀﾞを読めません。";
                return result;
            }
            for (const fs::directory_entry& entry : entries) {
                std::error_code entryError;
                if (IsBoreholeFileName(entry.path()) && entry.is_regular_file(entryError)) {
                    found.push_back(entry.path().string());
                }
            }
        } else if (fs::exists(status)) {
            found.push_back(path);
        } else {
            result.error = path + "：ﾌｧｲﾙもﾌｫﾙﾀﾞも見つかりません。";
            return result;
        }
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    std::unordered_set<std::string> keys;
    for (std::string& path : found) {
        if (keys.insert(FileKey(path)).second) {
            result.files.push_back(std::move(path));
        }
    }
    return result;
}

std::vector<std::string> StudyFileNames(const std::vector<std::string>& files,
                                        const std::vector<std::string>& reserved) {
    std::vector<std::string> names;
    std::set<std::string> taken;
    std::set<std::string> reservedNames(reserved.begin(), reserved.end());
    for (const std::string& file : files) {
        const std::string stem = fs::path(file).stem().string();
        std::string name = stem;
        for (int suffix = 2; taken.contains(name) || reservedNames.contains(name + ".zul"); ++suffix) {
            name = stem + "-" + std::to_string(suffix);
        }
        taken.insert(name);
        names.push_back(name + ".zul");
    }
    return names;
}

} // namespace zul::site
