// SPDX-License-Identifier: MIT
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
// struct only names them by role. Every control carries its layout name as
// objectName (given in the comments), by which tests and the layout tables
// find it. The value controls of each panel are kept in arrays in index
// order (index 0 = the panel's first value), because the selection logic
// works on indices.
struct MainWindowControls
{
    // Tool row and plot.
    QToolButton* openButton = nullptr;         // SpeedButton1: open a lens file
    QToolButton* printButton = nullptr;        // SpeedButton2
    QToolButton* singleModeButton = nullptr;   // SpeedButton3: pressed = single graph, released = overlay
    QPushButton* exitButton = nullptr;         // BitBtn1: end the program
    QPushButton* drawButton = nullptr;         // BitBtn2
    QPushButton* clearButton = nullptr;        // BitBtn3
    QPushButton* infoButton = nullptr;         // BitBtn4: information box
    QPushButton* helpButton = nullptr;         // BitBtn5
    QFrame* toolRowRule = nullptr;             // Bevel1
    ImageView* plotView = nullptr;             // Image2
    QPlainTextEdit* instructionText = nullptr; // Memo1: shown until the first load

    // Abscissa panel: k, LP/mm, y', ß'.
    QFrame* abscissaPanel = nullptr;                 // Panel5
    QLabel* abscissaCaption = nullptr;               // Label6
    QLabel* fNumberAxisLabel = nullptr;              // Label1
    QLabel* frequencyAxisLabel = nullptr;            // Label2
    QLabel* imageHeightAxisLabel = nullptr;          // Label3
    QLabel* magnificationAxisLabel = nullptr;        // Label4
    QLabel* distanceAxisLabel = nullptr;             // Label19
    std::array<QRadioButton*, 4> abscissaButtons {}; // RadioButton6 .. RadioButton9
    QButtonGroup* abscissaGroup = nullptr;

    // Selection panels.
    QFrame* fNumberPanel = nullptr;                       // Panel1
    QFrame* frequencyPanel = nullptr;                     // Panel2
    QFrame* imageHeightPanel = nullptr;                   // Panel3
    QFrame* magnificationPanel = nullptr;                 // Panel4
    std::array<QRadioButton*, 8> fNumberButtons {};       // RadioButton1..5, 10, 21, 22
    std::array<QCheckBox*, 8> frequencyBoxes {};          // CheckBox1 .. CheckBox8
    std::array<QRadioButton*, 6> imageHeightButtons {};   // RadioButton11..15, 26
    std::array<QRadioButton*, 9> magnificationButtons {}; // RadioButton16..20, 23, 24, 25, 27
    std::array<QLabel*, 9> distanceLabels {};             // Label9..13, 15..18
    QButtonGroup* fNumberGroup = nullptr;
    QButtonGroup* imageHeightGroup = nullptr;
    QButtonGroup* magnificationGroup = nullptr;

    // Information strip.
    QFrame* lensPanel = nullptr;       // Panel7
    QLabel* lensCaption = nullptr;     // Label5: "Objektiv : "
    QLabel* lensNameLabel = nullptr;   // Label14
    QLabel* wavelengthLabel = nullptr; // Label7
    QLabel* weightLabel = nullptr;     // Label8
};
