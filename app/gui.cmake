# Sources of the window.
target_sources(lumivex_gui PRIVATE
    GuiMain.cpp
    GuiMain.h
)
target_link_libraries(lumivex_gui PUBLIC plot Qt6::Widgets Qt6::PrintSupport)
