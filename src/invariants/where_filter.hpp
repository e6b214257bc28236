#pragma once
// WhereFilter: the conditions of a --where expression, each on one key of
// info, all of which a graph must meet: KEY (a true truth), KEY=true|false,
// KEY=V, KEY=A..B, KEY=A.., KEY=..B (ranges inclusive), joined by commas.
//
// parse_where takes the expression and gives the filter, or refuses naming
// the unknown key or the malformed condition. holds() asks the record only
// the keys the conditions name; an unknown value (a chromatic number whose
// search ran out of budget) meets no condition. meets_where asks it of
// one graph as a feed lends it.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/result.hpp"
#include "invariants/graph_record.hpp"

namespace ugraph {

struct Condition {
    Key key = Key::number;
    std::optional<Value> equal;       // KEY, KEY=true|false, KEY=V
    std::optional<std::string> from;  // a range's ends, as digits for any size
    std::optional<std::string> to;
    // The ends again as numbers, where every end given fits in 64 bits, so
    // that an integer value is compared without writing its digits.
    bool ends_are_numbers = false;
    long long from_number = 0;
    long long to_number = 0;
};

class WhereFilter {
public:
    bool holds(GraphRecord& record) const;
    const std::vector<Condition>& conditions() const { return conditions_; }

private:
    friend Result<WhereFilter> parse_where(std::string_view expression);
    std::vector<Condition> conditions_;
};

Result<WhereFilter> parse_where(std::string_view expression);

bool meets_where(const WhereFilter& where, const GraphItem& graph);

}  // namespace ugraph
