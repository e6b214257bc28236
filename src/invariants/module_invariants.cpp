// The program's side of the invariants engine: its module, opened the first
// time a command asks for it.
#include "invariants/invariants_module.hpp"
#include "modules/module.hpp"

namespace ugraph {

Result<const InvariantsModule*> load_invariants_module() { return load_module<InvariantsModule>(); }

}  // namespace ugraph
