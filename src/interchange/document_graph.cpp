#include "interchange/document_graph.hpp"

namespace ugraph {

Result<int> NodeNumbering::number_of(std::string_view id) {
    if (const auto found = numbers_.find(id); found != numbers_.end()) {
        return found->second;
    }
    const int number = count() + 1;
    if (number > MAX_NODES) {
        return refused("it has more than " + std::to_string(MAX_NODES) +
                       " nodes; a Ugraph holds at most " + std::to_string(MAX_NODES));
    }
    if (number == 1) {
        first_id_ = std::string(id);
    }
    as_numbered_ = as_numbered_ && id == std::to_string(number);
    numbers_.emplace(std::string(id), number);
    return number;
}

std::optional<std::string> NodeNumbering::renumber_note() const {
    if (as_numbered_ || numbers_.empty()) {
        return std::nullopt;
    }
    return "nodes numbered 1 to " + std::to_string(count()) + " in file order, '" + first_id_ +
           "' as 1";
}

std::string reduced_note(int count, const char* what, const char* how) {
    return std::to_string(count) + ' ' + what + (count == 1 ? " " : "s ") + how;
}

}  // namespace ugraph
