#include "ui/input/NumberPicture.h"

namespace zul {

int PictureDecimals(std::string_view picture) {
    const std::string_view first = picture.substr(0, picture.find(';'));
    const auto point = first.find('.');
    if (point == std::string_view::npos) {
        return 0;
    }
    int decimals = 0;
    for (std::size_t i = point + 1; i < first.size() && (first[i] == '0' || first[i] == '#'); ++i) {
        ++decimals;
    }
    return decimals;
}

} // namespace zul
