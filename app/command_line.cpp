#include "app/command_line.h"

#include <QCommandLineParser>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "toolkit/program.h"

namespace tarvex {
namespace {

// Usage errors end with 2, as the usual command-line tools do, so scripts can tell them from 1.
constexpr int kUsageError = 2;

QString program_title() { return QString::fromStdU16String(std::u16string(kProgram.title)); }

QString program_version() {
  return QStringLiteral("%1.%2.%3").arg(kProgram.major).arg(kProgram.minor).arg(kProgram.revision);
}

void print(std::FILE* stream, const QString& text) {
  std::fputs(text.toLocal8Bit().constData(), stream);
  std::fflush(stream);
}

int usage_error(const QString& complaint) {
  print(stderr, QStringLiteral("tarvex: %1\nTry 'tarvex --help' for the options.\n").arg(complaint));
  return kUsageError;
}

}  // namespace

std::optional<int> handle_command_line(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("%1 works out the series resistor for an LED, rounds it to a standard value "
                     "and shows its colour bands.\n"
                     "Qt's own options, such as -platform, are accepted as well. The windows keep their own look: "
                     "-style and the desktop's style and colours change nothing of it.")
          .arg(program_title()));
  const QCommandLineOption help_option = parser.addHelpOption();
  const QCommandLineOption version_option = parser.addVersionOption();

  // parse() rather than process(): process() would end the program itself with its own exit codes.
  if (!parser.parse(arguments)) return usage_error(parser.errorText());
  // The window takes no file or value from the command line, so a stray word is a mistake.
  if (!parser.positionalArguments().isEmpty()) {
    return usage_error(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().front()));
  }
  if (parser.isSet(help_option)) {
    print(stdout, parser.helpText());
    return 0;
  }
  // Qt adds --help-all, which also lists its own options; only process() can print that text, and
  // it ends the program with status 0 after printing it.
  if (parser.isSet(QStringLiteral("help-all"))) parser.process(arguments);
  if (parser.isSet(version_option)) {
    print(stdout, QStringLiteral("%1 %2\n").arg(program_title(), program_version()));
    return 0;
  }
  return std::nullopt;
}

void answer_without_a_display(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument(argv[i]);
    if (argument == "--help" || argument == "-h" || argument == "--help-all" || argument == "--version" ||
        argument == "-v") {
      if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
      // The answer is the program's own lines and nothing else: without a desktop session Qt would
      // remark on the missing runtime folder (XDG_RUNTIME_DIR), which is no concern of an answer.
      qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
      return;
    }
  }
}

}  // namespace tarvex
