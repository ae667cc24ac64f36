// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The folder the file dialogs start in: the one a file was last chosen in
// (opened, saved or loaded as the reference lens), kept between runs in the
// user's settings (organisation "Lumivex-Projekt", application "Lumivex").
namespace DialogFolder {

// The folder last used; empty before the first choice.
QString last();

// Keeps the folder of a chosen file for the next dialog.
void remember(const QString& chosenFile);

// A file name in the last folder (the name alone before the first choice).
QString pathFor(const QString& fileName);

} // namespace DialogFolder
