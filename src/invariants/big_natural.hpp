#pragma once
// BigNatural: a natural number of as many digits as it needs, for the order
// of an automorphism group (50! for the empty graph on 50 nodes), which no
// machine word holds.
//
// A BigNatural starts at 1; multiply() multiplies it by a machine number;
// decimal() gives its digits, without leading zeros.
#include <cstdint>
#include <string>
#include <vector>

namespace ugraph {

class BigNatural {
public:
    BigNatural() = default;
    explicit BigNatural(std::uint32_t value) : limbs_{value} {}
    void multiply(std::uint32_t factor);
    std::string decimal() const;
    bool operator==(const BigNatural&) const = default;

private:
    // Base 10^9 limbs, the least significant first: decimal() is then a
    // matter of padding each limb to nine digits.
    std::vector<std::uint32_t> limbs_{1};
};

}  // namespace ugraph
