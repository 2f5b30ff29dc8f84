// A web server the program starts for itself when the user has none mapped:
// PHP's built-in server on a free loopback port over one folder, for as long
// as the program runs or until another folder is needed.
#pragma once

#include <sys/types.h>

#include <string>

namespace qs {

class ILocalWebServer {
 public:
  virtual ~ILocalWebServer() = default;
  // Whether a server can be started on this machine at all.
  [[nodiscard]] virtual bool Available() const = 0;
  [[nodiscard]] virtual bool Running() const = 0;
  // The folder served and the address it is served at ("http://127.0.0.1:port/");
  // empty while not running.
  [[nodiscard]] virtual const std::string& Root() const = 0;
  [[nodiscard]] virtual const std::string& Url() const = 0;
  // Serves root, stopping a server over another folder first. Throws
  // qs::Error when the server does not start.
  virtual void Start(const std::string& root) = 0;
  virtual void Stop() noexcept = 0;
};

class TPhpWebServer final : public ILocalWebServer {
 public:
  TPhpWebServer() = default;
  ~TPhpWebServer() override { Stop(); }
  TPhpWebServer(const TPhpWebServer&) = delete;
  TPhpWebServer& operator=(const TPhpWebServer&) = delete;

  bool Available() const override;
  bool Running() const override { return m_pid > 0; }
  const std::string& Root() const override { return m_root; }
  const std::string& Url() const override { return m_url; }
  void Start(const std::string& root) override;
  void Stop() noexcept override;

 private:
  pid_t m_pid = 0;
  std::string m_root;
  std::string m_url;
};

}  // namespace qs
