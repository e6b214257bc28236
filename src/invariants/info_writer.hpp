#pragma once
// InfoWriter: the rows of info, every key in order, in one of three forms:
// table (aligned columns under a header, for people: its rows are held
// until finish() to know each column's width), tsv (a header line, then
// one line per graph, the fields parted by tabs) and jsonl (one JSON
// object per line, written as each graph comes: flat memory on any input).
//
// A truth is written true or false; a value whose search ran out of budget
// is written unknown (null in jsonl); automorphisms is a JSON integer of
// as many digits as it needs. make_info_writer takes the form and the
// stream; write() gives false once the stream has failed.
#include <memory>
#include <ostream>

#include "invariants/graph_record.hpp"

namespace ugraph {

enum class InfoFormat { table, tsv, jsonl };

class InfoWriter {
public:
    virtual ~InfoWriter() = default;
    virtual bool write(GraphRecord& record) = 0;
    virtual bool finish() = 0;
};

std::unique_ptr<InfoWriter> make_info_writer(InfoFormat format, std::ostream& out);

}  // namespace ugraph
