#!/usr/bin/python3
"""Graphs cross between ugraph and NetworkX in every format both of them read.

    networkx_exchange.py <ugraph> <scratch folder>

NetworkX writes a fixed set of random graphs in graph6, sparse6, edge lists
(with and without its "{}" data, labelled from 1 and from 0) and adjacency
lists, and each import must give the same links, with a note for each
change (isolated nodes added to number the nodes, a name cut), and convert
must give NetworkX's lists back; then NetworkX, and igraph for edge lists
labelled from 0, read everything ugraph exports of the same graphs, and must
find the same links and, where the format names them, the same nodes.
Prints one FAIL line per fault and exits 1 when there was one.

Node i of a data-input is vertex i - 1 in graph6 and sparse6 and label
i - 1 in a list read with --base 0.
"""
import random
import re
import subprocess
import sys
from pathlib import Path

import networkx as nx

try:
    import igraph
except ImportError:
    igraph = None
    print("igraph cannot be imported (python3-igraph): its reader is not checked")

UGRAPH = sys.argv[1]
SCRATCH = Path(sys.argv[2])
SEED = 6245
MAX_LINKS = 624
DOT_READ_LINKS = 200
PADDED_OTHERWISE = [b"C_", b"G?x???", b"O????_S??CEG??_??????"]

failures = []


def fail(message):
    failures.append(message)
    print("FAIL: " + message)


def ugraph(*args, stdin=b""):
    done = subprocess.run([UGRAPH, *map(str, args)], input=stdin, capture_output=True, timeout=60)
    return done.returncode, done.stdout.decode("utf-8", "replace"), done.stderr.decode(
        "utf-8", "replace")


# ---------------------------------------------------------------- the graphs

def graphs_to_exchange():
    """A few dozen graphs on vertices 0..n-1, n up to 50, with the cases a
    converter gets wrong: a vertex alone, the fiftieth vertex linked and
    alone, the most links a Ugraph holds, the sparse6 padding nauty and
    NetworkX write differently."""
    rng = random.Random(SEED)
    graphs = [nx.empty_graph(1), nx.path_graph(2),
              nx.gnm_random_graph(50, MAX_LINKS, seed=rng.randrange(1 << 30))]
    last_alone = nx.gnm_random_graph(49, 80, seed=rng.randrange(1 << 30))
    last_alone.add_node(49)
    graphs.append(last_alone)
    # Graphs of 4, 8 and 16 vertices whose sparse6 NetworkX pads otherwise
    # than nauty does (a 0 before the 1s where nauty has none); ugraph must
    # read both.
    graphs += [nx.from_graph6_bytes(line) for line in PADDED_OTHERWISE]
    while len(graphs) < 39:
        n = 50 if rng.random() < 0.4 else rng.randint(2, 49)
        g = nx.gnp_random_graph(n, rng.choice([0.02, 0.06, 0.15, 0.4]),
                                seed=rng.randrange(1 << 30))
        if n == 50 and rng.random() < 0.6:
            g.add_edge(rng.randrange(49), 49)
        if g.number_of_edges() <= MAX_LINKS:
            graphs.append(g)
    # The set must keep covering what it is for, whatever the seed gives.
    assert any(g.number_of_nodes() == 50 and g.degree(49) > 0 for g in graphs)
    assert sum(1 for g in graphs if 0 in dict(g.degree()).values()) >= 5
    for g in graphs:
        assert list(g.nodes) == list(range(g.number_of_nodes()))
    return graphs


def links_from_zero(g):
    """The links of a graph on 0..n-1 as a Ugraph numbers them."""
    return {(min(a, b) + 1, max(a, b) + 1) for a, b in g.edges}


def written_form(name, nodes, links, loops=()):
    """A data-input as ugraph writes it: each node, then the neighbours
    above it (itself first when it has a self-loop)."""
    above = {i: [] for i in range(1, nodes + 1)}
    for a, b in sorted(set(links) | {(v, v) for v in loops}):
        above[a].append(b)
    groups = ", ".join(
        "(%d)" % i + "".join(",%d" % b for b in above[i]) for i in range(1, nodes + 1))
    return '[U "%s", %s]' % (name, groups)


DATA_INPUT = re.compile(r'\[U "([^"]*)", (.*)\]')
GROUP = re.compile(r"\((\d+)\)((?:,\d+)*)")


def read_data_inputs(text):
    """(name, node count, links) of each data-input ugraph printed."""
    graphs = []
    for line in text.splitlines():
        match = DATA_INPUT.fullmatch(line)
        if not match:
            graphs.append((None, 0, {("unreadable", line)}))
            continue
        nodes = 0
        links = set()
        for head, rest in GROUP.findall(match.group(2)):
            node = int(head)
            nodes = max(nodes, node)
            for other in rest.split(",")[1:]:
                links.add((min(node, int(other)), max(node, int(other))))
                nodes = max(nodes, int(other))
        graphs.append((match.group(1), nodes, links))
    return graphs


def plural(count, thing):
    return "%d %s%s" % (count, thing, "" if count == 1 else "s")


def expect_notes(what, err, source, notes):
    """Standard error holds exactly these notes, each on a line of its own
    behind "ugraph: line L of SOURCE: "."""
    lines = err.splitlines()
    prefix = re.compile(r"ugraph: line \d+ of %s: " % re.escape(str(source)))
    told = [prefix.sub("", line, count=1) if prefix.match(line) else line for line in lines]
    if told != notes:
        fail("%s: told %r, not %r" % (what, told, notes))


def differ(what, expected, got):
    """Tells how two (nodes, links) pairs differ, or gives None."""
    (want_nodes, want_links), (got_nodes, got_links) = expected, got
    if want_nodes == got_nodes and want_links == got_links:
        return None
    parts = []
    if want_nodes != got_nodes and isinstance(want_nodes, list):
        parts.append("nodes missing %s, extra %s" % (
            sorted(set(want_nodes) - set(got_nodes))[:5],
            sorted(set(got_nodes) - set(want_nodes))[:5]))
    elif want_nodes != got_nodes:
        parts.append("nodes %s, not %s" % (got_nodes, want_nodes))
    if want_links != got_links:
        parts.append("links missing %s, extra %s" % (
            sorted(want_links - got_links)[:5], sorted(got_links - want_links)[:5]))
    return "%s: %s" % (what, "; ".join(parts))


# ------------------------------------------------------- NetworkX to ugraph

def import_six_bit(graphs, format_name, write):
    """All graphs in one file as NetworkX writes each (header included), one
    import: a data-input per graph, numbered after the file's name."""
    path = SCRATCH / ("nx." + format_name)
    with open(path, "wb") as out:
        for g in graphs:
            write(g, out)
    status, out, err = ugraph("import", "--from", format_name, path)
    if status != 0 or err:
        fail("import --from %s of NetworkX's file: status %d, stderr %r" % (format_name, status, err))
    got = read_data_inputs(out)
    if len(got) != len(graphs):
        fail("import --from %s gave %d data-inputs for %d graphs" % (format_name, len(got), len(graphs)))
        return
    for number, (g, (name, nodes, links)) in enumerate(zip(graphs, got), start=1):
        if name != "nx%d" % number:
            fail("import --from %s named graph %d %r" % (format_name, number, name))
        problem = differ("import --from %s, graph %d" % (format_name, number),
                         (g.number_of_nodes(), links_from_zero(g)), (nodes, links))
        if problem:
            fail(problem)


def import_list(g, number, format_name, base, write, variant):
    """One graph as NetworkX writes it as a list labelled from `base`."""
    labelled = nx.relabel_nodes(g, {v: v + base for v in g.nodes})
    path = SCRATCH / ("%s%d_%s_base%d.txt" % (format_name, number, variant, base))
    write(labelled, path)
    status, out, err = ugraph("import", "--from", format_name, "--base", base, path)
    what = "import --from %s --base %d of graph %d written %s" % (format_name, base, number, variant)
    if status != 0:
        fail("%s: status %d, stderr %r" % (what, status, err))
    got = read_data_inputs(out)
    links = links_from_zero(g)
    notes = []
    if len(path.stem) > 15:
        notes.append("the name is cut to 15 characters, as in '%s'" % path.stem[:15])
    if format_name == "edgelist":
        if not links:  # nothing to read, so no graph
            if got:
                fail("%s: a list without links gave %s" % (what, out.strip()))
            return
        nodes = max(b for _, b in links)  # an isolated node cannot be written
        added = nodes - len({v for link in links for v in link})
        if added:
            notes.append("%s added, so that the labels run from %d to %d without a gap" % (
                plural(added, "isolated node"), base, nodes - 1 + base))
    else:
        nodes = g.number_of_nodes()
    expect_notes(what, err, path, notes)
    if len(got) != 1:
        fail("%s: %d data-inputs, not 1" % (what, len(got)))
        return
    name, got_nodes, got_links = got[0]
    if name != path.stem[:15]:
        fail("%s: named %r, not after its file" % (what, name))
    problem = differ(what, (nodes, links), (got_nodes, got_links))
    if problem:
        fail(problem)


def networkx_to_ugraph(graphs):
    import_six_bit(graphs, "graph6", lambda g, out: nx.write_graph6(g, out))
    import_six_bit(graphs, "sparse6", lambda g, out: nx.write_sparse6(g, out))
    writers = [
        ("edgelist", "with_data", lambda g, p: nx.write_edgelist(g, p)),
        ("edgelist", "plain", lambda g, p: nx.write_edgelist(g, p, data=False)),
        ("adjlist", "as_is", lambda g, p: nx.write_adjlist(g, p)),
    ]
    for number, g in enumerate(graphs, start=1):
        for format_name, variant, write in writers:
            for base in (1, 0):
                import_list(g, number, format_name, base, write, variant)
        convert_list(g, number)


def convert_list(g, number):
    """A list NetworkX wrote, converted into the same format labelled from 0
    as NetworkX labels, reads back as the same graph: an edge list its
    links, an adjacency list its nodes too."""
    for format_name, write, read in [
            ("edgelist", lambda p: nx.write_edgelist(g, p, data=False),
             lambda p: nx.read_edgelist(p, nodetype=int)),
            ("adjlist", lambda p: nx.write_adjlist(g, p), lambda p: nx.read_adjlist(p, nodetype=int))]:
        path = SCRATCH / ("c%d.%s" % (number, format_name))
        back = SCRATCH / ("c%d_back.%s" % (number, format_name))
        write(path)
        status, _, err = ugraph("convert", "--from", format_name, "--to", format_name, "--base", 0,
                                path, "-o", back)
        what = "convert --from %s --to %s of graph %d" % (format_name, format_name, number)
        if status != 0 or err:
            fail("%s: status %d, stderr %r" % (what, status, err))
            continue
        if format_name == "edgelist" and not g.number_of_edges():
            continue  # no graph in, none out
        again = read(back)
        want_nodes = sorted(g.nodes) if format_name == "adjlist" else sorted(
            {v for link in g.edges for v in link})
        problem = differ(what + " read by NetworkX", (want_nodes, {tuple(sorted(e)) for e in g.edges}),
                         (sorted(again.nodes), {tuple(sorted(e)) for e in again.edges}))
        if problem:
            fail(problem)


# ------------------------------------------------------- ugraph to NetworkX

def found(g, strings=False):
    """(nodes, links) of a graph NetworkX read, numbered as the Ugraph's."""
    node = (lambda v: int(v)) if strings else (lambda v: v)
    links = [(min(node(a), node(b)), max(node(a), node(b))) for a, b, *_ in g.edges]
    if len(links) != len(set(links)):
        return sorted(map(node, g.nodes)), {("a link written twice",)}
    return sorted(map(node, g.nodes)), set(links)


def links_written(path):
    """How many links a list names: each line's fields after its first."""
    return sum(len(line.split()) - 1 for line in path.read_text().splitlines())


def ugraph_to_networkx(graphs):
    # The last data-input holds self-loops, which every format but graph6
    # carries, and which each reader must give back.
    loop_links = {(1, 2), (2, 3)}
    loops = {1, 3}
    expected = [("r%d" % i, g.number_of_nodes(), links_from_zero(g))
                for i, g in enumerate(graphs, start=1)]
    expected.append(("loops", 3, loop_links | {(v, v) for v in loops}))
    data = SCRATCH / "exported.txt"
    data.write_text("Graphs for NetworkX\n" + "".join(
        [written_form(*e) + "\n" for e in expected[:-1]] +
        [written_form("loops", 3, loop_links, loops) + "\n"]))
    count = len(expected)

    # graph6 refuses the self-loops, and still writes every other graph.
    out_path = SCRATCH / "exported.g6"
    status, _, err = ugraph("export", "all", "--to", "graph6", "-f", data, "-o", out_path)
    if status != 1 or len(err.splitlines()) != 1 or "data-input %d " % count not in err:
        fail("export all --to graph6 over a self-loop: status %d, stderr %r" % (status, err))
    read = nx.read_graph6(out_path)
    compare_all("graph6", expected[:-1], read, lambda e: list(range(e[1])))

    out_path = SCRATCH / "exported.s6"
    status, _, err = ugraph("export", "all", "--to", "sparse6", "-f", data, "-o", out_path)
    if status != 0 or err:
        fail("export all --to sparse6: status %d, stderr %r" % (status, err))
    read = nx.read_sparse6(out_path)
    compare_all("sparse6", expected, read, lambda e: list(range(e[1])))

    for number, (name, nodes, links) in enumerate(expected, start=1):
        every_node = list(range(1, nodes + 1))
        readers = [
            ("edgelist", lambda p: nx.read_edgelist(p, nodetype=int),
             sorted({v for link in links for v in link}), False),
            ("adjlist", lambda p: nx.read_adjlist(p, nodetype=int), every_node, False),
        ]
        # pydot takes seconds over the densest graphs, and DOT writes a big
        # graph no differently from a small one.
        if len(links) <= DOT_READ_LINKS:
            readers.append(("dot", nx.nx_pydot.read_dot, every_node, True))
        for format_name, reader, want_nodes, strings in readers:
            out_path = SCRATCH / ("exported%d.%s" % (number, format_name))
            status, _, err = ugraph("export", number, "--to", format_name, "-f", data,
                                    "-o", out_path)
            what = "export %d --to %s" % (number, format_name)
            unwritten = nodes - len({v for link in links for v in link})
            note = "" if format_name != "edgelist" or not unwritten else (
                "ugraph: data-input %d: %s not written, as an edgelist cannot hold them\n" % (
                    number, plural(unwritten, "isolated node")))
            if status != 0 or err != note:
                fail("%s: status %d, stderr %r" % (what, status, err))
                continue
            g = reader(out_path)
            problem = differ(what + " read by NetworkX", (want_nodes, links), found(g, strings))
            if not problem and format_name != "dot" and links_written(out_path) != len(links):
                # NetworkX would read a link given twice as one.
                problem = "%s: %d links written for %d" % (what, links_written(out_path), len(links))
            if problem:
                fail(problem)
            if format_name == "dot" and g.name != name:
                fail("%s: NetworkX reads the graph's name as %r, not %r" % (what, g.name, name))
        if igraph is not None and links:
            read_by_igraph(number, data, links)


def read_by_igraph(number, data, links):
    """igraph numbers vertices from 0: an edge list exported with --base 0
    gives it the graph up to its highest linked node."""
    out_path = SCRATCH / ("igraph%d.edgelist" % number)
    status, _, _ = ugraph("export", number, "--to", "edgelist", "--base", 0, "-f", data,
                          "-o", out_path)
    what = "export %d --to edgelist --base 0 read by igraph" % number
    if status != 0:
        fail("%s: status %d" % (what, status))
        return
    g = igraph.Graph.Read_Edgelist(str(out_path), directed=False)
    got = (g.vcount(), {(min(a, b) + 1, max(a, b) + 1) for a, b in g.get_edgelist()})
    want = (max(b for _, b in links), links)
    if got != want or g.ecount() != len(links):
        fail("%s: %d vertices and links %s, not %d and %s" % (
            what, got[0], sorted(got[1])[:5], want[0], sorted(want[1])[:5]))


def compare_all(format_name, expected, read, nodes_of):
    read = read if isinstance(read, list) else [read]
    if len(read) != len(expected):
        fail("export all --to %s: NetworkX reads %d graphs, not %d" % (
            format_name, len(read), len(expected)))
        return
    for number, (e, g) in enumerate(zip(expected, read), start=1):
        want = (nodes_of(e), {(a - 1, b - 1) for a, b in e[2]})
        problem = differ("export all --to %s, graph %d read by NetworkX" % (format_name, number),
                         want, found(g))
        if problem:
            fail(problem)


graphs = graphs_to_exchange()
networkx_to_ugraph(graphs)
ugraph_to_networkx(graphs)
sys.exit(1 if failures else 0)
