#pragma once

#include <string>
#include <vector>

namespace defib::fuzz {

// A CSV reader written apart from the program's writer, to read its files back: comma-separated,
// fields in double quotes with their quotes doubled, records ended by CR LF. It reads what lenient
// readers (Python's csv module by default) make of a file that breaks those rules: a bare CR or LF
// ends a record too, a quote inside an unquoted field is a character of it, text after a closing
// quote goes on as part of the field, and a file that ends inside quotes ends its last field
// there. `strict` says whether the file kept every rule; blank lines are no records.
struct CsvTable {
    std::vector<std::vector<std::string>> records;
    bool strict = true;
};

inline CsvTable readCsv(const std::string& text)
{
    CsvTable table;
    enum class State { RecordStart, FieldStart, Unquoted, Quoted, QuoteInQuoted } state = State::RecordStart;
    std::vector<std::string> record;
    std::string field;
    auto endField = [&] {
        record.push_back(field);
        field.clear();
    };
    auto endRecord = [&](std::size_t& i) {
        endField();
        table.records.push_back(record);
        record.clear();
        // Only CR LF ends a record as the rules have it.
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        else
            table.strict = false;
        state = State::RecordStart;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool lineEnd = c == '\r' || c == '\n';
        switch (state) {
        case State::RecordStart:
            if (lineEnd) {
                table.strict = false;
                if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                    ++i;
                break;
            }
            [[fallthrough]];
        case State::FieldStart:
            if (lineEnd)
                endRecord(i);
            else if (c == '"')
                state = State::Quoted;
            else if (c == ',') {
                endField();
                state = State::FieldStart;
            } else {
                field += c;
                state = State::Unquoted;
            }
            break;
        case State::Unquoted:
            if (lineEnd)
                endRecord(i);
            else if (c == ',') {
                endField();
                state = State::FieldStart;
            } else {
                if (c == '"')
                    table.strict = false;
                field += c;
            }
            break;
        case State::Quoted:
            if (c == '"')
                state = State::QuoteInQuoted;
            else
                field += c;
            break;
        case State::QuoteInQuoted:
            if (c == '"') {
                field += '"';
                state = State::Quoted;
            } else if (lineEnd)
                endRecord(i);
            else if (c == ',') {
                endField();
                state = State::FieldStart;
            } else {
                table.strict = false;
                field += c;
                state = State::Unquoted;
            }
            break;
        }
    }
    if (state != State::RecordStart) {
        // The last record has no line end (which the rules allow), or never closed its quotes.
        if (state == State::Quoted)
            table.strict = false;
        endField();
        table.records.push_back(record);
    }
    return table;
}

} // namespace defib::fuzz
