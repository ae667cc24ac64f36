#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

// The information box: program name, version, a one-sentence description
// and the project's particulars. Fixed size, modal, closed with OK.
class TAboutBox final : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* owner);

    QFrame* Panel1;
    QPushButton* OKButton;
    QLabel* ProductName;
    QLabel* Version;
    QLabel* Copyright;
    QLabel* Comments;
    QLabel* Firmenname;
    QLabel* Internet;
    QLabel* email;

protected:
    void showEvent(QShowEvent* event) override;
};
