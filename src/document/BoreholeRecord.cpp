#include "document/BoreholeRecord.h"

namespace zul {

const char* BoreholeLayoutName(BoreholeLayout layout) {
    switch (layout) {
    case BoreholeLayout::V2:
        return "2.x";
    case BoreholeLayout::V300:
        return "3.00";
    case BoreholeLayout::V400:
        return "4.00";
    case BoreholeLayout::Unknown:
        break;
    }
    return "不明";
}

} // namespace zul
