#pragma once
// The tests' own module: an interface whose functions run in the module and
// hand back the standard library's objects, as every real module does.
#include <string>
#include <string_view>

namespace ugraph {

struct ProbeModule {
    static constexpr const char* NAME = "probe";
    std::string (*greet)(std::string_view name);
};

}  // namespace ugraph
