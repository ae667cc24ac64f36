#pragma once

// Running the built program from a test, and what the tests of its output
// share.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

// Runs the built lumivex without DISPLAY, WAYLAND_DISPLAY and
// QT_QPA_PLATFORM: every mode must work without a display.
inline ProgramRun runLumivex(const std::vector<std::string>& arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" }) {
        environment.remove(QString::fromLatin1(name));
    }
    QStringList list;
    for (const std::string& argument : arguments) {
        list.push_back(QString::fromStdString(argument));
    }
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setStandardInputFile(QProcess::nullDevice());
    program.start(QStringLiteral(LUMIVEX_BINARY), list);
    ProgramRun run;
    if (program.waitForFinished(120000) && program.exitStatus() == QProcess::NormalExit) {
        run.exitCode = program.exitCode();
    }
    run.out = program.readAllStandardOutput().toStdString();
    run.err = program.readAllStandardError().toStdString();
    return run;
}

inline std::string fileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
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

// The worked example with one line (1-based) replaced.
inline std::string workedExampleWithLine(int number, const std::string& replacement)
{
    std::istringstream in(fileText(examplePath("beispiel-testlinse.mtf")));
    std::string text;
    std::string line;
    for (int i = 1; std::getline(in, line); ++i) {
        text += (i == number ? replacement : line) + "\n";
    }
    return text;
}

// The JSON of lumivex --dump FILE OPTIONS; a test failure unless the run
// succeeds without a word on stderr.
inline QJsonObject dumpJson(const std::string& lensFile, const std::vector<std::string>& options = {})
{
    std::vector<std::string> arguments = { "--dump", lensFile };
    arguments.insert(arguments.end(), options.begin(), options.end());
    const ProgramRun run = runLumivex(arguments);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    QJsonParseError error {};
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return document.object();
}

inline std::vector<double> numbers(const QJsonValue& array)
{
    std::vector<double> out;
    for (const QJsonValue item : array.toArray()) {
        out.push_back(item.toDouble());
    }
    return out;
}

inline std::vector<std::string> texts(const QJsonValue& array)
{
    std::vector<std::string> out;
    for (const QJsonValue item : array.toArray()) {
        out.push_back(item.toString().toStdString());
    }
    return out;
}
