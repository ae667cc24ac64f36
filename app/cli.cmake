# Sources of the command-line modes.
target_sources(lumivex_cli PRIVATE
    ChartExport.cpp
    ChartExport.h
    CommandArguments.cpp
    CommandArguments.h
    CommandLine.cpp
    CommandLine.h
    CsvExport.cpp
    CsvExport.h
    JsonValue.cpp
    JsonValue.h
    LensDataJson.cpp
    LensDataJson.h
)
# The export draws through the plot and report libraries; QtGui and QtSvg
# only, never the widgets, so that a headless export stays light.
target_link_libraries(lumivex_cli PUBLIC lensdata curves plot print Qt6::Core Qt6::Gui Qt6::Svg)
