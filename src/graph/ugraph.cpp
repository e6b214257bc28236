#include "graph/ugraph.hpp"

#include <algorithm>

namespace ugraph {

std::string_view name_text(const GraphName& name) {
    const auto end = std::find(name.begin(), name.end(), '\0');
    return {name.data(), static_cast<std::size_t>(end - name.begin())};
}

std::string_view cut_name(std::string_view text, int max_chars) {
    const auto limit = static_cast<std::size_t>(std::clamp(max_chars, 0, NAME_MAX_CHARS));
    return text.substr(0, std::min({text.size(), limit, text.find('\0')}));
}

void set_name(GraphName& name, std::string_view text, int max_chars) {
    const std::string_view kept = cut_name(text, max_chars);
    name.fill('\0');
    std::copy(kept.begin(), kept.end(), name.begin());
}

}  // namespace ugraph
