#include <algorithm>

#include "cli/blanks.h"
#include "cli/csv.h"
#include "cli/diagnostics.h"
#include "cli/exit_status.h"
#include "cli/input.h"
#include "cli/modes.h"
#include "cli/refusals.h"
#include "cli/session_view.h"
#include "detection/exact_theory.h"
#include "detection/memory_form1.h"
#include "text/number_text.h"

namespace roccalc::cli {
namespace {

std::string inputColumns() {
    std::string columns;
    for (const TextBox box : kTextBoxesInWindowOrder) {
        if (!columns.empty()) {
            columns += ',';
        }
        columns += field(box).key;
    }
    return columns;
}

// A caption as a cell: without the leading blanks of its pattern.
std::string cell(const std::string& caption) {
    const std::size_t first = caption.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : caption.substr(first);
}

// Checks the header: known columns, none twice, and the boxes of one
// calculation together (section 3 reads both band and rc). The problem in
// words, or none.
std::optional<std::string> headerProblem(const std::vector<std::string>& header,
                                         std::vector<TextBox>& boxes) {
    for (const std::string& column : header) {
        const auto box = textBoxWithKey(column);
        if (!box || std::count(header.begin(), header.end(), column) > 1) {
            return "column " + quoted(column) +
                   " is unknown or repeated (known: " + inputColumns() + ")";
        }
        boxes.push_back(*box);
    }
    for (const TextBox box : boxes) {
        for (const TextBoxField& other : kTextBoxFields) {
            if (other.calculation == field(box).calculation &&
                std::find(boxes.begin(), boxes.end(), other.box) == boxes.end()) {
                return "column \"" + std::string(field(box).key) + "\" needs the column \"" +
                       std::string(other.key) + "\" too: their section reads both";
            }
        }
    }
    return std::nullopt;
}

}  // namespace

int runBatch(const Options& options, Output& out) {
    const int fd = openInput(options.path);
    if (fd < 0) {
        return kExitUsage;
    }
    const std::string name = inputName(options.path);
    LineReader lines(fd);
    CsvReader reader(lines);
    auto malformed = [&] {
        printDiagnostic(name + ':' + std::to_string(reader.errorLine()) + ": " + reader.error());
        closeInput(fd);
        return kExitUsage;
    };

    std::vector<std::string> header;
    long long line = 0;
    const CsvReader::Status first = reader.next(header, line);
    if (first == CsvReader::Status::Malformed) {
        return malformed();
    }
    if (first == CsvReader::Status::End) {
        printDiagnostic(name + ": no header line");
        closeInput(fd);
        return kExitUsage;
    }
    for (std::string& column : header) {
        column = std::string(trimBlanks(column));
    }
    std::vector<TextBox> boxes;
    if (const auto problem = headerProblem(header, boxes)) {
        printDiagnostic(name + ':' + std::to_string(line) + ": " + *problem);
        closeInput(fd);
        return kExitUsage;
    }
    std::vector<std::string> record = header;
    for (const ResultLabelField& row : kResultLabelFields) {
        record.emplace_back(row.column);
    }
    if (options.exact) {
        for (const ExactField& row : kExactFields) {
            record.emplace_back(row.column);
        }
    }
    out.writeLine(csvRecord(record));
    // Exact values in full: '.' for the point unless --separator says otherwise.
    const std::string exactSeparator = options.separatorGiven ? options.separator : ".";

    int status = kExitOk;
    std::vector<std::string> fields;
    CsvReader::Status read;
    while (!out.failed() && (read = reader.next(fields, line)) == CsvReader::Status::Record) {
        const std::string at = name + ':' + std::to_string(line) + ": ";
        if (fields.size() != header.size()) {
            printDiagnostic(at + "the row has " + std::to_string(fields.size()) +
                            " cells, the header " + std::to_string(header.size()));
            closeInput(fd);
            return kExitUsage;
        }
        auto where = [&](TextBox box) { return at + std::string(field(box).key); };
        SessionTexts texts;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (!fields[i].empty()) {
                texts[boxes[i]] = fields[i];
                warnIfPartlyRead(where(boxes[i]), fields[i]);
            }
        }
        MemoryForm1 form;
        Calculator calculator(form, options.separator);
        runSession(texts, form, calculator, [&](Calculation calculation) {
            for (const std::string& refusal :
                 explainCalculation(calculation, texts, calculator, where)) {
                printDiagnostic(refusal);
                status = kExitRefused;
            }
        });
        record = std::move(fields);
        for (const ResultLabelField& row : kResultLabelFields) {
            record.push_back(texts.runs(row.calculation) ? cell(form.caption(row.label))
                                                         : std::string());
        }
        if (options.exact) {
            for (const std::optional<double>& value : exactValues(form, calculator)) {
                record.push_back(value ? shortestNumber(*value, exactSeparator) : std::string());
            }
        }
        out.writeLine(csvRecord(record));
    }
    if (!out.failed() && read == CsvReader::Status::Malformed) {
        return malformed();
    }
    closeInput(fd);
    return status;
}

}  // namespace roccalc::cli
