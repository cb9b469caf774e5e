#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace greenfold {

// Comma-separated files as spreadsheets and scoring apps write them (RFC 4180): cells
// split by commas, records by CR LF or a lone LF, a cell in double quotes may hold
// commas, line breaks and doubled quotes.

struct CsvRecord {
    int row = 0; // 1 for the file's first record, blank records counted too
    std::vector<std::string> cells;
    std::string problem; // empty when the record could be read
};

// The text of a file as read from disk: a byte order mark is dropped, and a file that is
// not UTF-8 is taken as Windows-1252, as older spreadsheets save it.
std::string csvtext(std::string bytes);

// Every record of the text, blank ones included, so row numbers match the spreadsheet's.
std::vector<CsvRecord> readcsv(std::string_view text);

// Whether every cell of a record is empty or blanks only: a row a spreadsheet left empty.
bool blankrecord(const CsvRecord& record);

// One record for a file we write: cells quoted only when they must be, ended by CR LF.
std::string csvline(const std::vector<std::string>& cells);

} // namespace greenfold
