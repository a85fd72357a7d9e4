#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <filesystem>
#include <set>
#include <sstream>

#include "CliRunner.h"
#include "cli/CalendarCommand.h"
#include "cli/CalendarListing.h"
#include "common/AppFolder.h"
#include "doc/CZodiacDoc.h"
#include "events/CalendarCsv.h"
#include "events/IcsCalendar.h"
#include "support/FakeSky.h"
#include "support/ScratchFolder.h"

namespace orvanta {
namespace {

using testing::FakeSky;
using testing::ScratchFolder;

struct CommandRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::vector<std::string> words(const std::string& text) {
    std::istringstream stream(text);
    std::vector<std::string> list;
    for (std::string word; stream >> word;) list.push_back(word);
    return list;
}

// The command in this process over a sky the test controls.
CommandRun runWith(const Ephemeris& sky, const std::string& arguments) {
    AppFolder::setOverride(ORVANTA_APP_DIR);
    std::ostringstream out;
    std::ostringstream err;
    const int code = cli::CalendarCommand::runOver(words(arguments), &sky, out, err);
    return {code, out.str(), err.str()};
}

double natalLongitude(int number) {
    AppFolder::setOverride(ORVANTA_APP_DIR);
    CZodiacDoc doc;
    EXPECT_TRUE(doc.open(ORVANTA_SAMPLE_MAP).loaded());
    return doc.natal().chart[number].longitude;
}

// The fake Sun a degree a day, 10 degrees short of the natal Sun at JD 2460000.5, which is
// 25 February 2023 00:00 UT (1970-01-01 is JD 2440587.5, 19413 days before): the conjunction
// falls on 7 March 2023 at 00:00 UT.
FakeSky sunSky() {
    FakeSky sky;
    sky.set(Bodies::Sun, natalLongitude(Bodies::Sun) - 10.0, 1.0);
    return sky;
}

const std::string kSample = ORVANTA_SAMPLE_MAP;

TEST(CalendarCommand, BadArgumentsExitTwoAndLeaveNoFile) {
    const FakeSky sky = sunSky();
    ScratchFolder folder;
    const std::string ics = (folder / "out.ics").string();
    // Each refusal says in Russian what is wrong.
    const std::pair<const char*, const char*> cases[] = {
        {"--from 10.5.2024 --to 9.5.2024", "раньше, чем начинается"},
        {"--from 1.1.2024 --to 1.2.2024 --bodies 1,17", "17 не номер планеты"},
        {"--from 1.1.1900 --to 1.1.2100", "период длиннее 200 лет"},  // a day over
        {"--from 1.1.2024 --to 1.2.2024 --aspects 77", "77 не угол"},
        {"--from 1.1.2024 --to 1.2.2024 --points 29", "только точки от 1 до 28"},
        {"--from 1.1.2024 --to 1.2.2024 --zone 3 --place Москва", "исключают друг друга"},
        {"--from 31.2.2024 --to 1.3.2024", "не дата от 1860 до 2130"},
        {"--from 1.1.2024 --to 1.2.2024 --zone 15", "не число часов"},
        {"--from 1.1.2024 --to 1.2.2024 --csv", "исключают друг друга"},  // with --ics
    };
    for (const auto& [arguments, message] : cases) {
        const CommandRun run = runWith(sky, kSample + " " + arguments + " --ics " + ics);
        EXPECT_EQ(run.exitCode, 2) << arguments;
        EXPECT_NE(run.err.find(std::string("orvanta-cli calendar: ")), std::string::npos)
            << arguments;
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(ics)) << arguments;
    }
    // Exactly 200 years is allowed.
    EXPECT_EQ(runWith(sky, kSample + " --from 1.1.1900 --to 31.12.2099 --bodies 1 --points 1 "
                                     "--aspects 0 --json")
                  .exitCode,
              0);
}

TEST(CalendarCommand, DamagedChartExitsOneAndLeavesNoFile) {
    const FakeSky sky = sunSky();
    ScratchFolder folder;
    ScratchFolder::write(folder / "bad.map", {1, 2, 3, 4, 5});
    const CommandRun run =
        runWith(sky, (folder / "bad.map").string() + " --from 1.3.2023 --to 2.3.2023 --ics " +
                         (folder / "out.ics").string());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(folder / "out.ics"));
}

TEST(CalendarCommand, JsonGivesEveryKeyInTimeOrderWithTheZonesLocalTime) {
    const FakeSky sky = sunSky();
    const CommandRun run = runWith(sky, kSample +
                                            " --from 1.3.2023 --to 31.3.2023 --bodies 1 --points 1 "
                                            "--aspects 0 --zone 3 --json");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const QJsonObject json = QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
    EXPECT_EQ(json["from"].toString(), "1.3.2023");
    EXPECT_EQ(json["to"].toString(), "31.3.2023");
    EXPECT_EQ(json["zone"].toString(), "UTC+03:00");
    const QJsonArray events = json["events"].toArray();
    double previous = 0.0;
    QJsonObject hit;
    for (const auto& value : events) {
        const QJsonObject event = value.toObject();
        EXPECT_GE(event["jd_ut"].toDouble(), previous);
        previous = event["jd_ut"].toDouble();
        if (event["kind"].toString() == "aspect") hit = event;
    }
    ASSERT_FALSE(hit.isEmpty());
    EXPECT_NEAR(hit["jd_ut"].toDouble(), 2460010.5, 1e-6);
    EXPECT_EQ(hit["ut"].toString(), "2023-03-07T00:00:00Z");
    EXPECT_EQ(hit["local"].toString(), "07.03.2023 03:00:00");
    EXPECT_EQ(hit["body"].toInt(), 1);
    EXPECT_EQ(hit["body_name"].toString(), "Солнце");
    EXPECT_EQ(hit["aspect"].toDouble(), 0.0);
    EXPECT_EQ(hit["point"].toInt(), 1);
    EXPECT_EQ(hit["point_name"].toString(), "Солнце");
    EXPECT_FALSE(hit["retrograde"].toBool());
    EXPECT_EQ(hit["pass"].toInt(), 1);
    EXPECT_EQ(hit["passes"].toInt(), 1);
    EXPECT_TRUE(hit["orb_from"].toString().endsWith(":00Z"));
    EXPECT_LT(hit["orb_from"].toString(), hit["ut"].toString());
    EXPECT_GT(hit["orb_to"].toString(), hit["ut"].toString());
}

TEST(CalendarCommand, CsvFieldsAreQuotedAsRfc4180Says) {
    const std::pair<const char*, const char*> fields[] = {
        {"Солнце", "Солнце"},
        {"a,b", "\"a,b\""},
        {"say \"R\"", "\"say \"\"R\"\"\""},
        {"two\r\nlines", "\"two\r\nlines\""},
    };
    for (const auto& [field, quoted] : fields) {
        EXPECT_EQ(CalendarCsv::field(field), quoted);
    }
}

TEST(CalendarCommand, IcsLinesFoldAtSeventyFiveOctetsWithoutCuttingACharacter) {
    std::string line = "DESCRIPTION:";
    for (int i = 0; i < 40; ++i) line += "Юпитер входит в Рак; ";
    const std::string folded = IcsCalendar::fold(line);
    std::string unfolded;
    for (std::size_t start = 0; start < folded.size();) {
        const std::size_t end = folded.find("\r\n", start);
        ASSERT_NE(end, std::string::npos);
        const std::string physical = folded.substr(start, end - start);
        EXPECT_LE(physical.size(), 75u);
        const std::string content = start == 0 ? physical : physical.substr(1);
        if (start != 0) {
            EXPECT_EQ(physical[0], ' ');
        }
        EXPECT_NE(static_cast<unsigned char>(content[0]) & 0xC0, 0x80);
        unfolded += content;
        start = end + 2;
    }
    EXPECT_EQ(unfolded, line);
}

// What python3-icalendar, the parser of common calendar tools, reads back from a file: the
// events' UIDs, starts and summaries, one line each. The system's Python, where the Debian
// package puts the module.
std::string parsedByIcalendar(const std::string& path) {
    const std::string script =
        "import sys, icalendar\n"
        "c = icalendar.Calendar.from_ical(open(sys.argv[1], 'rb').read())\n"
        "for e in c.walk('VEVENT'):\n"
        "    print(e['UID'], e.decoded('DTSTART').strftime('%Y-%m-%dT%H:%M:%S%z'), e['SUMMARY'])\n";
    ScratchFolder folder;
    std::ofstream(folder / "read.py") << script;
    const std::string command = "/usr/bin/python3 " + (folder / "read.py").string() + " " + path;
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    EXPECT_EQ(pclose(pipe), 0) << "python3-icalendar could not read " << path;
    return out;
}

TEST(CalendarCommand, IcsReadsBackWithARealParserAndKeepsItsUids) {
    const FakeSky sky = sunSky();
    ScratchFolder folder;
    const std::string arguments = kSample + " --from 1.3.2023 --to 31.3.2023 --bodies 1 --ics ";
    ASSERT_EQ(runWith(sky, arguments + (folder / "a.ics").string()).exitCode, 0);
    ASSERT_EQ(runWith(sky, arguments + (folder / "b.ics").string()).exitCode, 0);
    const std::string bytes = testing::readWholeFile((folder / "a.ics").string());
    EXPECT_EQ(bytes.rfind("BEGIN:VCALENDAR\r\n", 0), 0u);
    EXPECT_EQ(bytes.find('\n'), bytes.find("\r\n") + 1);

    const std::string first = parsedByIcalendar((folder / "a.ics").string());
    EXPECT_EQ(first, parsedByIcalendar((folder / "b.ics").string()));
    EXPECT_NE(first.find("2023-03-07T00:00:00+0000 Солнце ☌ Солнце"), std::string::npos) << first;

    const CommandRun json =
        runWith(sky, kSample + " --from 1.3.2023 --to 31.3.2023 --bodies 1 --json");
    const auto events =
        QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object()["events"].toArray();
    std::set<std::string> uids;
    std::istringstream lines(first);
    for (std::string line; std::getline(lines, line);) uids.insert(line.substr(0, line.find(' ')));
    EXPECT_EQ(uids.size(), static_cast<std::size_t>(events.size()));
}

// The program over the engine: Saturn's 2025 loop at the start of Aries, in Moscow's clock,
// which has stood at three hours ahead of Greenwich since October 2014. The CSV reaches the
// pipe with its CR LF line ends.
TEST(CalendarCommand, ProgramPrintsSaturnsLoopInTheClockOfAnAtlasPlace) {
    const auto run = testing::runCli("calendar " + kSample +
                                     " --from 1.1.2025 --to 1.6.2026 --bodies 7 --aspects 90 "
                                     "--place Москва --csv");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::istringstream lines(run.out);
    std::vector<std::string> ingresses;
    std::string line;
    std::getline(lines, line);
    for (; std::getline(lines, line);) {
        ASSERT_EQ(line.back(), '\r');
        std::vector<std::string> fields;
        std::istringstream record(line.substr(0, line.size() - 1));
        for (std::string field; std::getline(record, field, ',');) fields.push_back(field);
        ASSERT_GE(fields.size(), 6u) << line;
        // ut "2025-05-25T03:35:52Z" against local "25.05.2025 06:35:52".
        const int utHour = std::stoi(fields[1].substr(11, 2));
        const int localHour = std::stoi(fields[2].substr(11, 2));
        EXPECT_EQ((utHour + 3) % 24, localHour) << line;
        EXPECT_EQ(fields[1].substr(13, 6), fields[2].substr(13, 6)) << line;
        if (fields[0] == "ingress") ingresses.push_back(fields[5]);
    }
    const std::vector<std::string> expected = {"Сатурн входит в Овен", "Сатурн входит в Рыбы",
                                               "Сатурн входит в Овен"};
    EXPECT_EQ(ingresses, expected);
}

}  // namespace
}  // namespace orvanta
