// "quillon --print-pdf IN OUT.pdf": prints a document to a PDF file with the
// saved print options and no window, as the print command would, on the
// offscreen platform, so it needs no display.
#pragma once

#include <string>
#include <vector>

namespace qs::qt {

inline constexpr const char* kPrintPdfSwitch = "--print-pdf";

[[nodiscard]] bool IsPrintPdfCommand(int argc, char** argv);
// The whole run: 0 when the file was written, 1 when the print failed (the
// message on stderr), 2 for arguments that are not IN and OUT.
int PrintPdfMain(int argc, char** argv);

}  // namespace qs::qt
