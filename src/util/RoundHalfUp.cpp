#include "util/RoundHalfUp.h"

#include "util/NumberText.h"

#include <cmath>

namespace zul {

double RoundHalfUp(double x, int d) {
    const double a = std::fabs(x);
    if (a < 1.0 / std::pow(10.0, d + 1)) {
        return 0.0;
    }
    const double p = std::pow(10.0, d);
    const double t = a * p + 0.00001;
    const std::string text = GeneralNumberText(t);
    const auto dot = text.find('.');
    double r = 0.0;
    if (dot == std::string::npos) {
        r = t / p;
    } else if (dot + 1 < text.size() && text[dot + 1] >= '5' && text[dot + 1] <= '9') {
        r = std::trunc(t + 1.0) / p;
    } else {
        r = std::trunc(t) / p;
    }
    return x >= 0 ? r : -r;
}

} // namespace zul
