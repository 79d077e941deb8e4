#pragma once

// The print file that the report writes and the preview reads: Shift_JIS (code page 932) text
// with CR LF line ends, 62 lines to a page, a form feed for a page break, heading markers in the
// line head, and records that name a figure index file or a graph metafile.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zul {

// Lines of a printed page.
inline constexpr std::int32_t kLinesPerPage = 62;

inline constexpr char kFormFeed = '\f';
inline constexpr std::string_view kLineEnd = "\r\n";

// Heading markers between the margin and the heading number of a level-1 and a level-2 heading.
inline constexpr std::string_view kHeading1Marker = "?R1";
inline constexpr std::string_view kHeading2Marker = "?R2";

// A figure record: after a body-line head, the lead (three half-width and two full-width spaces,
// UTF-8 here), the marker with its position fields, then the path of a figure index file.
inline constexpr std::string_view kFigureRecordLead = "   　　";
inline constexpr std::string_view kFigureMarker = "?FG;";
inline constexpr std::string_view kFigureRecordFields = "?FG;000;000;";
// A picture record: after a body-line head, the marker with position and size (mm) at which the
// picture is drawn, then the path of a graph metafile.
inline constexpr std::string_view kPictureMarker = "?BM;";
inline constexpr std::string_view kPictureRecordFields = "?BM;000;000;160;110;";

// The graph metafiles that the study graph screen saves and the graph report names: graph 1
// normal push-in, 2 normal pull-out, 3 earthquake push-in, 4 earthquake pull-out.
inline constexpr std::array<std::string_view, 4> kGraphMetafileNames = {"RA01.WMF", "PA01.WMF", "RA02.WMF",
                                                                        "PA02.WMF"};

// The figure definition files beside the programs.
inline constexpr std::string_view kLineDefinitionFile = "LINE_PRN.DEF";
inline constexpr std::string_view kTextDefinitionFile = "STR_PRN.DEF";

// A text (UTF-8) in code page 932 for a print or figure file; a character code page 932 cannot
// hold becomes "?", a control character (line end, form feed ...) a space, so that a value never
// breaks the lines and pages of the file.
std::string PrintText(std::string_view utf8);

// Spaces that move a line of length used bytes on to the next print column 15, 29, 43 ...
std::string PrintZonePadding(std::size_t used);
// Two numbers as a print line writes them: each as " 1.5 " / "-1.5 ", the second one from the
// next print column 15, 29, 43 ...
std::string PrintNumberPair(double a, double b);

} // namespace zul
