#include "app/previewpaths.h"

#include <gtest/gtest.h>

namespace qs {
namespace {

TEST(PreviewPathsTest, InsideAFolderIsDecidedByWholeComponents) {
  struct Row {
    const char* path;
    const char* folder;
    bool inside;
  };
  const Row rows[] = {
      {"/var/www/site/a.php", "/var/www/", true},
      {"/var/www/site", "/var/www", true},
      {"/var/www", "/var/www/", true},
      {"/var/www2/a.php", "/var/www", false},
      {"/var/www-old/a.php", "/var/www/", false},
      {"/srv/var/www/a.php", "/var/www", false},
      {"/var/www/../secret/a.php", "/var/www", false},
      {"/var/www/./site/../a.php", "/var/www", true},
      {"/var/WWW/a.php", "/var/www", false},
      {"/anything", "/", true},
  };
  for (const Row& row : rows)
    EXPECT_EQ(IsInsideFolder(row.path, row.folder), row.inside) << row.path << " in " << row.folder;
}

TEST(PreviewPathsTest, AddressesKeepEveryCharacterOfTheNameInThePath) {
  EXPECT_EQ(EncodedFileUrl("/home/me/my site/#1 100%?.html"),
            "file:///home/me/my%20site/%231%20100%25%3F.html");
  EXPECT_EQ(EncodedFileUrl("/tmp/a/../b/x.html"), "file:///tmp/b/x.html");
  EXPECT_EQ(EncodedFileUrl("/tmp/caf\xC3\xA9.html"), "file:///tmp/caf%C3%A9.html");

  EXPECT_EQ(ServerUrlOf("/var/www/my site/qwil_tempfile.php", "/var/www/", "http://127.0.0.1/"),
            "http://127.0.0.1/my%20site/qwil_tempfile.php");
  // A server address without its trailing "/" still gets exactly one.
  EXPECT_EQ(ServerUrlOf("/var/www/q#.php", "/var/www", "http://localhost:8080/~me"),
            "http://localhost:8080/~me/q%23.php");
}

TEST(PreviewPathsTest, TheCopyTakesTheDocumentsExtensionOrHtml) {
  EXPECT_EQ(PreviewExtension("/site/a.php"), ".php");
  EXPECT_EQ(PreviewExtension("/site/archive.tar.gz"), ".gz");
  EXPECT_EQ(PreviewExtension("/site/README"), ".html");
  EXPECT_EQ(PreviewExtension("/site/.htaccess"), ".html");
  EXPECT_EQ(PreviewExtension("/my.site/README"), ".html");
  EXPECT_EQ(PreviewExtension(""), ".html");
}

}  // namespace
}  // namespace qs
