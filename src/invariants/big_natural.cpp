#include "invariants/big_natural.hpp"

#include <algorithm>

namespace ugraph {

namespace {
constexpr std::uint64_t LIMB_BASE = 1'000'000'000;
}

void BigNatural::multiply(std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (auto& limb : limbs_) {
        const std::uint64_t product = std::uint64_t{limb} * factor + carry;
        limb = static_cast<std::uint32_t>(product % LIMB_BASE);
        carry = product / LIMB_BASE;
    }
    while (carry != 0) {
        limbs_.push_back(static_cast<std::uint32_t>(carry % LIMB_BASE));
        carry /= LIMB_BASE;
    }
    // A factor 0 leaves zero limbs on top; one stays to say 0.
    while (limbs_.size() > 1 && limbs_.back() == 0) {
        limbs_.pop_back();
    }
}

std::string BigNatural::decimal() const {
    std::string digits = std::to_string(limbs_.back());
    for (auto limb = limbs_.rbegin() + 1; limb != limbs_.rend(); ++limb) {
        const std::string part = std::to_string(*limb);
        digits.append(9 - part.size(), '0');
        digits += part;
    }
    return digits;
}

}  // namespace ugraph
