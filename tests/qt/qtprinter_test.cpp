#include "qt/qtprinter.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QPrinter>
#include <filesystem>
#include <fstream>
#include <iterator>

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

}  // namespace
}  // namespace qs::qt
