#include "app/command_line.h"

namespace vork {

std::optional<CommandLine> ParseCommandLine(const QStringList& arguments, QString& error) {
    CommandLine line;
    QStringList files;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == "--screenshots" || argument == "--ticks") {
            if (i + 1 >= arguments.size()) {
                error = argument + " needs a value";
                return std::nullopt;
            }
            const QString& value = arguments[++i];
            if (argument == "--screenshots") {
                line.screenshots = true;
                line.folder = value;
                continue;
            }
            bool number = false;
            line.ticks = value.toInt(&number);
            if (!number || line.ticks < 0) {
                error = "--ticks needs a whole number of ticks, not " + value;
                return std::nullopt;
            }
        } else if (argument.startsWith("--")) {
            error = "unknown option " + argument;
            return std::nullopt;
        } else {
            files << argument;
        }
    }
    if (files.size() > 1) {
        error = "one simulation file at most";
        return std::nullopt;
    }
    if (!files.isEmpty()) line.file = files.front();
    return line;
}

QString CommandLineUsage() {
    return "usage: vork [FILE]\n"
           "       vork --screenshots DIR [FILE] [--ticks N]";
}

}  // namespace vork
