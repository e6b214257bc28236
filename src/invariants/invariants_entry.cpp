// The invariants engine's module entry point, built into the module alone.
#include "invariants/invariants_module.hpp"
#include "modules/module.hpp"

UGRAPH_MODULE_ENTRY(invariants, ugraph::InvariantsModule, ugraph::linked_invariants())
