#include "invariants/info_writer.hpp"

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace ugraph {

namespace {

std::string plain_text(const Value& value) {
    switch (value.kind) {
        case Value::Kind::integer:
            return std::to_string(value.integer);
        case Value::Kind::truth:
            return value.truth ? "true" : "false";
        case Value::Kind::text:
            return value.text;
        case Value::Kind::unknown:
            break;
    }
    return "unknown";
}

std::string json_text(Key key, const Value& value) {
    switch (value.kind) {
        case Value::Kind::integer:
            return std::to_string(value.integer);
        case Value::Kind::truth:
            return value.truth ? "true" : "false";
        case Value::Kind::text:
            // The group order's digits stand as a number however long they are.
            if (key_kind(key) == KeyKind::big)
                return value.text;
            return nlohmann::json(value.text)
                .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
        case Value::Kind::unknown:
            break;
    }
    return "null";
}

class JsonLines : public InfoWriter {
public:
    explicit JsonLines(std::ostream& out) : out_(out) {}
    bool write(GraphRecord& record) override {
        line_.clear();
        for (int k = 0; k < KEY_COUNT; ++k) {
            const auto key = static_cast<Key>(k);
            line_ += k == 0 ? "{\"" : ",\"";
            line_ += key_name(key);
            line_ += "\":";
            line_ += json_text(key, record.value(key));
        }
        line_ += "}\n";
        return static_cast<bool>(out_ << line_);
    }
    bool finish() override { return static_cast<bool>(out_.flush()); }

private:
    std::ostream& out_;
    std::string line_;
};

class TabSeparated : public InfoWriter {
public:
    explicit TabSeparated(std::ostream& out) : out_(out) {
        for (int k = 0; k < KEY_COUNT; ++k) {
            out_ << (k == 0 ? "" : "\t") << key_name(static_cast<Key>(k));
        }
        out_ << '\n';
    }
    bool write(GraphRecord& record) override {
        line_.clear();
        for (int k = 0; k < KEY_COUNT; ++k) {
            if (k != 0)
                line_ += '\t';
            line_ += plain_text(record.value(static_cast<Key>(k)));
        }
        line_ += '\n';
        return static_cast<bool>(out_ << line_);
    }
    bool finish() override { return static_cast<bool>(out_.flush()); }

private:
    std::ostream& out_;
    std::string line_;
};

// Numbers stand right-aligned, names and canonical lines left-aligned, the
// columns parted by two blanks; the last column has no blanks after it.
class Table : public InfoWriter {
public:
    explicit Table(std::ostream& out) : out_(out) {
        std::vector<std::string> header;
        header.reserve(KEY_COUNT);
        for (int k = 0; k < KEY_COUNT; ++k)
            header.emplace_back(key_name(static_cast<Key>(k)));
        add(std::move(header));
    }
    bool write(GraphRecord& record) override {
        std::vector<std::string> row;
        row.reserve(KEY_COUNT);
        for (int k = 0; k < KEY_COUNT; ++k)
            row.push_back(plain_text(record.value(static_cast<Key>(k))));
        add(std::move(row));
        return true;
    }
    bool finish() override {
        for (const auto& row : rows_)
            out_ << aligned(row);
        return static_cast<bool>(out_.flush());
    }

private:
    void add(std::vector<std::string> row) {
        for (std::size_t k = 0; k < row.size(); ++k)
            widths_[k] = std::max(widths_[k], row[k].size());
        rows_.push_back(std::move(row));
    }
    std::string aligned(const std::vector<std::string>& row) const {
        std::string line;
        for (std::size_t k = 0; k < row.size(); ++k) {
            const std::string padding(widths_[k] - row[k].size(), ' ');
            const bool left = key_kind(static_cast<Key>(k)) == KeyKind::text;
            if (k != 0)
                line += "  ";
            line += left ? row[k] + (k + 1 == row.size() ? "" : padding) : padding + row[k];
        }
        return line + '\n';
    }

    std::ostream& out_;
    std::array<std::size_t, KEY_COUNT> widths_{};
    std::vector<std::vector<std::string>> rows_;
};

}  // namespace

std::unique_ptr<InfoWriter> make_info_writer(InfoFormat format, std::ostream& out) {
    switch (format) {
        case InfoFormat::tsv:
            return std::make_unique<TabSeparated>(out);
        case InfoFormat::jsonl:
            return std::make_unique<JsonLines>(out);
        case InfoFormat::table:
            break;
    }
    return std::make_unique<Table>(out);
}

}  // namespace ugraph
