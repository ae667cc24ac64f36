#pragma once

#include <array>

class ImageView;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

// The controls of the main window. The window owns them (Qt parent); this
// struct only names them. Every control also carries its layout name as
// objectName. The value controls of each panel are kept in arrays in index
// order (index 0 = the panel's first value), because the selection logic
// works on indices.
struct MainWindowControls
{
    // Tool row and plot.
    QToolButton* SpeedButton1 = nullptr; // open a lens file
    QToolButton* SpeedButton2 = nullptr; // print
    QToolButton* SpeedButton3 = nullptr; // pressed = single graph, released = overlay
    QPushButton* BitBtn1 = nullptr;      // end the program
    QPushButton* BitBtn2 = nullptr;      // draw
    QPushButton* BitBtn3 = nullptr;      // clear
    QPushButton* BitBtn4 = nullptr;      // information box
    QPushButton* BitBtn5 = nullptr;      // help
    QFrame* Bevel1 = nullptr;
    ImageView* Image2 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;

    // Abscissa panel: k, LP/mm, y', ß'.
    QFrame* Panel5 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label19 = nullptr;
    std::array<QRadioButton*, 4> abscissaButtons {}; // RadioButton6 .. RadioButton9
    QButtonGroup* abscissaGroup = nullptr;

    // Selection panels.
    QFrame* Panel1 = nullptr;                             // f-number
    QFrame* Panel2 = nullptr;                             // spatial frequency
    QFrame* Panel3 = nullptr;                             // image height
    QFrame* Panel4 = nullptr;                             // magnification
    std::array<QRadioButton*, 8> fNumberButtons {};       // RadioButton1..5, 10, 21, 22
    std::array<QCheckBox*, 8> frequencyBoxes {};          // CheckBox1 .. CheckBox8
    std::array<QRadioButton*, 6> imageHeightButtons {};   // RadioButton11..15, 26
    std::array<QRadioButton*, 9> magnificationButtons {}; // RadioButton16..20, 23, 24, 25, 27
    std::array<QLabel*, 9> distanceLabels {};             // Label9..13, 15..18
    QButtonGroup* fNumberGroup = nullptr;
    QButtonGroup* imageHeightGroup = nullptr;
    QButtonGroup* magnificationGroup = nullptr;

    // Information strip.
    QFrame* Panel7 = nullptr;
    QLabel* Label5 = nullptr;  // "Objektiv : "
    QLabel* Label14 = nullptr; // lens name
    QLabel* Label7 = nullptr;  // wavelengths
    QLabel* Label8 = nullptr;  // weights
};
