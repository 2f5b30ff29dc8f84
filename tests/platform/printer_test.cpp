#include "platform/headlessprinter.h"

#include <gtest/gtest.h>

#include "common/messageof.h"
#include "support/errors.h"

namespace qs {
namespace {

TEST(HeadlessPrinter, KeepsEachPagesDrawingPerJob) {
  HeadlessPrinter printer;
  EXPECT_EQ(printer.PrinterName(), U"Headless Printer");
  EXPECT_EQ(printer.Canvas().PixelsPerInch(), TSize(600, 600));
  printer.BeginDoc(U"notes.txt");
  EXPECT_EQ(printer.PageNumber(), 1);
  printer.Canvas().TextOut(0, 0, U"page one");
  printer.NewPage();
  EXPECT_EQ(printer.PageNumber(), 2);
  printer.Canvas().TextOut(0, 0, U"page two");
  printer.Canvas().TextOut(0, 16, U"more");
  printer.EndDoc();
  EXPECT_FALSE(printer.Printing());

  ASSERT_EQ(printer.Jobs().size(), 1u);
  const PrintJob& job = printer.Jobs()[0];
  EXPECT_EQ(job.title, U"notes.txt");
  EXPECT_TRUE(job.finished);
  ASSERT_EQ(job.pages.size(), 2u);
  EXPECT_EQ(job.pages[0].records.size(), 1u);
  EXPECT_EQ(job.pages[1].records[0].text, U"page two");
  EXPECT_EQ(job.pages[1].records.size(), 2u);
}

TEST(HeadlessPrinter, JobRulesAndMissingPrintersGiveTheUsersMessages) {
  HeadlessPrinter none(std::vector<String>{});
  EXPECT_EQ(MessageOf([&] { none.BeginDoc(U"x"); }), kNoDefaultPrinter);
  EXPECT_EQ(MessageOf([&] { (void)none.PrinterName(); }), kNoDefaultPrinter);

  HeadlessPrinter printer({U"A", U"B"});
  EXPECT_EQ(MessageOf([&] { printer.SetPrinterIndex(2); }), kInvalidPrinter);
  printer.SetPrinterIndex(1);
  EXPECT_EQ(printer.PrinterName(), U"B");
  EXPECT_EQ(MessageOf([&] { printer.NewPage(); }), kNotPrinting);
  printer.BeginDoc(U"doc");
  EXPECT_EQ(MessageOf([&] { printer.BeginDoc(U"again"); }), kPrintingInProgress);
  EXPECT_EQ(MessageOf([&] { printer.SetPrinterIndex(0); }), kPrintingInProgress);
  printer.Abort();
  EXPECT_TRUE(printer.Jobs()[0].aborted);
  EXPECT_TRUE(printer.Jobs()[0].pages.empty());
  EXPECT_EQ(MessageOf([&] { printer.EndDoc(); }), kNotPrinting);
}

}  // namespace
}  // namespace qs
