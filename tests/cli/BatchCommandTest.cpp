#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "CliRunner.h"

namespace orvanta {
namespace {

using testing::runCli;

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) result.push_back(line);
    return result;
}

std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> result;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, ';');) result.push_back(field);
    if (!line.empty() && line.back() == ';') result.emplace_back();
    return result;
}

class BatchCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/orvanta-batch-XXXXXX";
        folder_ = mkdtemp(pattern);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string write(const std::string& name, const std::string& text) {
        const auto path = (folder_ / name).string();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    std::filesystem::path folder_;
};

// Each good record with the chart command options that describe the same birth.
struct Birth {
    std::string line;
    std::string chartOptions;
};

const std::vector<Birth> kGood = {
    {"Москва;12.04.1961;09:07;3;55.75;37.6167",
     "--date 12.04.1961 --time 09:07 --zone 3 --lat 55.75 --lon 37.6167"},
    {"Kathmandu;01.01.2000;00:00;+5:45;27.7;85.3;Koch",
     "--date 01.01.2000 --time 00:00 --zone 5.75 --lat 27.7 --lon 85.3 --houses Koch"},
    {"Caracas;31.12.1999;23:59;-4;10.5;-66.9167;Regiomontanus",
     "--date 31.12.1999 --time 23:59 --zone -4 --lat 10.5 --lon -66.9167 --houses Regiomontanus"},
    {"St. John's;29.02.1988;24:00;-2:30;47.56;-52.71;none",
     "--date 29.02.1988 --time 24:00 --zone -2.5 --lat 47.56 --lon -52.71 --houses none"},
    {"Sydney;15.07.2030;06:15;10;-33.87;151.21;Whole",
     "--date 15.07.2030 --time 06:15 --zone 10 --lat -33.87 --lon 151.21 --houses Whole"},
    {"Greenwich;21.03.1900;12:00;0;51,48;0",
     "--date 21.03.1900 --time 12:00 --zone 0 --lat 51.48 --lon 0"},
};

// Lines that give no chart, with the field the error line must name.
const std::vector<std::pair<std::string, std::string>> kBad = {
    {"Impossible;31.02.1990;12:00;3;55;37", "дата"},
    {"Beyond the pole;01.02.1990;12:00;3;91;37", "широта"},
    {"Polar;01.02.1990;12:00;3;69.5;33;Placidus", "широта"},
    {"Bad number;01.02.1990;12:00;3;55;3x7", "долгота"},
};

TEST_F(BatchCommandTest, JsonLinesEqualTheChartCommandRecordByRecord) {
    // A header, comments, the good and the bad records interleaved.
    std::string input = "name;date;time;zone;lat;lon;houses\n# clients\n";
    std::vector<int> kinds;  // index into kGood, or -1 - index into kBad
    for (std::size_t i = 0; i < kGood.size(); ++i) {
        input += kGood[i].line + "\n";
        kinds.push_back(static_cast<int>(i));
        if (i < kBad.size()) {
            input += kBad[i].first + "\r\n\n";
            kinds.push_back(-1 - static_cast<int>(i));
        }
    }
    const auto file = write("mixed.csv", input);
    const auto result = runCli("batch " + file + " --json-lines");
    EXPECT_EQ(result.exitCode, 1) << "bad lines make the exit code 1";
    const auto out = lines(result.out);
    ASSERT_EQ(out.size(), kinds.size()) << result.out;

    const auto errors = lines(result.err);
    ASSERT_EQ(errors.size(), kBad.size()) << result.err;
    const auto inputLines = lines(input);
    for (std::size_t k = 0; k < kinds.size(); ++k) {
        if (kinds[k] >= 0) {
            const auto& birth = kGood[static_cast<std::size_t>(kinds[k])];
            const auto chart = runCli("chart " + birth.chartOptions + " --json");
            ASSERT_EQ(chart.exitCode, 0) << chart.err;
            const std::string name = birth.line.substr(0, birth.line.find(';'));
            // {"name":"…","objects":[…]} against {"objects":[…]}
            EXPECT_EQ(out[k],
                      "{\"name\":\"" + name + "\"," + chart.out.substr(1, chart.out.size() - 2))
                << birth.line;
            continue;
        }
        const auto& [line, field] = kBad[static_cast<std::size_t>(-1 - kinds[k])];
        const std::string name = line.substr(0, line.find(';'));
        EXPECT_EQ(out[k].find("{\"name\":\"" + name + "\",\"error\":"), 0u) << out[k];
        EXPECT_NE(out[k].find("\"objects\":[]"), std::string::npos) << out[k];
        // The error line names the line number in the file (from 1, header and comments counted).
        std::size_t number = 0;
        while (inputLines[number].rfind(line, 0) != 0) ++number;
        const std::string expected = "строка " + std::to_string(number + 1) + ": " + field + ":";
        const auto& error = errors[static_cast<std::size_t>(-1 - kinds[k])];
        EXPECT_NE(error.find(expected), std::string::npos) << error << " wants " << expected;
    }
}

TEST_F(BatchCommandTest, CsvCarriesLongitudesAndRetrogradeFlagsOfTheChart) {
    const auto file = write("good.csv", kGood[1].line + "\n" + kGood[3].line + "\n");
    const auto result = runCli("batch " + file);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto out = lines(result.out);
    ASSERT_EQ(out.size(), 3u);
    // name, then longitude and flag of 16 bodies and 12 cusps.
    const auto header = fields(out[0]);
    ASSERT_EQ(header.size(), 57u);
    EXPECT_EQ(header[1], "Солнце");
    EXPECT_EQ(header[2], "Солнце R");
    EXPECT_EQ(header[33], "Дом 1");
    for (int record : {1, 3}) {
        const auto row = fields(out[record == 1 ? 1 : 2]);
        ASSERT_EQ(row.size(), 57u) << out[record == 1 ? 1 : 2];
        const auto chart =
            runCli("chart " + kGood[static_cast<std::size_t>(record)].chartOptions + " --json");
        const auto json = chart.out;
        std::size_t at = 0;
        for (int number = 1; number <= 28; ++number) {
            const auto& longitude = row[static_cast<std::size_t>(2 * number - 1)];
            const auto& flag = row[static_cast<std::size_t>(2 * number)];
            at = json.find("\"number\":" + std::to_string(number) + ",", at);
            if (at == std::string::npos) {
                // The houseless record leaves the cusps empty.
                EXPECT_TRUE(longitude.empty() && flag.empty()) << number;
                continue;
            }
            const auto lonAt = json.find("\"longitude\":", at) + 12;
            EXPECT_NEAR(std::stod(longitude), std::stod(json.substr(lonAt, 30)), 5e-7) << number;
            const auto rAt = json.find("\"retrograde\":", at) + 13;
            EXPECT_EQ(flag, json.substr(rAt, 1)) << number;
        }
    }
}

TEST_F(BatchCommandTest, OutputFileStandardInputAndUsage) {
    const auto out = (folder_ / "out.csv").string();
    const auto result =
        runCli("batch - --houses none -o " + out + " < " + write("in.csv", kGood[0].line + "\n"));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(result.out.empty());
    const auto written = lines(testing::readWholeFile(out));
    ASSERT_EQ(written.size(), 2u);
    // --houses none: the 24 cusp fields stay empty.
    EXPECT_EQ(written[1].substr(written[1].size() - 24), std::string(24, ';'));
    EXPECT_EQ(runCli("batch --houses Nowhere").exitCode, 2);
    EXPECT_EQ(runCli("batch " + (folder_ / "missing.csv").string()).exitCode, 1);
    // A folder opens as a stream but fails on the first read: refused, nothing written.
    const auto fromFolder = runCli("batch " + folder_.string() + " -o " + out + ".new");
    EXPECT_EQ(fromFolder.exitCode, 1);
    EXPECT_NE(fromFolder.err.find("не удалось прочитать"), std::string::npos) << fromFolder.err;
    EXPECT_FALSE(std::filesystem::exists(out + ".new"));
}

// The rows of a CSV file as Python's csv module reads them: a reader other than ours decides
// where fields end. Each row comes back as one line, its fields joined by the unit separator.
std::vector<std::vector<std::string>> readWithPythonCsv(const std::string& file) {
    std::ofstream(file + ".py")
        << "import csv,sys\n"
           "for row in csv.reader(open(sys.argv[1], encoding='utf-8', newline=''), "
           "delimiter=';'):\n"
           "    print('\\x1f'.join(f.replace('\\n', '<LF>') for f in row))\n";
    FILE* pipe = popen(("python3 " + file + ".py " + file).c_str(), "r");
    std::string text;
    char buffer[4096];
    for (std::size_t n; pipe != nullptr && (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        text.append(buffer, n);
    }
    if (pipe != nullptr) pclose(pipe);
    std::vector<std::vector<std::string>> rows;
    for (const auto& line : lines(text)) {
        rows.emplace_back();
        std::istringstream in(line);
        for (std::string field; std::getline(in, field, '\x1f');) rows.back().push_back(field);
        if (!line.empty() && line.back() == '\x1f') rows.back().emplace_back();
    }
    return rows;
}

TEST_F(BatchCommandTest, NamesAreQuotedAndKeptFromBecomingFormulas) {
    // The names a CSV reader or a spreadsheet would misread, and what each must read back as.
    const std::vector<std::pair<std::string, std::string>> names = {
        {"Анна \"Аня\" Петрова", "Анна \"Аня\" Петрова"},
        {"=HYPERLINK(\"http://x\")", "'=HYPERLINK(\"http://x\")"},
        {"+7 999", "'+7 999"},
        {"-1+2", "'-1+2"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"Plain", "Plain"},
    };
    std::string input = "name;date;time;zone;lat;lon\n";
    for (const auto& [name, shown] : names) input += name + ";15.06.1990;14:30;3;55.75;37.62\n";
    const auto out = (folder_ / "out.csv").string();
    ASSERT_EQ(runCli("batch " + write("names.csv", input) + " -o " + out).exitCode, 0);
    const auto rows = readWithPythonCsv(out);
    ASSERT_EQ(rows.size(), names.size() + 1) << testing::readWholeFile(out);
    for (std::size_t i = 0; i < names.size(); ++i) {
        ASSERT_EQ(rows[i + 1].size(), 57u) << names[i].first;
        EXPECT_EQ(rows[i + 1][0], names[i].second);
    }
}

TEST_F(BatchCommandTest, OnlyTheExactHeaderIsSkippedAndZonesReadAsChartReadsThem) {
    const auto result = runCli(
        "batch " + write("first.csv", "Анна;дата;14:30;3;55.75;37.62\n" + kGood[0].line + "\n"));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("строка 1: дата:"), std::string::npos) << result.err;
    EXPECT_EQ(lines(result.out).size(), 3u) << "the header, the empty record, the chart";

    const auto twoSigns = runCli("batch " + write("signs.csv", "A;15.06.1990;14:30;+-3;55;37\n"));
    EXPECT_NE(twoSigns.err.find("строка 1: пояс:"), std::string::npos) << twoSigns.err;
    const std::string chart = "chart --date 01.01.2000 --time 00:00 --lat 27.7 --lon 85.3 --zone ";
    EXPECT_EQ(runCli(chart + "5:45").out, runCli(chart + "5.75").out);
    EXPECT_EQ(runCli(chart + "-2:30").out, runCli(chart + "-2.5").out);
    EXPECT_EQ(runCli(chart + "5:45").exitCode, 0);
    for (const char* bad : {"+-3", "5:75", "3:", "--3"}) {
        EXPECT_EQ(runCli(chart + bad).exitCode, 2) << bad;
    }
}

// Peak memory of the largest child process run so far.
long childPeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_maxrss;
}

TEST_F(BatchCommandTest, HundredThousandLinesInFlatMemory) {
    const auto makeInput = [this](int count) {
        const auto path = (folder_ / ("in" + std::to_string(count) + ".csv")).string();
        std::ofstream file(path);
        for (int i = 0; i < count; ++i) {
            file << "Client " << i << ";" << 1 + i % 28 << "." << 1 + i % 12 << "."
                 << 1900 + i % 200 << ";" << i % 24 << ":" << i % 60 << ";" << (i % 25) - 12 << ";"
                 << (i % 120) - 60 << "." << i % 100 << ";" << (i % 360) - 180
                 << (i % 997 == 0 ? "x" : "") << "\n";
        }
        return path;
    };
    // Under AddressSanitizer freed memory waits in a quarantine that would grow with the run
    // (an allocator setting, not the program's memory); the run here measures the program's.
    const std::string sanitizer =
        "ASAN_OPTIONS=\"$ASAN_OPTIONS:quarantine_size_mb=0:fast_unwind_on_malloc=1\"";
    const auto small = runCli("batch " + makeInput(1000) + " > /dev/null", sanitizer);
    ASSERT_EQ(small.exitCode, 1) << "line 1 (i = 0) has a bad longitude";
    const long smallPeak = childPeakKilobytes();
    const auto large = runCli("batch " + makeInput(100000) + " > /dev/null", sanitizer);
    ASSERT_EQ(large.exitCode, 1);
    // Every 997th line is bad: 101 of them, each reported.
    EXPECT_EQ(lines(large.err).size(), 101u);
    const long largePeak = childPeakKilobytes();
    // A hundred times the lines (some 5 MB in, 50 MB out) in the memory of a thousand.
    EXPECT_LT(largePeak, smallPeak + 4096) << smallPeak << " kB for 1,000 lines";
}

}  // namespace
}  // namespace orvanta
