# Sources of the command-line modes.
target_sources(lumivex_cli PRIVATE
    CommandArguments.cpp
    CommandArguments.h
    CommandLine.cpp
    CommandLine.h
    JsonValue.cpp
    JsonValue.h
    LensDataJson.cpp
    LensDataJson.h
)
target_link_libraries(lumivex_cli PUBLIC lensdata curves Qt6::Core)
