// The program's side of the invariants engine: its module, where this build
// has one. The Windows build has no nauty yet, and says so in one clause.
#include "invariants/invariants_module.hpp"
#include "modules/module.hpp"

namespace ugraph {

Result<const InvariantsModule*> load_invariants_module() {
#ifdef UGRAPH_INVARIANTS_MODULE
    return load_module<InvariantsModule>();
#else
    return refused("this build of ugraph lacks nauty's library");
#endif
}

}  // namespace ugraph
