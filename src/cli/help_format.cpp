#include "cli/help_format.hpp"

#include <utility>

namespace ugraph {

HelpFormat::HelpFormat() {
    label("Positionals", "Arguments");
    label("Usage", "Usage");
}

void HelpFormat::synopsis(const std::string& command, std::string line) {
    synopses_[command] = std::move(line);
}

std::string HelpFormat::make_usage(const CLI::App* app, std::string /*name*/) const {
    const auto found = synopses_.find(app->get_name());
    return found == synopses_.end() ? std::string() : "Usage: " + found->second + "\n";
}

}  // namespace ugraph
