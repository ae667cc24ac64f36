// SPDX-License-Identifier: MIT
#pragma once

// Running the built program from a test, and the lens files its tests use.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

struct ProgramRun
{
    int exitCode = -1; // -1 after a crash or a hang
    std::string out;
    std::string err;
};

// Runs the built lumivex without a display or locale variables (every mode
// must work without a display; German unless told otherwise), with the
// settings NAME=VALUE of environment and input as its standard input.
inline ProgramRun runLumivex(const std::vector<std::string>& arguments, const std::string& input = {},
                             const std::vector<std::string>& environment = {})
{
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const char* name :
         { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG" }) {
        variables.remove(QString::fromLatin1(name));
    }
    for (const std::string& setting : environment) {
        const QString text = QString::fromStdString(setting);
        variables.insert(text.section('=', 0, 0), text.section('=', 1));
    }
    QStringList list;
    std::transform(arguments.begin(), arguments.end(), std::back_inserter(list), &QString::fromStdString);
    QProcess program;
    program.setProcessEnvironment(variables);
    if (input.empty()) {
        program.setStandardInputFile(QProcess::nullDevice());
    }
    program.start(QStringLiteral(LUMIVEX_BINARY), list);
    if (!input.empty()) {
        program.write(input.data(), static_cast<qint64>(input.size()));
        program.closeWriteChannel();
    }
    ProgramRun run;
    if (program.waitForFinished(120000) && program.exitStatus() == QProcess::NormalExit) {
        run.exitCode = program.exitCode();
    }
    run.out = program.readAllStandardOutput().toStdString();
    run.err = program.readAllStandardError().toStdString();
    return run;
}

// Runs lumivex and expects a success without a word on stderr; returns
// its standard output.
inline std::string runOk(const std::vector<std::string>& arguments)
{
    const ProgramRun run = runLumivex(arguments);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    return run.out;
}

inline std::vector<std::string> joined(std::vector<std::string> first, const std::vector<std::string>& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

inline std::string fileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline std::vector<std::string> fileLines(const std::string& path)
{
    std::istringstream in(fileText(path));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// A fresh temporary directory, removed with everything in it.
class TemporaryDirectory
{
public:
    std::string file(const std::string& name) const
    {
        return m_directory.filePath(QString::fromStdString(name)).toStdString();
    }
    // Writes the file and returns its path.
    std::string write(const std::string& name, const std::string& contents) const
    {
        std::ofstream(file(name), std::ios::binary) << contents;
        return file(name);
    }

private:
    QTemporaryDir m_directory;
};

inline std::string examplePath(const std::string& name)
{
    return std::string(LUMIVEX_SOURCE_DIR) + "/examples/" + name;
}

// The worked example (2 f-numbers, 2 frequencies, heights 0 10 21.6, 2
// magnifications) with lines (1-based) replaced: edit(number, line) returns
// the line to write.
template <typename Edit> std::string workedExampleEdited(Edit edit)
{
    std::string text;
    int number = 0;
    for (const std::string& line : fileLines(examplePath("beispiel-testlinse.mtf"))) {
        text += edit(++number, line) + "\n";
    }
    return text;
}

inline std::string workedExampleWithLine(int number, const std::string& replacement)
{
    return workedExampleEdited([&](int i, const std::string& line) { return i == number ? replacement : line; });
}

// The JSON of a silent lumivex --dump FILE OPTIONS.
inline QJsonObject dumpJson(const std::string& lensFile, const std::vector<std::string>& options = {})
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(runOk(joined({ "--dump", lensFile }, options)))).object();
}
