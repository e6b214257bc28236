#include <gtest/gtest.h>

#include "cli/graph_input.hpp"

namespace ugraph {
namespace {

TEST(ImportedName, KeepsItsNumberAndOnlyStorableCharacters) {
    EXPECT_EQ(imported_name("graphs", std::nullopt), "graphs");
    EXPECT_EQ(imported_name("g9", 261080), "g9-261080");
    EXPECT_EQ(imported_name("a\"b]c\rd\x1a\n", std::nullopt), "a_b_c_d__");
    EXPECT_EQ(imported_name("abcdefghijklmnopqrst", std::nullopt), "abcdefghijklmno");
    EXPECT_EQ(imported_name("abcdefghijklmnopqrst", 12), "abcdefghijklm12");
    // 14 bytes are left for "a" and the two-byte é's: the cut may not split one.
    EXPECT_EQ(imported_name("a\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9", 1),
              "a\u00e9\u00e9\u00e9\u00e9\u00e9\u00e91");
}
}  // namespace
}  // namespace ugraph
