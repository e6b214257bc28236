#include "invariants/invariants_commands.hpp"
#include "invariants/invariants_module.hpp"

namespace ugraph {

const InvariantsModule& linked_invariants() {
    static const InvariantsModule engine{&run_info,          &run_classes, &run_find,
                                         &duplicate_numbers, &parse_where, &meets_where};
    return engine;
}

}  // namespace ugraph
