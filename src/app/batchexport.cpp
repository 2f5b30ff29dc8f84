#include "app/batchexport.h"

#include <algorithm>

#include "app/batchvalidate.h"
#include "app/schemefolders.h"
#include "app/syntaxlist.h"
#include "editor/globalstyleresolver.h"
#include "editor/memoenvoptions.h"
#include "editor/qsmemo.h"
#include "platform/headlesscanvas.h"
#include "platform/headlesswindowhost.h"
#include "platform/localfilesplatform.h"
#include "support/errors.h"
#include "support/unicodecase.h"
#include "support/utf8.h"
#include "syntax/qsparser.h"

namespace qs {

namespace {

constexpr const char* kUsage =
    "Usage: quillon [FILE] [/p]\n"
    "       quillon --export-html IN OUT [--scheme NAME]\n"
    "       quillon --export-rtf IN OUT [--scheme NAME]\n"
    "       quillon --print-pdf IN OUT.pdf\n"
    "       quillon --validate FILE...\n"
    "\n"
    "  FILE                 the file to open in the window\n"
    "  /p                   print FILE after opening it\n"
    "  --export-html IN OUT write IN as highlighted HTML to OUT, with no window\n"
    "  --export-rtf IN OUT  write IN as highlighted RTF to OUT, with no window\n"
    "  --scheme NAME        highlight with the scheme NAME (\"None\" for none)\n"
    "                       instead of the one IN's extension chooses\n"
    "  --print-pdf IN OUT.pdf  print IN to the PDF file OUT.pdf with the saved print\n"
    "                       options, with no window\n"
    "  --validate FILE...   check the HTML of each FILE (PHP masked) and print\n"
    "                       FILE:LINE:COL: severity: text; exits 1 on an error\n"
    "  --help               show this text\n";

struct TBatchRequest {
  bool help = false;
  bool html = false;
  std::string in, out;
  std::optional<std::string> scheme;
};

bool IsBatchArgument(const std::string& arg) {
  return arg == "--help" || arg == "--export-html" || arg == "--export-rtf";
}

TBatchRequest ParseBatch(const std::vector<std::string>& args) {
  TBatchRequest request;
  bool exporting = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const auto value = [&](std::size_t count) {
      if (i + count >= args.size())
        throw Error(arg + " needs " + std::to_string(count) + " argument" + (count > 1 ? "s" : ""));
      return args[++i];
    };
    if (arg == "--help") {
      request.help = true;
    } else if (arg == "--export-html" || arg == "--export-rtf") {
      if (exporting) throw Error("only one export at a time");
      exporting = true;
      request.html = arg == "--export-html";
      request.in = value(2);
      request.out = value(1);
    } else if (arg == "--scheme") {
      request.scheme = value(1);
    } else {
      throw Error("unexpected argument \"" + arg + "\" (see quillon --help)");
    }
  }
  return request;
}

String FileNamePart(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return FromUtf8(slash == std::string::npos ? path : path.substr(slash + 1));
}

int SchemeIndex(const TBatchRequest& request, TSyntaxList& schemes,
                const TCustomMemoSource& source) {
  if (!request.scheme) return schemes.IndexForDocument(FileNamePart(request.in), source);
  const std::vector<String> items = schemes.SelectorItems();
  const String wanted = ToLower(FromUtf8(*request.scheme));
  for (std::size_t i = 0; i < items.size(); ++i)
    if (ToLower(items[i]) == wanted) return static_cast<int>(i);
  throw Error("there is no scheme \"" + *request.scheme + "\"");
}

void Export(const TBatchRequest& request) {
  LocalFilesPlatform local;
  const PlatformInstallation installed(local.platform);
  TSchemeFolders folders(local.files, DefaultShippedSchemeFolder(local.files),
                         DefaultUserDataFolder());
  TSyntaxList schemes(folders);
  HeadlessWindowHost host;
  HeadlessCanvas canvas;
  TQSMemo memo(host, canvas);
  TGlobalStyleResolver resolver(MemoEnvOptions());
  TSyntaxParser parser;
  parser.SetStyleResolver(&resolver);
  parser.SetUseGlobalOptions(true);
  TCustomMemoSource& source = memo.Source();
  source.LoadFromFile(request.in);
  source.SetEditedName(FileNamePart(request.in));
  const int scheme = SchemeIndex(request, schemes, source);
  if (scheme > 0) {
    schemes.LoadScheme(scheme, parser);
    memo.SetSyntaxParser(&parser);
  }
  request.html ? memo.SaveToHtml(request.out) : memo.SaveToRtf(request.out);
  memo.SetSyntaxParser(nullptr);
}

}  // namespace

std::optional<int> RunBatchMode(const std::vector<std::string>& args, std::FILE* out,
                                std::FILE* err) {
  if (!args.empty() && args.front() == "--validate")
    return RunValidateMode({args.begin() + 1, args.end()}, out, err);
  if (std::none_of(args.begin(), args.end(), IsBatchArgument)) return std::nullopt;
  try {
    const TBatchRequest request = ParseBatch(args);
    if (request.help) {
      std::fputs(kUsage, out);
      return 0;
    }
    Export(request);
    return 0;
  } catch (const std::exception& failure) {
    std::fprintf(err, "quillon: %s\n", failure.what());
    return 1;
  }
}

}  // namespace qs
