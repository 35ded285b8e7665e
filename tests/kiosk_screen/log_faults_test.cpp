// Both logs when a write is cut short, through the real kiosk-host: a file system that fills up,
// a file-size limit, a record a power cut left half written. The kiosk writes a record to each
// log at every call here (a broken Sys.xml for the library's, an unknown template command for
// the invoice's); whatever happens, every log holds whole records only, and the next call's
// record begins a line of its own.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "platform/text/gbk.h"
#include "tests/kiosk_screen/kiosk_copy.h"

namespace iv {
namespace {

using test::RunCommand;

const std::string kRule(33, '-');

struct Log {
  const char *folder;
  const char *file;
  std::string stampPrefix;  // GBK
};
const Log kLogs[] = {{"Log", "Log/ErrorLog.txt", Gbk(u8"出错时间:")}, {"ErrorLog", "ErrorLog/Error.txt", Gbk(u8"时间:")}};

// Whole records an earlier day left, 4,060 bytes of them by default: no record of the kiosk's
// fits into the 36 bytes a 4 KiB file has left.
std::string EarlierRecords(const Log &log, std::size_t size = 4060) {
  const auto record = [&](const std::string &message) {
    return log.stampPrefix + "20261207--10:00:00\r\n" + message + "\r\n" + kRule + "\r\n";
  };
  std::string records;
  while (records.size() < 3900) records += record("an earlier record");
  return records + record(std::string(size - records.size() - record("").size(), 'x'));
}

// What is wrong with `content` read as records of three CR LF lines (a stamp line, a message,
// the rule); empty when each is whole. Counts the records in `count`.
std::string WholeRecordsProblem(const std::string &content, const Log &log, int &count) {
  count = 0;
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = content.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(content.substr(start, end - start));
  if (start != content.size()) return "it ends inside a line: " + content.substr(start);
  if (lines.size() % 3 != 0) return std::to_string(lines.size()) + " lines are no whole number of records";
  for (std::size_t at = 0; at < lines.size(); at += 3, ++count) {
    if (!lines[at].starts_with(log.stampPrefix)) return "line " + std::to_string(at + 1) + " is no stamp line";
    if (lines[at + 2] != kRule) return "line " + std::to_string(at + 3) + " is no rule";
  }
  return "";
}

class LogFaults : public ::testing::Test {
 protected:
  void SetUp() override {
    if (RunCommand("grep -qs wine '" + test::ProgramPath("IV_TEST_KIOSK_HOST", "") + "'").status == 0)
      GTEST_SKIP() << "wine writes files from its server, beyond this process's limits and namespaces";
    kiosk.Write("INI/Sys.xml", "<System><Computer></System>");
    std::string bill = kiosk.Read("INI/WaterBill.txt");
    bill.insert(bill.find("<FPT()>"), "<NOSUCHCOMMAND()>");
    kiosk.Write("INI/WaterBill.txt", bill);
  }
  // One call of kiosk-host, headless, behind `prepare` (shell commands in a mount namespace of
  // its own); the diagnostic stream goes to stream.txt.
  void Call(const std::string &prepare) {
    const std::string host = kiosk.HostCommand("WATER", "--headless --keys Escape");
    const std::string script = "cd " + kiosk.Path().string() + " && " + prepare +
                               " && INVOICEVIEW_DIAGNOSTICS=" + kiosk.Path("stream.txt").string() + " " + host;
    const auto run = RunCommand("unshare -rm bash -c '" + script + "'");
    ASSERT_EQ(run.status, 0) << script << "\n" << run.output << kiosk.Read("stderr.txt");
  }
  // The stream's distinct lines about records (UTF-8), in the order they first came.
  std::vector<std::string> RecordLines() const {
    std::vector<std::string> lines;
    std::istringstream stream(kiosk.Read("stream.txt"));
    for (std::string line; std::getline(stream, line);)
      if (line.find(": warning: record ") != std::string::npos && std::find(lines.begin(), lines.end(), line) == lines.end())
        lines.push_back(line);
    return lines;
  }
  // What the kiosk's call logs here (UTF-8): the library's record, then the invoice's.
  std::string LibraryMessage() const { return u8s(u8"配置文件 ") + kiosk.Path("INI/Sys.xml").string() + u8s(u8" ,格式有错,请检查"); }
  std::string InvoiceMessage() const {
    return kiosk.Path("INI/WaterBill.txt").string() + u8s(u8",不可识别的命令:NOSUCHCOMMAND");
  }
  std::string StreamLine(const std::string &file, const std::string &text) const {
    return "invoiceview: " + file + ": warning: record " + text;
  }
  static std::string u8s(const char8_t *text) { return reinterpret_cast<const char *>(text); }

  test::KioskCopy kiosk{"log-faults"};
};

TEST_F(LogFaults, ARecordThatDoesNotFitIsTakenBackAndTheNextOneIsWhole) {
  if (RunCommand("unshare -rm true").status != 0) GTEST_SKIP() << "no mount namespaces here";
  const struct {
    const char *fault;
    std::string cut;    // the shell commands that make the next record not fit
    std::string freed;  // and those that give room again
    const char *reason;
  } rows[] = {
      {"a full file system", "mount -t tmpfs -o size=4k tmpfs Log && mount -t tmpfs -o size=4k tmpfs ErrorLog",
       "mount -t tmpfs -o size=64k tmpfs Log && mount -t tmpfs -o size=64k tmpfs ErrorLog",
       "No space left on device"},
      // A limit of 4 KiB; its signal ignored, as a host that handles it itself would.
      {"a file-size limit", "trap \"\" XFSZ && ulimit -f 4", "true", "File too large"},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(row.fault);
    // The logs of the file systems mounted for the call are kept here between the calls.
    const std::string keep = "mkdir -p kept && ";
    const std::string restore = " && cp kept/Log.txt Log/ErrorLog.txt && cp kept/Error.txt ErrorLog/Error.txt";
    const std::string save = "cp Log/ErrorLog.txt kept/Log.txt; cp ErrorLog/Error.txt kept/Error.txt";
    for (const Log &log : kLogs) kiosk.Write(log.file, EarlierRecords(log));
    RunCommand("mkdir -p " + kiosk.Path("kept").string() + " && cp " + kiosk.Path(kLogs[0].file).string() + " " +
               kiosk.Path("kept/Log.txt").string() + " && cp " + kiosk.Path(kLogs[1].file).string() + " " +
               kiosk.Path("kept/Error.txt").string());
    kiosk.Remove("stream.txt");
    Call(keep + row.cut + restore + " && trap \"" + save + "\" EXIT");
    for (const Log &log : kLogs) {
      const std::string file = std::string("kept/") + (log.folder == std::string("Log") ? "Log.txt" : "Error.txt");
      EXPECT_EQ(kiosk.Read(file), EarlierRecords(log)) << log.file << ": the cut record was not taken back";
    }
    const std::string dropped = std::string("dropped, ") + row.reason + ": ";
    EXPECT_EQ(RecordLines(), (std::vector<std::string>{
                                 StreamLine("./Log/ErrorLog.txt", dropped + LibraryMessage()),
                                 StreamLine(kiosk.Path("ErrorLog/Error.txt").string(), dropped + InvoiceMessage())}));

    Call(keep + row.freed + restore + " && trap \"" + save + "\" EXIT");
    for (const Log &log : kLogs) {
      const std::string file = std::string("kept/") + (log.folder == std::string("Log") ? "Log.txt" : "Error.txt");
      const std::string content = kiosk.Read(file);
      int records = 0;
      EXPECT_EQ(WholeRecordsProblem(content, log, records), "") << log.file;
      EXPECT_GT(records, int(EarlierRecords(log).size() / 100)) << log.file << ": the next call wrote its record";
      EXPECT_TRUE(content.starts_with(EarlierRecords(log))) << log.file;
    }
  }
}

TEST_F(LogFaults, ARecordAPowerCutLeftHalfWrittenIsFollowedByAWholeOneOnALineOfItsOwn) {
  for (const Log &log : kLogs) {
    SCOPED_TRACE(log.file);
    // Cut within the stamp line, within the message, and after the message's line end.
    for (const std::string &cut : {log.stampPrefix + "2026120", log.stampPrefix + "20261207--10:00:00\r\nhalf a",
                                   log.stampPrefix + "20261207--10:00:00\r\nhalf a record\r\n"}) {
      kiosk.Write(log.file, EarlierRecords(log) + cut);
      Call("true");
      const std::string content = kiosk.Read(log.file);
      ASSERT_TRUE(content.starts_with(EarlierRecords(log) + cut));
      const std::string after = content.substr(EarlierRecords(log).size() + cut.size());
      const std::string rest = cut.ends_with("\r\n") ? after : after.substr(2);
      EXPECT_TRUE(cut.ends_with("\r\n") || after.starts_with("\r\n")) << "the new record begins its own line";
      int records = 0;
      EXPECT_EQ(WholeRecordsProblem(rest, log, records), "") << rest;
      EXPECT_GE(records, 1);
    }
  }
}

// A log the system lets grow but not shrink (append-only, as some audit setups keep them): a cut
// record cannot be taken back, so it stays, the stream says how much of it was written, and the
// next record begins a line of its own; with no room at all, nothing is written.
TEST_F(LogFaults, ACutThatCannotBeTakenBackStaysAndTheNextRecordBeginsItsOwnLine) {
  const Log &log = kLogs[1];
  const std::string file = kiosk.Path(log.file).string();
  if (::geteuid() != 0 || RunCommand("touch " + file + " && chattr +a " + file).status != 0)
    GTEST_SKIP() << "making a file append-only needs root and a file system with the attribute";
  RunCommand("chattr -a " + file);
  const struct {
    std::size_t before;  // bytes in the log; 4,096 under the limit
    std::size_t cut;     // of them, what the first record leaves
  } rows[] = {{4060, 36}, {4096, 0}};
  for (const auto &row : rows) {
    SCOPED_TRACE(row.before);
    const std::string earlier = EarlierRecords(log, row.before);
    kiosk.Write(log.file, earlier);
    RunCommand("chattr +a " + file);
    kiosk.Remove("stream.txt");
    Call("trap \"\" XFSZ && ulimit -f 4");
    const std::vector<std::string> underLimit = RecordLines();
    const std::string cutShort = kiosk.Read(log.file);
    Call("true");
    RunCommand("chattr -a " + file);

    const std::string content = kiosk.Read(log.file);
    ASSERT_TRUE(cutShort.starts_with(earlier));
    ASSERT_EQ(cutShort.size(), earlier.size() + row.cut);
    ASSERT_TRUE(content.starts_with(cutShort + (row.cut == 0 ? "" : "\r\n")));
    const std::string after = content.substr(cutShort.size() + (row.cut == 0 ? 0 : 2));
    int records = 0;
    EXPECT_EQ(WholeRecordsProblem(after, log, records), "") << after;
    EXPECT_GE(records, 1);
    const std::size_t recordSize = after.find(kRule) + kRule.size() + 2;
    const std::string place = kiosk.Path(log.file).string();
    std::vector<std::string> expected;
    if (row.cut != 0)
      expected.push_back(StreamLine(place, "cut short after " + std::to_string(row.cut) + " of " +
                                               std::to_string(recordSize) + " bytes, File too large, and the cut "
                                               "part could not be taken back (the next record starts on a line of "
                                               "its own): " + InvoiceMessage()));
    expected.push_back(StreamLine(place, "dropped, File too large: " + InvoiceMessage()));
    EXPECT_EQ(underLimit, expected);
  }
}

}  // namespace
}  // namespace iv
