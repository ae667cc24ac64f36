// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Approved reference outputs: a drawing compared as a whole with a file a
// person has looked at and accepted, kept in tests/approved/ under `name`.
// On a difference, or when there is no approved file yet, the test fails
// and the output is written beside it as <stem>.received.<extension>, for
// a reviewer to compare; scripts/approve accepts every received file. A
// match removes a received file left from an earlier run.
void expectApproved(const QString& name, const QByteArray& received);
// An image is compared by its pixels (as 32-bit RGB), so that another PNG
// encoder alone makes no difference.
void expectApproved(const QString& name, const QImage& received);
