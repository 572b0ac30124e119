// Running a helper program through its standard streams: megabytes both ways
// without the two programs waiting on each other, its status and its errors,
// a helper that reads nothing (no SIGPIPE for the caller), one that writes
// without end (killed at the limit), and one that is not there.
#include "platform/child_program.h"
#include "platform/system_files.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>

namespace zentara::system {
namespace {

constexpr std::size_t kLimit = 64u << 20;  // bytes

TEST(RunChildProgram, MegabytesThroughBothStreams) {
  std::string input(4u << 20, 'x');
  for (std::size_t i = 0; i < input.size(); i += 4096) input[i] = static_cast<char>('a' + i % 26);
  int error = 0;
  const auto run = RunChildProgram("/bin/cat", {}, input, kLimit, error);
  ASSERT_TRUE(run) << ErrorText(error);
  EXPECT_TRUE(run->exited);
  EXPECT_EQ(run->status, 0);
  EXPECT_TRUE(run->output == input) << "got " << run->output.size() << " bytes of " << input.size();
}

TEST(RunChildProgram, StatusAndErrorsOfTheHelper) {
  int error = 0;
  const auto run = RunChildProgram("/bin/sh", {"-c", "echo said >&2; echo out; exit 7"}, "", kLimit, error);
  ASSERT_TRUE(run);
  EXPECT_TRUE(run->exited);
  EXPECT_EQ(run->status, 7);
  EXPECT_EQ(run->output, "out\n");
  EXPECT_EQ(run->errors, "said\n");
}

TEST(RunChildProgram, AHelperThatReadsNothingCostsTheCallerNothing) {
  int error = 0;
  const auto run = RunChildProgram("/bin/true", {}, std::string(4u << 20, 'x'), kLimit, error);
  ASSERT_TRUE(run);
  EXPECT_TRUE(run->exited);
  EXPECT_EQ(run->status, 0);
}

TEST(RunChildProgram, OutputPastTheLimitEndsTheHelper) {
  int error = 0;
  const auto run = RunChildProgram("/usr/bin/yes", {}, "", 1u << 20, error);
  ASSERT_TRUE(run);
  EXPECT_FALSE(run->exited);
  EXPECT_EQ(run->status, SIGKILL);
}

TEST(RunChildProgram, AMissingHelperSaysSo) {
  int error = 0;
  EXPECT_FALSE(RunChildProgram("/nonexistent/helper", {}, "", kLimit, error));
  EXPECT_EQ(error, ENOENT);
}

}  // namespace
}  // namespace zentara::system
