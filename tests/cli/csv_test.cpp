#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/csv.h"
#include "cli/line_reader.h"
#include "tests/cli/text_input.h"

namespace roccalc::cli {
namespace {

using Fields = std::vector<std::string>;

struct LinesCase {
    const char* name;
    std::string text;
    std::vector<std::string> lines;
};

class LineReaderTest : public testing::TestWithParam<LinesCase> {};

// Every line ending and a byte order mark read alike, with the right numbers.
TEST_P(LineReaderTest, ReadsLinesWithTheirNumbers) {
    TextInput input(GetParam().text);
    LineReader reader(input.fd());
    std::string line;
    std::vector<std::string> got;
    while (reader.next(line) == LineReader::Status::Line) {
        got.push_back(line);
        EXPECT_EQ(reader.lineNumber(), static_cast<long long>(got.size()));
    }
    EXPECT_EQ(got, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Endings, LineReaderTest,
    testing::Values(LinesCase{"LineFeed", "a\nb\n", {"a", "b"}},
                    LinesCase{"CrLf", "a\r\nb\r\n", {"a", "b"}},
                    LinesCase{"CrOnly", "a\rb\r\rc", {"a", "b", "", "c"}},
                    LinesCase{"Mixed", "a\r\n\nb\rc\n", {"a", "", "b", "c"}},
                    LinesCase{"ByteOrderMark", "\xEF\xBB\xBFText1=1\n", {"Text1=1"}},
                    LinesCase{"NoFinalBreak", "a", {"a"}}, LinesCase{"Empty", "", {}},
                    LinesCase{
                        "NulInsideALine", std::string("a\0b\n", 4), {std::string("a\0b", 3)}}),
    [](const testing::TestParamInfo<LinesCase>& info) { return std::string(info.param.name); });

TEST(LineReaderTest, CrLfSplitAcrossBuffersIsOneLineEnd) {
    const std::string first(64 * 1024 - 1, 'x');  // the '\r' ends the first buffer
    TextInput input(first + "\r\nnext\n");
    LineReader reader(input.fd());
    std::string line;
    ASSERT_EQ(reader.next(line), LineReader::Status::Line);
    EXPECT_EQ(line, first);
    ASSERT_EQ(reader.next(line), LineReader::Status::Line);
    EXPECT_EQ(line, "next");
    EXPECT_EQ(reader.lineNumber(), 2);
}

TEST(LineReaderTest, LineLongerThanOneMebibyteIsRefused) {
    TextInput fits(std::string(kLongestLine, '1') + "\n");
    std::string line;
    LineReader fitting(fits.fd());
    EXPECT_EQ(fitting.next(line), LineReader::Status::Line);

    TextInput tooLong("ok\n" + std::string(kLongestLine + 1, '1'));
    LineReader reader(tooLong.fd());
    EXPECT_EQ(reader.next(line), LineReader::Status::Line);
    EXPECT_EQ(reader.next(line), LineReader::Status::TooLong);
    EXPECT_EQ(reader.lineNumber(), 2);
}

struct CsvCase {
    const char* name;
    std::string text;
    std::vector<std::pair<long long, Fields>> records;  // line, fields
    bool malformed = false;
};

class CsvReaderTest : public testing::TestWithParam<CsvCase> {};

TEST_P(CsvReaderTest, ReadsRecordsWithTheirLines) {
    const CsvCase& c = GetParam();
    TextInput input(c.text);
    LineReader lines(input.fd());
    CsvReader reader(lines);
    Fields fields;
    long long line = 0;
    std::size_t index = 0;
    CsvReader::Status status;
    while ((status = reader.next(fields, line)) == CsvReader::Status::Record) {
        ASSERT_LT(index, c.records.size());
        EXPECT_EQ(line, c.records[index].first) << "record " << index;
        EXPECT_EQ(fields, c.records[index].second) << "record " << index;
        ++index;
    }
    EXPECT_EQ(index, c.records.size());
    EXPECT_EQ(status == CsvReader::Status::Malformed, c.malformed) << reader.error();
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, CsvReaderTest,
    testing::Values(
        CsvCase{"Plain", "pfa,pd\n1,90\n", {{1, {"pfa", "pd"}}, {2, {"1", "90"}}}},
        CsvCase{"CrLfAndBlankLines", "pfa\r\n\r\n1\r\n", {{1, {"pfa"}}, {3, {"1"}}}},
        CsvCase{"CrOnlyLineNumbers", "pfa\r\r1\r2\r", {{1, {"pfa"}}, {3, {"1"}}, {4, {"2"}}}},
        CsvCase{"QuotedCommaQuoteAndBreak",
                "\"1,5\",\"a\"\"b\",\"x\r\ny\"\nz\n",
                {{1, {"1,5", "a\"b", "x\ny"}}, {3, {"z"}}}},
        CsvCase{"BlankLineInsideQuotes", "\"a\n\nb\"\n", {{1, {"a\n\nb"}}}},
        CsvCase{"EmptyCells", ",,\n", {{1, {"", "", ""}}}},
        CsvCase{"NoFinalLineBreak", "1", {{1, {"1"}}}},
        CsvCase{"UnclosedQuote", "\"1\n", {}, true}),
    [](const testing::TestParamInfo<CsvCase>& info) { return std::string(info.param.name); });

TEST(CsvWriterTest, QuotesOnlyWhereNeededAndReadsBack) {
    for (const Fields& fields : {Fields{"1", "1,5", "say \"hi\"", "a\nb", ""}, Fields{""}}) {
        const std::string record = csvRecord(fields);
        TextInput input(record);
        LineReader lines(input.fd());
        CsvReader reader(lines);
        Fields back;
        long long line = 0;
        ASSERT_EQ(reader.next(back, line), CsvReader::Status::Record) << record;
        EXPECT_EQ(back, fields) << record;
    }
    EXPECT_EQ(csvRecord({"1", "1,5", "say \"hi\""}), "1,\"1,5\",\"say \"\"hi\"\"\"");
}

}  // namespace
}  // namespace roccalc::cli
