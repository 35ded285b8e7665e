#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <csignal>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "config/error_log.h"
#include "invoice/invoice_error_log.h"
#include "platform/fs/paths.h"
#include "tests/platform/temp_folder.h"

namespace iv {
namespace {

const std::string kLibraryStamp = "\xB3\xF6\xB4\xED\xCA\xB1\xBC\xE4:";  // 出错时间: in GBK
const std::string kInvoiceStamp = "\xCA\xB1\xBC\xE4:";                  // 时间:
const std::string kRule(33, '-');
const std::string kStamp = "<stamp>";

// "YYYYMMDD--hh:nn:ss" with each field in its range.
bool IsStamp(std::string_view stamp) {
  static constexpr std::string_view kShape = "99999999--99:99:99";
  if (stamp.size() != kShape.size()) return false;
  for (std::size_t i = 0; i < kShape.size(); ++i)
    if (kShape[i] == '9' ? stamp[i] < '0' || stamp[i] > '9' : stamp[i] != kShape[i]) return false;
  const auto field = [&](std::size_t pos) { return (stamp[pos] - '0') * 10 + (stamp[pos + 1] - '0'); };
  return field(4) >= 1 && field(4) <= 12 && field(6) >= 1 && field(6) <= 31 && field(10) < 24 &&
         field(13) < 60 && field(16) < 60;
}

// The local time now in the stamp's form, written by strftime; such texts sort as their times.
std::string LocalTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y%m%d--%H:%M:%S", &local);
  return text;
}

// Each test runs in a fresh kiosk folder as its current directory.
class LogTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(chdir(folder_.Path().c_str()), 0); }
  void TearDown() override { ASSERT_EQ(chdir(previous_.c_str()), 0); }

  // The CR LF lines of `content`; every stamp line is checked, also for a time between the
  // test's start and now, and shown as kStamp.
  std::vector<std::string> Lines(std::string_view content, const std::string &stampPrefix) const {
    const std::string now = LocalTimeNow();
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = content.find("\r\n", start)) != std::string::npos; start = end + 2) {
      std::string line(content.substr(start, end - start));
      if (line.starts_with(stampPrefix)) {
        const std::string stamp = line.substr(stampPrefix.size());
        if (IsStamp(stamp) && started_ <= stamp && stamp <= now) line = kStamp;
      }
      lines.push_back(line);
    }
    EXPECT_EQ(start, content.size()) << "text after the last CR LF";
    return lines;
  }

  std::string previous_ = CurrentDirectory();
  const std::string started_ = LocalTimeNow();
  testing::TempFolder folder_;
};

using LibraryLogTest = LogTest;
using InvoiceLogTest = LogTest;

TEST_F(LibraryLogTest, WithoutLogFolderNothingIsWrittenYetTheCallSucceeds) {
  EXPECT_TRUE(WriteErrorLog("lost"));
  EXPECT_TRUE(std::filesystem::is_empty(folder_.Path()));
}

TEST_F(LibraryLogTest, RecordsAreThreeLinesAppendedOneAfterAnother) {
  std::filesystem::create_directory("Log");
  EXPECT_TRUE(WriteErrorLog("first"));
  EXPECT_TRUE(WriteErrorLog("two\r\nlines"));
  EXPECT_TRUE(WriteErrorLog(""));
  EXPECT_EQ(
      Lines(folder_.Read("Log/ErrorLog.txt"), kLibraryStamp),
      (std::vector<std::string>{kStamp, "first", kRule, kStamp, "two", "lines", kRule, kStamp, "", kRule}));
}

TEST_F(LibraryLogTest, StartsAfreshOnceTheFileReaches51200Bytes) {
  // Whole lines, as a log holds them: one byte short of the limit.
  const std::string shortByOne = std::string(51197, 'x') + "\r\n";
  folder_.Write("Log/ErrorLog.txt", shortByOne);
  WriteErrorLog("appended");
  const std::string appended = folder_.Read("Log/ErrorLog.txt");
  ASSERT_TRUE(appended.starts_with(shortByOne));
  EXPECT_EQ(Lines(appended.substr(shortByOne.size()), kLibraryStamp),
            (std::vector<std::string>{kStamp, "appended", kRule}));

  folder_.Write("Log/ErrorLog.txt", std::string(51200, 'x'));
  WriteErrorLog("afresh");
  EXPECT_EQ(Lines(folder_.Read("Log/ErrorLog.txt"), kLibraryStamp),
            (std::vector<std::string>{kStamp, "afresh", kRule}));
}

TEST_F(LibraryLogTest, FindsALogFolderOfOtherLetterCase) {
  std::filesystem::create_directory("LOG");
  WriteErrorLog("m");
  EXPECT_EQ(Lines(folder_.Read("LOG/ErrorLog.txt"), kLibraryStamp),
            (std::vector<std::string>{kStamp, "m", kRule}));
}

TEST_F(InvoiceLogTest, WithoutErrorLogFolderTheEntryIsLostAndReportedSo) {
  EXPECT_FALSE(LogInvoiceError("lost"));
  EXPECT_TRUE(std::filesystem::is_empty(folder_.Path()));
}

TEST_F(InvoiceLogTest, EntriesAreThreeLinesAppendedWithoutLimit) {
  const std::string large = std::string(59998, 'x') + "\r\n";
  folder_.Write("ErrorLog/Error.txt", large);
  const std::string message = "a.ini,\xB2\xBB\xBF\xC9";  // GBK text goes out unchanged
  EXPECT_TRUE(LogInvoiceError(message));
  EXPECT_TRUE(LogInvoiceError("two\r\nlines"));
  EXPECT_TRUE(LogInvoiceError(""));
  const std::string content = folder_.Read("ErrorLog/Error.txt");
  ASSERT_TRUE(content.starts_with(large));
  EXPECT_EQ(
      Lines(content.substr(large.size()), kInvoiceStamp),
      (std::vector<std::string>{kStamp, message, kRule, kStamp, "two", "lines", kRule, kStamp, "", kRule}));
}

// A record that does not fit under the process's file-size limit (its signal ignored, as a host
// that handles it would), written by a child process that has the limit: the file keeps exactly
// what it held, or, started afresh, holds nothing; the invoice's writer says the record was lost.
TEST_F(LogTest, ARecordThatDoesNotFitUnderASizeLimitIsTakenBackWhole) {
  const std::string lines = std::string(998, 'x') + "\r\n";  // 1,000 bytes of whole lines
  const std::string message(200, 'm');                     // a record of some 270 bytes
  enum class Outcome { kUnchanged, kAppended, kEmptied };
  const struct {
    const char *writer;
    std::string before;
    rlim_t limit;
    Outcome outcome;
    bool answer;  // what the writer returns
  } rows[] = {
      {"invoice", lines, 1100, Outcome::kUnchanged, false},
      {"invoice", lines, 2000, Outcome::kAppended, true},
      {"library", lines, 1100, Outcome::kUnchanged, true},  // the library's writer answers true always
      {"library", std::string(51200, 'x'), 100, Outcome::kEmptied, true},  // started afresh
  };
  for (const auto &row : rows) {
    const bool invoice = row.writer == std::string("invoice");
    const std::string file = invoice ? "ErrorLog/Error.txt" : "Log/ErrorLog.txt";
    SCOPED_TRACE(std::string(row.writer) + ", limit " + std::to_string(row.limit));
    folder_.Write(file, row.before);
    const pid_t child = fork();
    if (child == 0) {
      std::signal(SIGXFSZ, SIG_IGN);
      const rlimit limit{row.limit, row.limit};
      setrlimit(RLIMIT_FSIZE, &limit);
      _exit((invoice ? LogInvoiceError(message) : WriteErrorLog(message)) ? 0 : 1);
    }
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_EQ(WIFEXITED(status) && WEXITSTATUS(status) == 0, row.answer);
    const std::string content = folder_.Read(file);
    if (row.outcome == Outcome::kUnchanged) {
      EXPECT_EQ(content, row.before);
    } else if (row.outcome == Outcome::kEmptied) {
      EXPECT_EQ(content, "");
    } else {
      ASSERT_TRUE(content.starts_with(row.before));
      EXPECT_EQ(Lines(content.substr(row.before.size()), kInvoiceStamp),
                (std::vector<std::string>{kStamp, message, kRule}));
    }
  }
}

}  // namespace
}  // namespace iv
