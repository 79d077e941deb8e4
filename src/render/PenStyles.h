#pragma once

#include <Qt>

namespace zul {

// Pen styles of the Windows metafile format; LINE_PRN.DEF numbers its line styles the same way.
inline constexpr int kMetafilePenSolid = 0;
inline constexpr int kMetafilePenDash = 1;
inline constexpr int kMetafilePenDot = 2;
inline constexpr int kMetafilePenDashDot = 3;
inline constexpr int kMetafilePenDashDotDot = 4;
inline constexpr int kMetafilePenNull = 5;

// The one mapping between the two: a metafile or line definition style as a Qt pen style (an
// unknown style draws solid, the null pen draws nothing) ...
constexpr Qt::PenStyle QtPenStyle(int style) {
    switch (style) {
    case kMetafilePenDash:
        return Qt::DashLine;
    case kMetafilePenDot:
        return Qt::DotLine;
    case kMetafilePenDashDot:
        return Qt::DashDotLine;
    case kMetafilePenDashDotDot:
        return Qt::DashDotDotLine;
    case kMetafilePenNull:
        return Qt::NoPen;
    default:
        return Qt::SolidLine;
    }
}

// ... and a Qt pen style as a metafile style (a custom dash pattern is recorded solid).
constexpr int MetafilePenStyle(Qt::PenStyle style) {
    switch (style) {
    case Qt::DashLine:
        return kMetafilePenDash;
    case Qt::DotLine:
        return kMetafilePenDot;
    case Qt::DashDotLine:
        return kMetafilePenDashDot;
    case Qt::DashDotDotLine:
        return kMetafilePenDashDotDot;
    case Qt::NoPen:
        return kMetafilePenNull;
    default:
        return kMetafilePenSolid;
    }
}

} // namespace zul
