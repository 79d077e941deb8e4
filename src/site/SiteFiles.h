#pragma once

#include <string>
#include <vector>

namespace zul::site {

// The borehole files of a run, or why the paths cannot be taken.
struct BoreholeFiles {
    std::vector<std::string> files; // in byte order of their paths, each once
    std::string error;              // a path that is neither a file nor a readable folder
};

// The files named and, for a folder, its *.xml and *.XML files (not those of its subfolders),
// in byte order of their paths; a file reached twice (named twice, or also through its folder,
// or through another spelling of its path) is taken once.
BoreholeFiles CollectBoreholeFiles(const std::vector<std::string>& paths);

// The study file name of each borehole file: its stem with ".zul"; the second and later of a
// stem already taken, and a stem whose name is reserved (such as the base study's file in the
// output folder, which must not be overwritten), get "-2", "-3" and so on.
std::vector<std::string> StudyFileNames(const std::vector<std::string>& files,
                                        const std::vector<std::string>& reserved = {});

} // namespace zul::site
