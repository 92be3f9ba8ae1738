# The display catalogue benchmark: a Windows program run by hand under Wine (see DisplayBench.cpp),
# not part of the test command.
if(WIN32)
    add_executable(display_bench ${TR_ROOT}/bench/display/DisplayBench.cpp)
    target_link_libraries(display_bench PRIVATE tr_core)
    target_compile_options(display_bench PRIVATE ${TR_WARNINGS})
    target_link_options(display_bench PRIVATE -static -mconsole)
    set_target_properties(display_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TR_OUT}/bench)
    add_dependencies(display_bench renderer_bench)
endif()
