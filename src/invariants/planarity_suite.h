/* The one call into the edge-addition planarity suite, in C: the suite's
 * headers are C that a C++ compiler refuses. Takes n vertices 0..n-1 and
 * `links` links as pairs in `ends`; gives 1 when the graph embeds in the
 * plane, 0 when it does not, -1 when the suite could not be set up. */
#ifndef UGRAPH_PLANARITY_SUITE_H
#define UGRAPH_PLANARITY_SUITE_H
#ifdef __cplusplus
extern "C" {
#endif
int ugraph_planar_embedding(int n, const int* ends, int links);
#ifdef __cplusplus
}
#endif
#endif
