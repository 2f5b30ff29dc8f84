#include "qt/qtprinter.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QPrinter>
#include <QPrinterInfo>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/errors.h"

namespace qs::qt {
namespace {

TEST(QtPrinter, AJobPrintsItsPagesIntoAPdfFile) {
  const std::string path =
      (std::filesystem::temp_directory_path() / ("qs_print_" + std::to_string(::getpid()) + ".pdf"))
          .string();
  QPrinter device;
  QtPrinter printer(device);
  printer.SetPdfOutput(path);
  EXPECT_EQ(printer.PrinterName(), String(kPdfPrinterName));
  EXPECT_GT(printer.Resolution().cx, 0);
  const TSize page = printer.PageSize();
  EXPECT_GT(page.cx, 0);
  EXPECT_GT(page.cy, page.cx);  // portrait

  const int lineHeight = printer.Canvas().Metrics().height;  // measurable before the job
  EXPECT_GT(lineHeight, 0);
  printer.BeginDoc(U"report");
  printer.Canvas().TextOut(0, 0, U"first page");
  printer.NewPage();
  EXPECT_EQ(printer.PageNumber(), 2);
  printer.Canvas().TextOut(0, lineHeight, U"second page");
  printer.EndDoc();

  std::ifstream in(path, std::ios::binary);
  const std::string pdf((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
  // Page objects, not the page tree ("/Type /Pages").
  int pages = 0;
  for (std::size_t at = pdf.find("/Type /Page"); at != std::string::npos;
       at = pdf.find("/Type /Page", at + 1))
    if (pdf.compare(at, 12, "/Type /Pages") != 0) ++pages;
  EXPECT_EQ(pages, 2);
  std::filesystem::remove(path);
}

// The names in a folder, to see that no temporary file is left behind.
std::vector<std::string> Entries(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  return names;
}

std::string Content(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(QtPrinter, APdfAppearsUnderItsNameOnlyWhenTheJobEndsWell) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("qs_pdfjob_" + std::to_string(::getpid()));
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  const std::filesystem::path target = folder / "out.pdf";
  QPrinter device;
  QtPrinter printer(device);
  printer.SetPdfOutput(target.string());

  // Aborted with no file there before: nothing is left, not even a temporary.
  printer.BeginDoc(U"doc");
  printer.Canvas().TextOut(0, 0, U"text");
  EXPECT_FALSE(std::filesystem::exists(target));
  printer.Abort();
  EXPECT_TRUE(Entries(folder).empty());

  // Aborted over an existing file: the old file stays as it was.
  { std::ofstream(target) << "old"; }
  printer.BeginDoc(U"doc");
  printer.Canvas().TextOut(0, 0, U"text");
  printer.Abort();
  EXPECT_EQ(Content(target), "old");
  EXPECT_EQ(Entries(folder), std::vector<std::string>{"out.pdf"});

  // A job that ends replaces it whole.
  printer.BeginDoc(U"doc");
  printer.Canvas().TextOut(0, 0, U"text");
  printer.EndDoc();
  EXPECT_EQ(Content(target).rfind("%PDF-", 0), 0u);
  EXPECT_EQ(Entries(folder), std::vector<std::string>{"out.pdf"});

  // A printer dropped in the middle of a job leaves no temporary either.
  {
    QPrinter other;
    QtPrinter dropped(other);
    dropped.SetPdfOutput((folder / "never.pdf").string());
    dropped.BeginDoc(U"doc");
  }
  EXPECT_EQ(Entries(folder), std::vector<std::string>{"out.pdf"});
  std::filesystem::remove_all(folder);
}

TEST(QtPrinter, ThePdfOutputIsAlwaysOfferedAndNeedsAFileName) {
  QPrinter device;
  QtPrinter printer(device);
  EXPECT_EQ(printer.Printers().back(), String(kPdfPrinterName));
  // Without a printer installed the PDF output is the current one.
  if (QPrinterInfo::availablePrinterNames().isEmpty())
    EXPECT_EQ(printer.PrinterName(), String(kPdfPrinterName));
  // Chosen without a file (as the set-up dialog may leave it): the job says so.
  printer.SetPrinterIndex(static_cast<int>(printer.Printers().size()) - 1);
  device.setOutputFileName({});
  EXPECT_THROW(printer.BeginDoc(U"doc"), Error);
  EXPECT_FALSE(printer.Printing());
  // The file the set-up dialog names is the one written.
  const std::filesystem::path target =
      std::filesystem::temp_directory_path() / ("qs_setup_" + std::to_string(::getpid()) + ".pdf");
  device.setOutputFileName(QString::fromStdString(target.string()));
  printer.BeginDoc(U"doc");
  printer.EndDoc();
  EXPECT_EQ(Content(target).rfind("%PDF-", 0), 0u);
  std::filesystem::remove(target);
}

}  // namespace
}  // namespace qs::qt
