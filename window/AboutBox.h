// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

// The information box: program name, version, a one-sentence description
// and the project's particulars. Fixed size, modal, closed with OK.
class AboutBox final : public QDialog
{
    Q_OBJECT

public:
    explicit AboutBox(QWidget* owner);

    QFrame* bevelPanel;
    QPushButton* okButton;
    QLabel* productName;
    QLabel* version;
    QLabel* copyright;
    QLabel* comments;
    QLabel* makerName;
    QLabel* webAddress;
    QLabel* mailAddress;

protected:
    void showEvent(QShowEvent* event) override;
};
