#pragma once
// join_pdf_documents: several PDFs, each of one graph's picture as Graphviz
// draws it, made one document whose pages are theirs in order, by qpdf's
// library: one file of many pages is what a viewer opens, where PDFs laid
// end to end in one file show only the first. Refused, `out` unchanged,
// when qpdf cannot read one of them.
#include <span>
#include <string>

#include "common/result.hpp"

namespace ugraph {

Result<> join_pdf_documents(std::span<const std::string> documents, std::string& out);

}  // namespace ugraph
