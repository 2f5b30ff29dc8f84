#include "app/localwebserver.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/process.h"

namespace qs {
namespace {

// The whole answer to one GET of path from host:port, or "" when nothing listens.
std::string HttpGet(int port, const std::string& path) {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  std::string answer;
  if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
    const std::string request = "GET " + path + " HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n";
    if (::write(fd, request.data(), request.size()) == static_cast<ssize_t>(request.size())) {
      char buffer[4096];
      for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
        answer.append(buffer, static_cast<std::size_t>(n));
    }
  }
  ::close(fd);
  return answer;
}

int PortOf(const std::string& url) {
  const std::size_t colon = url.rfind(':');
  return std::stoi(url.substr(colon + 1));
}

TEST(PhpWebServerTest, ServesItsFolderOnLoopbackRunsScriptsAndStops) {
  if (FindProgram("php").empty()) GTEST_SKIP() << "php is not installed";
  const std::filesystem::path root =
      std::filesystem::temp_directory_path() / ("quillon-php-" + std::to_string(::getpid()));
  std::filesystem::create_directories(root / "sub dir");
  std::ofstream(root / "sub dir" / "page.php") << "<?php echo 'sum=' . (40 + 2);";

  TPhpWebServer server;
  ASSERT_TRUE(server.Available());
  server.Start(root.string());
  ASSERT_TRUE(server.Running());
  EXPECT_EQ(server.Root(), root.string());
  ASSERT_EQ(server.Url().rfind("http://127.0.0.1:", 0), 0u) << server.Url();
  const int port = PortOf(server.Url());
  const std::string answer = HttpGet(port, "/sub%20dir/page.php");
  EXPECT_NE(answer.find("200 OK"), std::string::npos) << answer;
  EXPECT_NE(answer.find("sum=42"), std::string::npos) << answer;

  // Another folder: the old server goes, a new one serves the new folder.
  server.Start((root / "sub dir").string());
  const int second = PortOf(server.Url());
  EXPECT_NE(HttpGet(second, "/page.php").find("sum=42"), std::string::npos);
  EXPECT_EQ(HttpGet(port, "/sub%20dir/page.php"), "");

  server.Stop();
  EXPECT_FALSE(server.Running());
  EXPECT_EQ(HttpGet(second, "/page.php"), "");
  std::filesystem::remove_all(root);
}

}  // namespace
}  // namespace qs
