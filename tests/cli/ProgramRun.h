// SPDX-License-Identifier: MIT
#pragma once

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

// Without a display (every mode must work without one) and without locale
// variables (German unless told otherwise); environment holds NAME=VALUE.
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

class TemporaryDirectory
{
public:
    std::string file(const std::string& name) const
    {
        return m_directory.filePath(QString::fromStdString(name)).toStdString();
    }
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
// magnifications); edit(number, line) returns the 1-based line to write.
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

inline QJsonObject dumpJson(const std::string& lensFile, const std::vector<std::string>& options = {})
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(runOk(joined({ "--dump", lensFile }, options)))).object();
}
