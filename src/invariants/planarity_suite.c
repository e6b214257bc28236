#include "planarity_suite.h"

#include <planarity/graph.h>

int ugraph_planar_embedding(int n, const int* ends, int links) {
    graphP graph = gp_New();
    int answer = -1;
    if (graph != NULL && gp_InitGraph(graph, n) == OK) {
        const int first = gp_GetFirstVertex(graph);
        int k = 0;
        for (; k < links; ++k) {
            if (gp_AddEdge(graph, ends[2 * k] + first, 0, ends[2 * k + 1] + first, 0) != OK) {
                break;
            }
        }
        if (k == links) {
            const int result = gp_Embed(graph, EMBEDFLAGS_PLANAR);
            answer = result == OK ? 1 : result == NONEMBEDDABLE ? 0 : -1;
        }
    }
    gp_Free(&graph);
    return answer;
}
