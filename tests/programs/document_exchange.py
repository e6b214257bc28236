"""GraphML and GML cross between ugraph, NetworkX and igraph.

    document_exchange.py <ugraph> <scratch folder>

ugraph's exports of a few graphs (isolated nodes, a name with XML's and
GML's special characters) read in NetworkX (read_graphml, read_gml) and igraph
(Read_GraphML, Read_GML) as the same graph; the Petersen graph that NetworkX
and igraph write (write_graphml, write_gml) reads in ugraph as a graph equal
to nauty's up to isomorphism (both through nauty-labelg).
"""
import subprocess
import sys

import igraph
import networkx as nx

sys.path.insert(0, __file__.rsplit("/", 2)[0] + "/scripts/lib")
import trials  # noqa: E402

ugraph, scratch = sys.argv[1], sys.argv[2]


def check(passed, what):
    if passed:
        print("ok: " + what, flush=True)
    else:
        trials.fail(what)


PETERSEN_G6 = "IheA@GUAo"
GRAPHS = {  # graph6 line, the name given, nodes, links
    "petersen": (PETERSEN_G6, "Petersen", 10, 15),
    "isolated": ("Ew??", "a<b>&c'd", 6, 3),
}


def run(*args, stdin=b""):
    return subprocess.run([ugraph, *args], input=stdin, capture_output=True, check=False)


def canonical(graph6_line):
    done = subprocess.run(["nauty-labelg", "-q"], input=(graph6_line + "\n").encode(),
                          capture_output=True, check=True)
    return done.stdout.decode().strip()


def ugraph_exports(line, name, fmt):
    done = run("convert", "--from", "graph6", "--to", fmt, "--name", name,
               stdin=(line + "\n").encode())
    path = f"{scratch}/out.{fmt}"
    with open(path, "wb") as out:
        out.write(done.stdout)
    return done.returncode, path


for key, (line, name, nodes, links) in GRAPHS.items():
    for fmt in ("graphml", "gml"):
        status, path = ugraph_exports(line, name, fmt)
        check(status == 0, f"{key}: ugraph writes {fmt}")
        g = nx.read_graphml(path) if fmt == "graphml" else nx.read_gml(path)
        check((g.number_of_nodes(), g.number_of_edges()) == (nodes, links),
                     f"{key}: NetworkX reads ugraph's {fmt} with {nodes} nodes and {links} links")
        check(g.graph.get("name") == name, f"{key}: NetworkX reads the {fmt}'s name")
        relabelled = nx.convert_node_labels_to_integers(g, ordering="sorted")
        if fmt == "graphml":
            order = sorted(g.nodes, key=int)
            relabelled = nx.relabel_nodes(g, {v: k for k, v in enumerate(order)})
        nx_line = nx.to_graph6_bytes(relabelled, header=False).decode().strip()
        check(canonical(nx_line) == canonical(line), f"{key}: NetworkX's {fmt} graph is the same")
        ig = igraph.Graph.Read_GraphML(path) if fmt == "graphml" else igraph.Graph.Read_GML(path)
        check((ig.vcount(), ig.ecount(), ig.is_directed()) == (nodes, links, False),
                     f"{key}: igraph reads ugraph's {fmt} with {nodes} nodes and {links} links")

nx_petersen = nx.petersen_graph()
nx_petersen.graph["name"] = "nx Petersen"
ig_petersen = igraph.Graph.Famous("Petersen")
writers = {
    "networkx-graphml": (lambda p: nx.write_graphml(nx_petersen, p), "graphml"),
    "networkx-gml": (lambda p: nx.write_gml(nx_petersen, p), "gml"),
    "igraph-graphml": (lambda p: ig_petersen.write_graphml(p), "graphml"),
    "igraph-gml": (lambda p: ig_petersen.write_gml(p), "gml"),
}
for who, (write, fmt) in writers.items():
    path = f"{scratch}/{who}.{fmt}"
    write(path)
    done = run("convert", "--from", fmt, "--to", "graph6", path)
    got = done.stdout.decode().strip()
    check(done.returncode == 0 and got != "" and canonical(got) == canonical(PETERSEN_G6),
                 f"{who}: ugraph reads the Petersen graph, nauty's up to isomorphism")
    check("nodes numbered 1 to 10 in file order" in done.stderr.decode(),
                 f"{who}: ugraph tells that it renumbered the nodes")
    imported = run("import", "--from", fmt, path)
    if who == "networkx-graphml" or who == "networkx-gml":
        check(imported.stdout.decode().startswith('[U "nx Petersen"'),
                     f"{who}: the graph's name is kept")

sys.exit(1 if trials.failed() else 0)
