// Exceptions from window callbacks: the text the user is shown for each
// kind, and a delivery that throws reported instead of passed on.
#include <gtest/gtest.h>

#include <cerrno>
#include <new>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include "app/ErrorReport.h"
#include "base/ErrorText.h"

namespace orv {
namespace {

TEST(ErrorReport, ExceptionTextByKind) {
  EXPECT_EQ(ExceptionText(std::bad_alloc()), ErrorText(err::kOutOfMemory));
  EXPECT_EQ(ExceptionText(std::system_error(ENOENT, std::generic_category())), ErrorText(err::kFileNotFound));
  EXPECT_EQ(ExceptionText(std::system_error(EACCES, std::system_category())), ErrorText(ErrorCodeFromErrno(EACCES)));
  // Its own message, UTF-8 to the publication's code page.
  EXPECT_EQ(ExceptionText(std::runtime_error("Caf\xC3\xA9 closed")), "Caf\xE9 closed");
  // Nothing to say: nothing is shown.
  EXPECT_EQ(ExceptionText(std::runtime_error("")), "");
}

TEST(ErrorReport, ThrowingDeliveryIsReportedAndCountsAsNotHandled) {
  std::vector<std::string> reported;
  const auto report = [&](const std::exception& error) { reported.push_back(ExceptionText(error)); };
  EXPECT_TRUE(DeliverReportingErrors([] { return true; }, report));
  EXPECT_FALSE(DeliverReportingErrors([] { return false; }, report));
  EXPECT_TRUE(reported.empty());
  EXPECT_FALSE(DeliverReportingErrors([]() -> bool { throw std::bad_alloc(); }, report));
  EXPECT_FALSE(DeliverReportingErrors([]() -> bool { throw std::runtime_error("Boom"); }, report));
  EXPECT_EQ(reported, (std::vector<std::string>{ErrorText(err::kOutOfMemory), "Boom"}));
  // Without a reporter the exception is still kept from the event loop.
  EXPECT_FALSE(DeliverReportingErrors([]() -> bool { throw std::runtime_error("quiet"); }, nullptr));
}

}  // namespace
}  // namespace orv
