# Sources of the window.
target_sources(lumivex_gui PRIVATE
    ButtonIcons.cpp
    ButtonIcons.h
    GuiMain.cpp
    GuiMain.h
    HelpFile.cpp
    HelpFile.h
    HelpViewer.cpp
    HelpViewer.h
    ImageView.cpp
    ImageView.h
    LensFileDrop.cpp
    LensFileDrop.h
    LensPresentation.cpp
    LensPresentation.h
    LumivexApplication.cpp
    LumivexApplication.h
    MainWindowControls.h
    MainWindowLayout.cpp
    MainWindowLayout.h
    PlotImage.cpp
    PlotImage.h
    PrintCommand.cpp
    PrintCommand.h
    QtTranslations.cpp
    QtTranslations.h
    QtUiServices.cpp
    QtUiServices.h
    ScaledImageCanvas.cpp
    ScaledImageCanvas.h
    TAboutBox.cpp
    TAboutBox.h
    TForm2.cpp
    TForm2.h
    UiServices.h
    ValueControlStyle.cpp
    ValueControlStyle.h
    resources.qrc
)
target_link_libraries(lumivex_gui PUBLIC plot print lensdata Qt6::Widgets Qt6::PrintSupport)
# The build tree finds the help document in the source tree.
target_compile_definitions(lumivex_gui PRIVATE LUMIVEX_DOCS_DIR="${PROJECT_SOURCE_DIR}/docs")

install(FILES ${PROJECT_SOURCE_DIR}/docs/hilfe.html DESTINATION ${CMAKE_INSTALL_DATADIR}/lumivex)

# Pictures of the real window for the documentation (scripts/screenshots);
# built only on request, never installed.
add_executable(lumivex_window_shot EXCLUDE_FROM_ALL WindowShot.cpp)
target_link_libraries(lumivex_window_shot PRIVATE lumivex_gui)
