#pragma once

// The command line of the preview program, as the programs that start it write it and the
// preview reads it:
//   Preview /INI=<data folder> [/NAME=<study>] [/TITLE=<study title>] [/FILE=<study file>]
//           [/BESIDE=x,y,w,h] <print file>
//   Preview --pdf <out.pdf> [--no-page-head] <print file>
// The "/" options are read without regard to case.

#include <string_view>

namespace zul {

// The preview program in the program folder.
inline constexpr std::string_view kPreviewProgram = "Preview";

inline constexpr std::string_view kPreviewIniOption = "/INI=";       // the data folder with the settings
inline constexpr std::string_view kPreviewNameOption = "/NAME=";     // the study's name: window, PDF name
inline constexpr std::string_view kPreviewTitleOption = "/TITLE=";   // the study title of the page head
inline constexpr std::string_view kPreviewFileOption = "/FILE=";     // the study file of the page head
inline constexpr std::string_view kPreviewBesideOption = "/BESIDE="; // "x,y,w,h": the starter's frame
inline constexpr std::string_view kPreviewPdfOption = "--pdf";       // followed by the PDF to write
inline constexpr std::string_view kPreviewNoPageHeadOption = "--no-page-head";

} // namespace zul
