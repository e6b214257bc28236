// The --where expression against pickg's constraints, its refusals, and
// the three forms info writes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <sstream>

#include "invariants/big_natural.hpp"
#include "invariants/chromatic.hpp"
#include "invariants/connectivity.hpp"
#include "invariants/invariants_commands.hpp"
#include "nauty_tools.hpp"

namespace ugraph {
namespace {

std::vector<std::string> kept_by(const std::vector<std::string>& lines, const std::string& where) {
    const auto filter = parse_where(where);
    EXPECT_TRUE(filter) << where;
    std::vector<std::string> kept;
    for (const auto& line : lines) {
        const Graph6Item input(line);
        GraphRecord record(input.item(1));
        if (filter && filter.value().holds(record))
            kept.push_back(line);
    }
    return kept;
}

TEST(Where, KeepsWhatPickgKeeps) {
    if (!nauty_tools_installed())
        GTEST_SKIP() << "nauty's programs are not installed";
    const std::string file = ::testing::TempDir() + "ugraph_where_" + std::to_string(::getpid());
    lines_of("nauty-geng -q 7 > " + file);
    const auto all = lines_of("cat " + file);
    const std::pair<const char*, const char*> pairs[] = {
        {"girth=5..,max_degree=..3", "-g5: -D:3"},
        {"bipartite,regular=false", "-b -~r"},
        {"triangles=2..4,components=1", "-T2:4 -cc1"},
        {"diameter=-1", "-Z-1"},
        {"automorphisms=48", "-a48"},
        {"eulerian=true,min_degree=2..", "-E -d2:"},
    };
    for (const auto& [where, pickg] : pairs) {
        EXPECT_EQ(kept_by(all, where),
                  lines_of(std::string("nauty-pickg -q ") + pickg + " " + file))
            << where;
    }
    std::remove(file.c_str());
}

TEST(Where, RefusesNamingTheKeyOrTheCondition) {
    EXPECT_EQ(parse_where("girth=5..,colour=3").reason(), "unknown key \"colour\"");
    for (const char* bad : {"girth", "girth=", "girth=..", "girth=5..x", "planar=yes", "girth=a",
                            "=3", "automorphisms=-2", "name=a..b"}) {
        const auto filter = parse_where(std::string("nodes=1,") + bad);
        ASSERT_FALSE(filter) << bad;
        EXPECT_EQ(filter.reason(), "malformed condition \"" + std::string(bad) + "\"");
    }
    // A bound beyond 32 bits is a number on every system.
    ASSERT_TRUE(parse_where("links=..3000000000"));
}

TEST(Where, GroupOrdersCompareBeyondSixtyFourBits) {
    const LinkSet none;
    const GraphItem empty50{1, "e", 50, none};
    GraphRecord record(empty50);
    EXPECT_TRUE(
        parse_where(
            "automorphisms=30414093201713378043612608166064768844377641568960512000000000000..")
            .value()
            .holds(record));
    EXPECT_FALSE(parse_where("automorphisms=..18446744073709551616").value().holds(record));
    EXPECT_TRUE(parse_where("name=e,planar").value().holds(record));
}

TEST(BigNatural, MultipliesExactly) {
    BigNatural factorial;
    for (std::uint32_t k = 2; k <= 50; ++k)
        factorial.multiply(k);
    EXPECT_EQ(factorial.decimal(),
              "30414093201713378043612608166064768844377641568960512000000000000");
    BigNatural carry(999'999'999);
    carry.multiply(1'000'000'001);
    EXPECT_EQ(carry.decimal(), "999999999999999999");
    carry.multiply(0);
    EXPECT_EQ(carry.decimal(), "0");
}

LinkSet triangle_with_loop() {
    LinkSet links;
    links.add(1, 2);
    links.add(2, 3);
    links.add(1, 3);
    links.add(2, 2);
    return links;
}

TEST(InfoWriter, JsonLinesHoldEveryKeyAndTheExactGroupOrder) {
    const LinkSet none;
    std::ostringstream out;
    std::ostringstream err;
    const GraphFeed feed = [&](const EachGraph& each) {
        const LinkSet triangle = triangle_with_loop();
        each(GraphItem{7, "tri\"angle", 4, triangle});
        each(GraphItem{8, "empty", 50, none});
    };
    EXPECT_EQ(run_info(feed, InfoFormat::jsonl, nullptr, out, err), 0);
    EXPECT_EQ(out.str(),
              "{\"number\":7,\"name\":\"tri\\\"angle\",\"nodes\":4,\"links\":3,\"loops\":1,"
              "\"min_degree\":0,\"max_degree\":2,\"components\":2,\"connectivity\":0,"
              "\"radius\":-1,\"diameter\":-1,\"girth\":3,\"triangles\":1,\"clique_number\":3,"
              "\"independence_number\":2,\"chromatic_number\":3,\"bipartite\":false,"
              "\"regular\":false,\"eulerian\":true,\"planar\":true,\"automorphisms\":6,"
              "\"orbits\":2,\"canonical\":\"CJ\"}\n"
              "{\"number\":8,\"name\":\"empty\",\"nodes\":50,\"links\":0,\"loops\":0,"
              "\"min_degree\":0,\"max_degree\":0,\"components\":50,\"connectivity\":0,"
              "\"radius\":-1,\"diameter\":-1,\"girth\":0,\"triangles\":0,\"clique_number\":1,"
              "\"independence_number\":50,\"chromatic_number\":1,\"bipartite\":true,"
              "\"regular\":true,\"eulerian\":true,\"planar\":true,"
              "\"automorphisms\":30414093201713378043612608166064768844377641568960512000000000000,"
              "\"orbits\":1,\"canonical\":\"q" +
                  std::string(205, '?') + "\"}\n");
    EXPECT_EQ(err.str(), "");
}

TEST(InfoWriter, TabsAndTableUnderTheirHeaders) {
    const LinkSet triangle = triangle_with_loop();
    const GraphFeed feed = [&](const EachGraph& each) { each(GraphItem{12, "t", 3, triangle}); };
    std::ostringstream tsv;
    std::ostringstream err;
    const auto where = parse_where("nodes=3");
    EXPECT_EQ(run_info(feed, InfoFormat::tsv, &where.value(), tsv, err), 0);
    EXPECT_EQ(
        tsv.str(),
        "number\tname\tnodes\tlinks\tloops\tmin_degree\tmax_degree\tcomponents\t"
        "connectivity\tradius\tdiameter\tgirth\ttriangles\tclique_number\t"
        "independence_number\tchromatic_number\tbipartite\tregular\teulerian\tplanar\t"
        "automorphisms\torbits\tcanonical\n"
        "12\tt\t3\t3\t1\t2\t2\t1\t2\t1\t1\t3\t1\t3\t1\t3\tfalse\ttrue\ttrue\ttrue\t6\t1\tBw\n");
    std::ostringstream table;
    EXPECT_EQ(run_info(feed, InfoFormat::table, nullptr, table, err), 0);
    std::istringstream lines(table.str());
    std::string header;
    std::string row;
    std::getline(lines, header);
    std::getline(lines, row);
    EXPECT_EQ(header.substr(0, 28), "number  name  nodes  links  ");
    EXPECT_EQ(row.substr(0, 28), "    12  t         3      3  ");
    EXPECT_EQ(row.substr(row.size() - 2), "Bw");
}

TEST(Connectivity, KnownGraphs) {
    auto cycle = [](int n) {
        DenseGraph g;
        g.n = n;
        for (int v = 0; v < n; ++v)
            g.link(v, (v + 1) % n);
        return g;
    };
    EXPECT_EQ(vertex_connectivity(cycle(9)), 2);
    DenseGraph petersen = cycle(5);
    petersen.n = 10;
    for (int v = 0; v < 5; ++v) {
        petersen.link(v, v + 5);
        petersen.link(v + 5, (v + 2) % 5 + 5);
    }
    EXPECT_EQ(vertex_connectivity(petersen), 3);
    DenseGraph k8;
    k8.n = 8;
    for (int a = 0; a < 8; ++a)
        for (int b = a + 1; b < 8; ++b)
            k8.link(a, b);
    EXPECT_EQ(vertex_connectivity(k8), 7);
    // Two K5s sharing two vertices: those two part them.
    DenseGraph joined;
    joined.n = 8;
    for (const auto& side : {std::array{0, 1, 2, 3, 4}, std::array{3, 4, 5, 6, 7}})
        for (int a = 0; a < 5; ++a)
            for (int b = a + 1; b < 5; ++b)
                joined.link(side[a], side[b]);
    EXPECT_EQ(vertex_connectivity(joined), 2);
}

TEST(ChromaticNumber, ABudgetThatRunsOutGivesNoNumber) {
    DenseGraph petersen;
    petersen.n = 10;
    for (int v = 0; v < 5; ++v) {
        petersen.link(v, (v + 1) % 5);
        petersen.link(v, v + 5);
        petersen.link(v + 5, (v + 2) % 5 + 5);
    }
    EXPECT_EQ(chromatic_number(petersen), 3);
    EXPECT_EQ(chromatic_number(petersen, 1), std::nullopt);
}

}  // namespace
}  // namespace ugraph
