#include <gtest/gtest.h>

#include <QStringList>

#include "cli/csv.h"

namespace roccalc::cli {
namespace {

struct CsvCase {
    const char* name;
    const char* text;
    std::vector<std::pair<int, QStringList>> records;  // line, fields
    bool unclosed = false;
};

class CsvReaderTest : public testing::TestWithParam<CsvCase> {};

TEST_P(CsvReaderTest, ReadsRecordsWithTheirLines) {
    const CsvCase& c = GetParam();
    CsvReader reader(QString::fromUtf8(c.text));
    QStringList fields;
    int line = 0;
    std::size_t index = 0;
    while (reader.next(fields, line)) {
        ASSERT_LT(index, c.records.size());
        EXPECT_EQ(line, c.records[index].first) << "record " << index;
        EXPECT_EQ(fields, c.records[index].second) << "record " << index;
        ++index;
    }
    EXPECT_EQ(index, c.records.size());
    EXPECT_EQ(!reader.error().isEmpty(), c.unclosed);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, CsvReaderTest,
    testing::Values(CsvCase{"Plain", "pfa,pd\n1,90\n", {{1, {"pfa", "pd"}}, {2, {"1", "90"}}}},
                    CsvCase{"CrLfAndBlankLines", "pfa\r\n\r\n1\r\n", {{1, {"pfa"}}, {3, {"1"}}}},
                    CsvCase{"QuotedCommaQuoteAndBreak",
                            "\"1,5\",\"a\"\"b\",\"x\ny\"\nz\n",
                            {{1, {"1,5", "a\"b", "x\ny"}}, {3, {"z"}}}},
                    CsvCase{"EmptyCells", ",,\n", {{1, {"", "", ""}}}},
                    CsvCase{"NoFinalLineBreak", "1", {{1, {"1"}}}},
                    CsvCase{"UnclosedQuote", "\"1\n", {}, true}),
    [](const testing::TestParamInfo<CsvCase>& info) { return std::string(info.param.name); });

TEST(CsvWriterTest, QuotesOnlyWhereNeededAndReadsBack) {
    const QStringList fields{"1", "1,5", "say \"hi\"", "a\nb", ""};
    const QString record = csvRecord(fields);
    EXPECT_EQ(record, QStringLiteral("1,\"1,5\",\"say \"\"hi\"\"\",\"a\nb\","));
    CsvReader reader(record);
    QStringList back;
    int line = 0;
    ASSERT_TRUE(reader.next(back, line));
    EXPECT_EQ(back, fields);
}

}  // namespace
}  // namespace roccalc::cli
