#include "cli/csvfile.h"

#include "model/textline.h"

namespace greenfold {

namespace {

constexpr std::string_view bom = "\xEF\xBB\xBF";

// Reads the records one character at a time. A quote opens a quoted cell only at the
// start of a cell; elsewhere it is taken as it stands, which is how spreadsheets read
// such a file back.
class CsvScanner {
  public:
    explicit CsvScanner(std::string_view text) : text_(text) {}

    bool atend() const { return pos_ >= text_.size(); }

    CsvRecord next(int row) {
        CsvRecord record;
        record.row = row;
        while (true) {
            record.cells.push_back(cell(record.problem));
            if (atend()) return record;
            const char c = text_[pos_++];
            if (c == ',') continue;
            if (c == '\r' && pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
            return record;
        }
    }

  private:
    std::string cell(std::string& problem) {
        if (!atend() && text_[pos_] == '"') return quoted(problem);
        std::string out;
        while (!atend() && !endofcell(text_[pos_])) out += text_[pos_++];
        return out;
    }

    std::string quoted(std::string& problem) {
        std::string out;
        ++pos_;
        while (true) {
            if (atend()) {
                problem = "a quoted cell is not closed";
                return out;
            }
            const char c = text_[pos_++];
            if (c != '"') {
                out += c;
            } else if (!atend() && text_[pos_] == '"') {
                out += '"';
                ++pos_;
            } else {
                break;
            }
        }
        if (!atend() && !endofcell(text_[pos_])) {
            problem = "text follows a quoted cell";
            while (!atend() && !endofcell(text_[pos_])) out += text_[pos_++];
        }
        return out;
    }

    static bool endofcell(char c) { return c == ',' || c == '\r' || c == '\n'; }

    std::string_view text_;
    std::size_t pos_ = 0;
};

bool needsquotes(std::string_view cell) {
    return cell.find_first_of(",\"\r\n") != std::string_view::npos;
}

} // namespace

std::string csvtext(std::string bytes) {
    if (std::string_view(bytes).substr(0, bom.size()) == bom) bytes.erase(0, bom.size());
    if (!validutf8(bytes)) return fromwindows1252(bytes);
    return bytes;
}

std::vector<CsvRecord> readcsv(std::string_view text) {
    std::vector<CsvRecord> records;
    CsvScanner scanner(text);
    while (!scanner.atend()) records.push_back(scanner.next(int(records.size()) + 1));
    return records;
}

bool blankrecord(const CsvRecord& record) {
    for (const std::string& cell : record.cells)
        if (cell.find_first_not_of(" \t") != std::string::npos) return false;
    return true;
}

std::string csvline(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) line += ',';
        if (!needsquotes(cells[i])) {
            line += cells[i];
            continue;
        }
        line += '"';
        for (char c : cells[i]) line += c == '"' ? std::string("\"\"") : std::string(1, c);
        line += '"';
    }
    return line + "\r\n";
}

} // namespace greenfold
