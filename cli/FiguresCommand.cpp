// SPDX-License-Identifier: MIT
#include "FiguresCommand.h"

#include "ConsoleText.h"
#include "ExitCodes.h"
#include "FileExport.h"
#include "LensFileList.h"
#include "OrderedPool.h"
#include "Translation.h"

#include <numeric>
#include <vector>

namespace {

// 1 .. count.
std::vector<int> everyIndex(int count)
{
    std::vector<int> indices(static_cast<std::size_t>(std::max(count, 0)));
    std::iota(indices.begin(), indices.end(), 1);
    return indices;
}

} // namespace

FileFigures figuresOfFile(const CommandArguments& arguments, const std::string& path)
{
    FileFigures result;
    try {
        auto read = readInputLens(path);
        if (const ExportFailure* failure = std::get_if<ExportFailure>(&read)) {
            result.failure = failure->text();
            return result;
        }
        const LensData& lens = std::get<LensData>(read);
        // The indices given are checked as the exports check them.
        SelectionOptions chosen;
        chosen.fNumber = arguments.selection.fNumber;
        chosen.magnification = arguments.selection.magnification;
        const auto resolved = resolveSelection(chosen, lens);
        if (const UsageError* error = std::get_if<UsageError>(&resolved)) {
            result.failure = path + ": " + translatedMessage(error->text).toStdString();
            return result;
        }
        FiguresRequest request;
        request.fNumbers = chosen.fNumber ? std::vector<int> { *chosen.fNumber } : everyIndex(lens.FNumberCount);
        request.magnifications = arguments.allMagnifications ? everyIndex(lens.MagnificationCount)
                                                             : std::vector<int> { chosen.magnification.value_or(1) };
        request.options = arguments.figures;
        result.rows = figuresCsvRows(path, lens, request);
    } catch (const std::exception& error) {
        result.rows.clear();
        result.failure = path + ": " + errorText(error).toStdString();
    }
    return result;
}

int runFigures(const CommandArguments& arguments)
{
    if (!printOutput(std::string(FiguresCsvHeader) + '\n')) {
        return ExitFailure;
    }
    bool failed = false;
    bool outputFailed = false;
    {
        const int threads = arguments.jobs > 0 ? arguments.jobs : processorCount();
        // A few files per thread under way or waiting: memory stays the same
        // however many files there are.
        OrderedPool pool(threads, static_cast<std::size_t>(threads) * 4);
        const auto add = [&](LensFileEntry entry) {
            pool.add([&arguments, &failed, &outputFailed, entry = std::move(entry)]() -> OrderedPool::Delivery {
                FileFigures figures;
                if (entry.refusal) {
                    figures.failure = *entry.refusal;
                } else {
                    figures = figuresOfFile(arguments, entry.path);
                }
                return [&failed, &outputFailed, figures = std::move(figures)] {
                    if (figures.failure) {
                        failed = true;
                        printError(*figures.failure + '\n');
                    } else if (!outputFailed && !printOutput(figures.rows)) {
                        outputFailed = true;
                    }
                };
            });
        };
        forEachLensFile(arguments.inputs, add);
        pool.finish();
    }
    return failed || outputFailed ? ExitFailure : ExitSuccess;
}
