# Sources of the command-line modes.
target_sources(lumivex_cli PRIVATE
    CommandLine.cpp
    CommandLine.h
)
target_link_libraries(lumivex_cli PUBLIC lensdata curves Qt6::Core)
