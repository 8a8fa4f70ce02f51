#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace vork {

// What `vork` was asked to do:
//   vork [FILE]                                  the program, opening FILE once started
//   vork --screenshots DIR [FILE] [--ticks N]    every window as a picture, then exit
struct CommandLine {
    QString file;
    bool screenshots = false;
    QString folder;  // DIR
    int ticks = 50;
};

// The arguments after the program's name; nothing, with `error` set, when they make no sense.
std::optional<CommandLine> ParseCommandLine(const QStringList& arguments, QString& error);

// The usage text for an error.
QString CommandLineUsage();

}  // namespace vork
