#pragma once
// check_picture: whether a laid-out picture keeps its nodes apart and its
// links off the nodes they do not join, in the picture's own units.
//
// Each node is a disc; each link a polyline through points sampled from its
// curve. It gives the first fault found, as a reason, or Done.
#include <vector>

#include "common/result.hpp"

namespace ugraph {

struct Disc {
    double x = 0;
    double y = 0;
    double radius = 0;
};

struct LinkPath {
    int a = 0;  // the nodes it joins, 1..n
    int b = 0;
    std::vector<Disc> points;  // radius unused
};

Result<> check_picture(const std::vector<Disc>& nodes, const std::vector<LinkPath>& links);

// The points of a cubic Bézier curve from p0 to p3, `steps` + 1 of them.
void sample_bezier(const Disc& p0, const Disc& p1, const Disc& p2, const Disc& p3, int steps,
                   std::vector<Disc>& out);

}  // namespace ugraph
