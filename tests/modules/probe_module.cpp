// The module of tests/modules/probe_module.hpp.
#include "probe_module.hpp"

#include "modules/module.hpp"

namespace {

std::string greet(std::string_view name) { return "hello, " + std::string(name); }

}  // namespace

UGRAPH_MODULE_ENTRY(probe, ugraph::ProbeModule, &greet)
