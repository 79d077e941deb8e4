#pragma once

// A small study graph of two diameters and three lengths, as the metafile tests draw it.

#include "document/CInpJyoken.h"
#include "render/GraphData.h"

#include <vector>

namespace zul::test {

// The graph (0 to 3) of the sample tables; factor scales the first Ra value, so that two
// graphs can differ by one value.
inline GraphData sampleGraph(int graph, double factor = 1.0) {
    CInpJyoken c;
    c.Title = "検討ｹｰｽ1";
    c.Sekou = 1;
    const std::vector<GraphTable> tables{
        {0.8,
         {{10.0, 812.3 * factor, 301.5, 1218.4, 452.2},
          {12.5, 1004.1, 388.0, 1506.2, 582.0},
          {15.0, 1190.0, 470.2, 1785.0, 705.3}}},
        {1.0,
         {{10.0, 1120.5, 380.0, 1680.7, 570.0},
          {12.5, 1390.0, 480.5, 2085.0, 720.7},
          {15.0, 1650.4, 580.1, 2475.6, 870.1}}},
    };
    return BuildGraphData(c, tables, graph);
}

} // namespace zul::test
