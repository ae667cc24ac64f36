// SPDX-License-Identifier: MIT
#include "BatchExport.h"

#include "ConsoleText.h"
#include "ExitCodes.h"
#include "FileExport.h"
#include "LensFileList.h"
#include "OrderedPool.h"
#include "Translation.h"

#include <QCoreApplication>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include <malloc.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using Entry = LensFileEntry;

// A message of the batch in the language of the installed translation,
// with its placeholders filled.
std::string batchText(const char* source, const std::vector<std::string>& arguments = {})
{
    return fillPlaceholders(QCoreApplication::translate("BatchExport", source).toStdString(), arguments);
}

// What names the export file: the lens file's name without its ending.
std::string baseName(const std::string& path)
{
    return fs::path(path).stem().string();
}

// The export threads: entries go in through add() in their order and are
// reported in that order, each with what went wrong or warned.
class ExportPipeline
{
public:
    ExportPipeline(const CommandArguments& arguments, int threads, std::shared_ptr<const LensData> reference)
        : m_arguments(arguments)
        , m_reference(std::move(reference))
        , m_progress(::isatty(STDERR_FILENO) == 1)
        // A few files per thread under way or waiting, so memory stays the
        // same however many files there are.
        , m_pool(threads, static_cast<std::size_t>(threads) * 4)
    {
    }

    // Queues an entry; waits while the queue is full.
    void add(Entry entry)
    {
        m_pool.add([this, entry = std::move(entry)] {
            Report report = run(entry);
            return [this, report = std::move(report)] { deliver(report); };
        });
    }

    // The number of entries, once it is known; shown by the progress line.
    void setTotal(std::size_t total) { m_total = total; }

    // Waits until every entry is reported, then ends the progress line with
    // the summary. Returns the number of entries that failed.
    std::size_t finish()
    {
        m_pool.finish();
        printError((m_progressShown ? "\r\033[K" : "")
                   + batchText(QT_TRANSLATE_NOOP("BatchExport", "%1 geschrieben, %2 fehlerhaft\n"),
                               { std::to_string(m_reported - m_failed), std::to_string(m_failed) }));
        return m_failed;
    }

private:
    struct Report
    {
        bool failed = false;
        std::string lines; // warnings and the failure, each with its line end
    };

    static constexpr std::size_t UnknownTotal = static_cast<std::size_t>(-1);

    Report run(const Entry& entry) const
    {
        Report report;
        if (entry.refusal) {
            report.failed = true;
            report.lines = *entry.refusal + '\n';
            return report;
        }
        const fs::path output
            = fs::path(m_arguments.exportDirectory) / (baseName(entry.path) + '.' + formatEnding(m_arguments.format));
        const SplineWarningSink warn = [&](SplineWarning warning) {
            report.lines += entry.path
                + batchText(QT_TRANSLATE_NOOP("BatchExport", ": Warnung: %1"),
                            { translatedMessage(splineWarningMessage(warning)).toStdString() })
                + '\n';
        };
        try {
            if (const std::optional<ExportFailure> failure
                = exportLensFile(m_arguments, entry.path, QString::fromStdString(output.string()), warn, m_reference)) {
                report.failed = true;
                report.lines += failure->text() + '\n';
            }
        } catch (const std::exception& error) {
            report.failed = true;
            report.lines += entry.path + ": " + errorText(error).toStdString() + '\n';
        }
        return report;
    }

    // In the pool's turn of the entry: one at a time, in order.
    void deliver(const Report& report)
    {
        ++m_reported;
        m_failed += report.failed ? 1 : 0;
        if (!report.lines.empty()) {
            printError((m_progressShown ? "\r\033[K" : "") + report.lines);
            m_progressShown = false;
        }
        showProgress();
    }

    // Rewrites the progress line, at most ten times a second.
    void showProgress()
    {
        if (!m_progress) {
            return;
        }
        const auto now = std::chrono::steady_clock::now();
        if (m_progressShown && now - m_progressTime < std::chrono::milliseconds(100)) {
            return;
        }
        m_progressTime = now;
        m_progressShown = true;
        std::string line = "\r";
        line += std::to_string(m_reported);
        if (const std::size_t total = m_total; total != UnknownTotal) {
            line += '/' + std::to_string(total);
        }
        line += batchText(QT_TRANSLATE_NOOP("BatchExport", " Dateien")) + "\033[K";
        printError(line);
    }

    const CommandArguments& m_arguments;
    const std::shared_ptr<const LensData> m_reference; // every file is compared with it, or none
    const bool m_progress;
    std::atomic<std::size_t> m_total = UnknownTotal; // set while the threads report

    // Only deliver() and, once the pool has finished, finish() touch these.
    std::size_t m_reported = 0;
    std::size_t m_failed = 0;
    bool m_progressShown = false;
    std::chrono::steady_clock::time_point m_progressTime;

    // Last: its threads end before the members they use.
    OrderedPool m_pool;
};

} // namespace

int runBatchExport(const CommandArguments& arguments)
{
    // The words before and after "-", expanded now: their base names are
    // checked before anything is written.
    std::vector<Entry> before;
    std::vector<Entry> after;
    bool readsStandardInput = false;
    for (const std::string& input : arguments.inputs) {
        if (input == "-") {
            readsStandardInput = true;
        } else {
            addLensFileEntries(input, readsStandardInput ? after : before);
        }
    }
    std::unordered_set<std::string> baseNames;
    std::map<std::string, std::string> firstWithName;
    for (const std::vector<Entry>* part : { &before, &after }) {
        for (const Entry& entry : *part) {
            if (entry.refusal) {
                continue;
            }
            const auto [first, added] = firstWithName.emplace(baseName(entry.path), entry.path);
            if (!added) {
                printError("lumivex: "
                           + batchText(QT_TRANSLATE_NOOP("BatchExport",
                                                         "„%1“ und „%2“ haben denselben Namen; jede Ausgabedatei "
                                                         "wird nur einmal geschrieben\n"),
                                       { first->second, entry.path }));
                return ExitUsage;
            }
            baseNames.insert(first->first);
        }
    }
    firstWithName.clear();

    // The reference lens is read once for all files; without it nothing
    // can be compared, so nothing is written.
    std::shared_ptr<const LensData> reference;
    if (!arguments.compareFile.empty()) {
        auto read = readInputLens(arguments.compareFile);
        if (const ExportFailure* failure = std::get_if<ExportFailure>(&read)) {
            printError(failure->text() + '\n');
            return ExitFailure;
        }
        reference = std::make_shared<const LensData>(std::move(std::get<LensData>(read)));
    }

    std::error_code error;
    fs::create_directories(arguments.exportDirectory, error);
    if (!fs::is_directory(arguments.exportDirectory)) {
        printError("lumivex: "
                   + batchText(QT_TRANSLATE_NOOP("BatchExport", "Das Verzeichnis „%1“ kann nicht angelegt werden\n"),
                               { arguments.exportDirectory }));
        return ExitFailure;
    }

    // Every file allocates the same few blocks (the image, the PNG), and
    // freeing them gave their pages back each time only to fault them in
    // again for the next file: keep them in the heap. The peak stays that
    // of one file per thread.
    ::mallopt(M_MMAP_THRESHOLD, 32 << 20);
    ::mallopt(M_TRIM_THRESHOLD, 64 << 20);
    const int threads = arguments.jobs > 0 ? arguments.jobs : processorCount();
    ExportPipeline pipeline(arguments, threads, reference);
    std::size_t total = before.size() + after.size();
    if (!readsStandardInput) {
        pipeline.setTotal(total);
    }
    for (Entry& entry : before) {
        pipeline.add(std::move(entry));
    }
    if (readsStandardInput) {
        // Names as they come: a later name that repeats a base name fails,
        // as the earlier file may already be written.
        readLensFileNames(stdin, [&](std::string line) {
            ++total;
            Entry entry { line, std::nullopt };
            if (!baseNames.insert(baseName(line)).second) {
                entry.refusal = line
                    + batchText(QT_TRANSLATE_NOOP("BatchExport",
                                                  ": Eine andere Datei mit demselben Namen wird schon nach „%1“ "
                                                  "exportiert"),
                                { arguments.exportDirectory });
            }
            pipeline.add(std::move(entry));
        });
        pipeline.setTotal(total);
    }
    for (Entry& entry : after) {
        pipeline.add(std::move(entry));
    }
    return pipeline.finish() > 0 ? ExitFailure : ExitSuccess;
}
