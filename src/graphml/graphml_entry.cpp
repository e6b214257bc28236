// The GraphML module's entry point, built into the module alone.
#include "graphml/graphml_module.hpp"
#include "graphml/graphml_xml.hpp"
#include "modules/module.hpp"

UGRAPH_MODULE_ENTRY(graphml, ugraph::GraphmlModule, &ugraph::write_graphml_xml,
                    &ugraph::read_graphml_xml)
