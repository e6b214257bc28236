#include "picture/picture_check.hpp"

#include <cmath>
#include <string>

namespace ugraph {

namespace {

double distance_to_segment(const Disc& p, const Disc& from, const Disc& to) {
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.x - from.x) * dx + (p.y - from.y) * dy) / length2 : 0;
    t = std::fmax(0, std::fmin(1, t));
    return std::hypot(p.x - (from.x + t * dx), p.y - (from.y + t * dy));
}

}  // namespace

void sample_bezier(const Disc& p0, const Disc& p1, const Disc& p2, const Disc& p3, int steps,
                   std::vector<Disc>& out) {
    for (int k = 0; k <= steps; ++k) {
        const double t = static_cast<double>(k) / steps;
        const double u = 1 - t;
        const double w0 = u * u * u;
        const double w1 = 3 * u * u * t;
        const double w2 = 3 * u * t * t;
        const double w3 = t * t * t;
        out.push_back({w0 * p0.x + w1 * p1.x + w2 * p2.x + w3 * p3.x,
                       w0 * p0.y + w1 * p1.y + w2 * p2.y + w3 * p3.y, 0});
    }
}

Result<> check_picture(const std::vector<Disc>& nodes, const std::vector<LinkPath>& links) {
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        for (std::size_t j = i + 1; j < nodes.size(); ++j) {
            if (std::hypot(nodes[i].x - nodes[j].x, nodes[i].y - nodes[j].y) <
                nodes[i].radius + nodes[j].radius) {
                return refused("nodes " + std::to_string(i + 1) + " and " + std::to_string(j + 1) +
                               " overlap");
            }
        }
    }
    for (const LinkPath& link : links) {
        for (std::size_t k = 0; k < nodes.size(); ++k) {
            const int node = static_cast<int>(k) + 1;
            if (node == link.a || node == link.b) {
                continue;
            }
            for (std::size_t p = 0; p + 1 < link.points.size(); ++p) {
                if (distance_to_segment(nodes[k], link.points[p], link.points[p + 1]) <
                    nodes[k].radius) {
                    return refused("the link " + std::to_string(link.a) + "-" +
                                   std::to_string(link.b) + " runs through node " +
                                   std::to_string(node));
                }
            }
        }
    }
    return Done{};
}

}  // namespace ugraph
